#include "MasterForm.h"

#include "plan/U_Gloval.h"
#include "platform/AppError.h"
#include "platform/Cp932.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {

// Reading a date also takes a month or day written with one digit.
const QString ShortDateReadFormat = QStringLiteral("yyyy/M/d");

bool isDatePicker(const QWidget *control)
{
    return qobject_cast<const QDateEdit *>(control) != nullptr;
}

QString fieldText(const QWidget *control)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    return qobject_cast<const QDateEdit *>(control)->date().toString(ShortDateFormat);
}

// A date picker takes a field that is not a date by throwing "'text' は日付ではありません".
void setFieldText(QWidget *control, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->setEditText(text);
    } else {
        const QDate date = QDate::fromString(text, ShortDateReadFormat);
        if (!date.isValid())
            throw notDateError(text);
        qobject_cast<QDateEdit *>(control)->setDate(date);
    }
}

} // namespace

MasterListBox::MasterListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every entry is one line: the list need not measure each of a long file's entries to lay them out.
    setUniformItemSizes(true);
}

QListWidgetItem *MasterListBox::selectedEntry() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}

QByteArray MasterListBox::lineOf(const QListWidgetItem *entry)
{
    return entry->data(LineRole).toByteArray();
}

void MasterListBox::setLine(QListWidgetItem *entry, const QByteArray &line)
{
    entry->setData(LineRole, line);
    entry->setText(ShownText(line));
}

void MasterListBox::appendLine(const QByteArray &line)
{
    setLine(new QListWidgetItem(this), line);
}

QList<QByteArray> MasterListBox::lines() const
{
    QList<QByteArray> result;
    for (int row = 0; row < count(); ++row)
        result.append(lineOf(item(row)));
    return result;
}

void MasterListBox::mousePressEvent(QMouseEvent *event)
{
    QListWidget::mousePressEvent(event);
    const QListWidgetItem *entry = itemAt(event->position().toPoint());
    if (entry && entry == selectedEntry())
        emit entrySelected();
}

void MasterListBox::mouseMoveEvent(QMouseEvent *event)
{
    const QListWidgetItem *before = selectedEntry();
    QListWidget::mouseMoveEvent(event);
    tellIfMoved(before);
}

void MasterListBox::keyPressEvent(QKeyEvent *event)
{
    const QListWidgetItem *before = selectedEntry();
    QListWidget::keyPressEvent(event);
    tellIfMoved(before);
}

void MasterListBox::tellIfMoved(const QListWidgetItem *before)
{
    const QListWidgetItem *after = selectedEntry();
    if (after && after != before)
        emit entrySelected();
}

MasterForm::MasterForm(const QString &name, const QString &caption, int outerLeft, int outerTop, int outerWidth,
                       int outerHeight, int fontPixels, const QString &fileName, MasterFile::ZeroByte zeroByte,
                       Commas commas)
    : Form(name, caption, outerLeft, outerTop, outerWidth, outerHeight, fontPixels), m_fileName(fileName),
      m_zeroByte(zeroByte), m_commas(commas)
{
}

void MasterForm::FormCreate(MasterListBox *list, const QList<MasterField> &fields, const Buttons &buttons)
{
    m_list = list;
    m_fields = fields;
    connect(m_list, &MasterListBox::entrySelected, this, &MasterForm::ListBox1Click);
    connect(buttons.add, &QPushButton::clicked, this, &MasterForm::addClick);
    connect(buttons.modify, &QPushButton::clicked, this, &MasterForm::modifyClick);
    connect(buttons.remove, &QPushButton::clicked, this, &MasterForm::deleteClick);
    connect(buttons.write, &QPushButton::clicked, this, &MasterForm::writeClick);
    connect(buttons.back, &QPushButton::clicked, this, &QWidget::close);

    clearTextFields();
    guardEvent([this] {
        for (const QByteArray &line : MasterFile::read(m_fileName, m_zeroByte))
            m_list->appendLine(line);
    });
}

QPushButton *MasterForm::addButton(const QString &name, const QString &caption, int left, int top, int width)
{
    return place(new QPushButton(caption, this), name, left, top, width, 25);
}

// The fields of the selected line fill the controls in order. A line with fewer fields empties the remaining
// text controls (date pickers keep their dates); a date that cannot be read stops the filling there.
void MasterForm::ListBox1Click()
{
    guardEvent([this] {
        const QList<QByteArray> pieces = MasterListBox::lineOf(m_list->selectedEntry()).split(',');
        for (qsizetype i = 0; i < m_fields.size(); ++i) {
            QWidget *control = m_fields.at(i).control;
            if (i < pieces.size())
                setFieldText(control, ShownText(pieces.at(i)));
            else if (!isDatePicker(control))
                setFieldText(control, QString());
        }
    });
}

void MasterForm::addClick()
{
    if (const auto line = lineFromFields())
        m_list->appendLine(*line);
}

void MasterForm::modifyClick()
{
    QListWidgetItem *entry = m_list->selectedEntry();
    if (!entry) {
        showMessage(QStringLiteral("編集リストを選択してください"));
        return;
    }
    if (const auto line = lineFromFields()) {
        MasterListBox::setLine(entry, *line);
        showMessage(QStringLiteral("更新しました"));
    }
}

void MasterForm::deleteClick()
{
    if (QListWidgetItem *entry = m_list->selectedEntry()) {
        if (confirm(QStringLiteral("削除してもいいですか？"))) {
            delete entry;
            m_list->clearSelection();
            m_list->setCurrentItem(nullptr);
        }
    } else {
        showMessage(QStringLiteral("削除リストを選択してください"));
    }
    clearTextFields();
}

void MasterForm::writeClick()
{
    guardEvent([this] {
        MasterFile::write(m_fileName, m_list->lines());
        showMessage(QStringLiteral("保存しました"));
    });
}

// A field may not hold a line break, nor a character that code page 932 cannot hold; where commas separate the
// fields, it may not hold a comma either.
std::optional<QByteArray> MasterForm::lineFromFields() const
{
    QStringList texts;
    for (const MasterField &field : m_fields) {
        const QString text = fieldText(field.control);
        QString refusal;
        if (m_commas == Commas::Refused && text.contains(u','))
            refusal = QStringLiteral("%1にカンマ（,）は使えません").arg(field.name);
        else if (text.contains(u'\r') || text.contains(u'\n'))
            refusal = QStringLiteral("%1に改行は使えません").arg(field.name);
        else if (const QString bad = Cp932::firstUnencodable(text); !bad.isEmpty())
            refusal = Cp932::unencodableMessage(bad);
        if (!refusal.isEmpty()) {
            showMessage(refusal);
            return std::nullopt;
        }
        texts.append(text);
    }
    return Cp932::encode(texts.join(u','));
}

void MasterForm::clearTextFields()
{
    for (const MasterField &field : m_fields) {
        if (!isDatePicker(field.control))
            setFieldText(field.control, QString());
    }
}
