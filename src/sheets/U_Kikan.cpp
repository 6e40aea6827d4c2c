#include "U_Kikan.h"

#include "U_Keikaku2.h"
#include "plan/U_Gloval.h"
#include "platform/AppError.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

TF_Kikan *F_Kikan = nullptr;

TF_Kikan::TF_Kikan() : Form(QStringLiteral("TF_Kikan"), QStringLiteral("期間入力"), 192, 114, 123, 278, 12)
{
    addLabel(QStringLiteral("Label4"), QStringLiteral("期間入力"), 24, 8, pixelFont(MsPGothic, 15));

    m_periods = place(new QListWidget(this), QStringLiteral("ListBox1"), 24, 48, 65, 121);
    m_periods->setFont(pixelFont(MsPGothic, 13));
    m_periods->setSelectionMode(QAbstractItemView::SingleSelection);
    m_periods->setUniformItemSizes(true);
    for (const char *period : {"1週間", "2週間", "1ヶ月", "3ヶ月", "6ヶ月", "1年"}) {
        auto *item = new QListWidgetItem(QString::fromUtf8(period), m_periods);
        item->setSizeHint(QSize(0, 13));
    }
    // A double-click anywhere in the list picks, also one beside the entries.
    m_periods->viewport()->installEventFilter(this);

    const QColor red(Qt::red);
    addLabel(QStringLiteral("Label1"), QStringLiteral("該当の項目を"), 24, 184, pixelFont(MsPGothic, 12), red);
    addLabel(QStringLiteral("Label2"), QStringLiteral("ダブルクリック"), 24, 200, pixelFont(MsPGothic, 12), red);
    addLabel(QStringLiteral("Label3"), QStringLiteral("して下さい。"), 24, 216, pixelFont(MsPGothic, 12), red);
}

void TF_Kikan::ListBox1DblClick()
{
    const QList<QListWidgetItem *> selected = m_periods->selectedItems();
    if (selected.isEmpty())
        throw listIndexError(-1);
    if (PeriodTarget >= 1 && PeriodTarget <= 12)
        F_Keikaku2->findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(PeriodTarget))
            ->setText(selected.front()->text());
    close();
}

bool TF_Kikan::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_periods->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        guardEvent([this] { ListBox1DblClick(); });
        return true;
    }
    return Form::eventFilter(watched, event);
}
