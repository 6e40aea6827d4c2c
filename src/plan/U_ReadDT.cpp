#include "U_ReadDT.h"

#include "PlanFields.h"
#include "platform/AppError.h"
#include "platform/Fonts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TF_ReadDT *F_ReadDT = nullptr;

namespace {

// While a long file is listed the window keeps painting, every so many milliseconds.
constexpr int RepaintEveryMs = 100;

} // namespace

TF_ReadDT::TF_ReadDT()
    : Form(QStringLiteral("TF_ReadDT"), QStringLiteral("読込データー指定"), 275, 116, 461, 480, 12)
{
    m_list = place(new QListWidget(this), QStringLiteral("ListBox1"), 32, 48, 385, 329);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { guardEvent([this] { ListBox1DblClick(); }); });

    m_hint = place(new QLabel(QStringLiteral("ダブルクリックで指定してください"), this), QStringLiteral("Label1"), 32, 384,
                   204, 15);
    m_hint->setFont(pixelFont(MsPGothic, 15));
    QPalette palette = m_hint->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    m_hint->setPalette(palette);
    m_hint->hide();

    auto *choose = place(new QPushButton(QStringLiteral("ファイル選択"), this), QStringLiteral("Button1"), 320, 408, 75, 25);
    connect(choose, &QPushButton::clicked, this, [this] { guardEvent([this] { Button1Click(); }); });
    setTabOrder(m_list, choose);
}

void TF_ReadDT::Button1Click()
{
    const QString fileName = chooseOpenFileName(this, OpenDialog1);
    if (fileName.isEmpty())
        return;
    m_chosenDataFileName = fileName;
    m_list->clear();
    m_entries.clear();
    // The entries go into the list in batches, one insertion for all the lines read since the last repaint: a
    // list told of every line on its own takes longer over a long file than reading it.
    QStringList pending;
    const auto showPending = [&] {
        m_list->addItems(pending);
        pending.clear();
    };
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    try {
        ListPlanFile(fileName, [&](const PlanEntry &entry) {
            m_entries.append(entry);
            pending.append(entry.text());
            if (sinceRepaint.hasExpired(RepaintEveryMs)) {
                showPending();
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                sinceRepaint.start();
            }
        });
    } catch (const AppError &) {
        showPending(); // the entries before a line that stops the listing stay listed
        throw;
    }
    showPending();
    m_hint->show();
}

void TF_ReadDT::ListBox1DblClick()
{
    const int row = m_list->currentRow();
    if (row < 0 || !m_list->currentItem()->isSelected())
        throw listIndexError(-1);
    const PlanEntry &entry = m_entries.at(row);
    CurrentUserName = ShownText(entry.userName);
    const std::optional<QList<QByteArray>> fields = FindPlanLine(m_chosenDataFileName, entry);
    if (fields)
        LoadPlanFields(ReadPlanRecord(*fields));
    close();
}
