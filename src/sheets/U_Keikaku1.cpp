#include "U_Keikaku1.h"

#include "LineLimitedMemo.h"
#include "masters/MasterFile.h"
#include "plan/U_Gloval.h"
#include "platform/AppError.h"
#include "platform/Cp932.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/InputMode.h"
#include "platform/Shape.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

TF_Keikaku1 *F_Keikaku1 = nullptr;

namespace {

constexpr int UserKeyField = 2;
constexpr int CreatorKeyField = 3;

// The row captions; a line break inside a caption starts a new line of the label.
const QStringList RowCaptions = {
    QStringLiteral("要介護状態区分"),
    QStringLiteral("利用者及び\n家族の生活\nに対する\n意向"),
    QStringLiteral("介護認定審査会\nの意見及び\nサービスの\n種類の指定"),
    QStringLiteral("総合的な援助\nの方針"),
    QStringLiteral("生活援助中心\n型の算定理由"),
};

void setBackground(QWidget *control, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = control->palette();
    palette.setColor(role, color);
    control->setPalette(palette);
}

} // namespace

TF_Keikaku1::TF_Keikaku1()
    : Form(QStringLiteral("TF_Keikaku1"), QStringLiteral("居宅サービス計画書（１）"), Plan1Left, Plan1Top, 824, 621, 12)
{
    const QFont gothic13 = pixelFont(MsPGothic, 13);
    const QColor buttonFace = palette().color(QPalette::Button);

    // Frames and rules first: everything else is drawn over them.
    struct Frame
    {
        const char *name;
        int left, top, width, height;
        bool buttonFace;
    };
    const Frame frames[] = {
        {"Shape1", 8, 18, 49, 25, false},     {"Shape21", 648, 42, 41, 25, true},  {"Shape22", 720, 42, 57, 25, true},
        {"Shape11", 8, 240, 249, 33, false},  {"Shape10", 256, 240, 544, 33, false}, {"Shape2", 8, 280, 97, 81, false},
        {"Shape3", 104, 280, 697, 81, false}, {"Shape5", 8, 368, 97, 57, false},   {"Shape4", 104, 368, 697, 57, false},
        {"Shape7", 8, 432, 97, 97, false},    {"Shape6", 103, 432, 697, 97, false}, {"Shape8", 8, 536, 97, 41, false},
        {"Shape9", 104, 536, 697, 41, false}, {"Shape12", 8, 96, 193, 1, false},   {"Shape13", 240, 96, 193, 1, false},
        {"Shape14", 440, 96, 353, 1, false},  {"Shape15", 8, 128, 313, 1, false},  {"Shape16", 8, 160, 785, 1, false},
        {"Shape17", 8, 192, 353, 1, false},   {"Shape18", 424, 192, 369, 1, false}, {"Shape19", 8, 224, 209, 1, false},
        {"Shape20", 248, 224, 393, 1, false},
    };
    for (const Frame &f : frames) {
        auto *shape = place(new Shape(this), QLatin1String(f.name), f.left, f.top, f.width, f.height);
        if (f.buttonFace)
            shape->setFillColor(buttonFace);
    }

    addLabel(QStringLiteral("Label1"), QStringLiteral("第１表"), 16, 24, pixelFont(MsPGothic, 12));
    addLabel(QStringLiteral("Label2"), QStringLiteral("利用者氏名"), 8, 80, gothic13);
    addLabel(QStringLiteral("Label7"), QStringLiteral("殿"), 192, 80, gothic13);
    addLabel(QStringLiteral("Label8"), QStringLiteral("生年月日"), 240, 80, gothic13);
    addLabel(QStringLiteral("Label9"), QStringLiteral("住所"), 440, 80, gothic13);
    addLabel(QStringLiteral("Label3"), QStringLiteral("居宅サービス作成者氏名"), 8, 112, gothic13);
    addLabel(QStringLiteral("Label4"), QStringLiteral("居宅介護支援事業者・事業署名及び所在地"), 8, 144, gothic13);
    addLabel(QStringLiteral("Label5"), QStringLiteral("居宅サービス計画作成（変更）日"), 8, 176, gothic13);
    addLabel(QStringLiteral("Label11"), QStringLiteral("初回居宅サービス計画作成日"), 424, 176, gothic13);
    addLabel(QStringLiteral("Label6"), QStringLiteral("認定日"), 8, 208, gothic13);
    addLabel(QStringLiteral("Label10"), QStringLiteral("認定の有効期間"), 248, 208, gothic13);
    addLabel(QStringLiteral("Label20"), QStringLiteral("～"), 480, 208, pixelFont(MsPGothic, 16));

    // Value labels. Those whose width follows their text reach to the next item of their line.
    auto valueLabel = [&](const char *name, int left, int top, int width, int height, const QFont &font) {
        auto *label = place(new QLabel(this), QLatin1String(name), left, top, width, height);
        label->setFont(font);
        return label;
    };
    const QFont mincho12 = pixelFont(MsPMincho, 12);
    m_birth = valueLabel("Label15", 312, 80, 128, 13, gothic13);
    m_address = valueLabel("Label12", 480, 80, 320, 13, gothic13);
    m_planKind = valueLabel("Label13", 656, 48, 25, 13, gothic13);
    m_certState = valueLabel("Label14", 728, 48, 41, 13, gothic13);
    m_planDate = valueLabel("Label16", 216, 176, 121, 17, mincho12);
    m_firstPlanDate = valueLabel("Label17", 600, 176, 120, 17, mincho12);
    m_certDate = valueLabel("Label18", 56, 208, 184, 13, gothic13);
    m_validFrom = valueLabel("Label19", 352, 208, 120, 13, gothic13);
    m_validTo = valueLabel("Label21", 504, 208, 120, 13, gothic13);

    struct Row
    {
        int captionTop, captionHeight, captionFont;
        int memoLeft, memoTop, memoWidth, memoHeight, lineLimit;
        bool white;
    };
    const Row rows[] = {
        {248, 20, 13, 264, 248, 529, 20, 0, false}, {288, 65, 13, 112, 288, 681, 65, 5, true},
        {374, 45, 11, 112, 376, 681, 41, 3, true},  {440, 81, 13, 112, 440, 681, 81, 6, true},
        {544, 25, 11, 112, 544, 681, 25, 0, false},
    };
    for (int i = 0; i < 5; ++i) {
        const Row &r = rows[i];
        const QFont captionFont = pixelFont(MsPGothic, r.captionFont);
        const int lines = int(RowCaptions.at(i).count(u'\n')) + 1;
        const int captionHeight = std::max(r.captionHeight, int(std::ceil(lines * QFontMetricsF(captionFont).lineSpacing())));
        auto *caption = valueLabel(qPrintable(QStringLiteral("Label_%1").arg(i + 1)), 16, r.captionTop, i == 0 ? 233 : 81,
                                   captionHeight, captionFont);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_rowCaptions.append(caption);

        auto *memo = new LineLimitedMemo(this, r.lineLimit);
        memo->setObjectName(QStringLiteral("Memo_%1").arg(i + 1));
        memo->setFont(gothic13);
        memo->place(r.memoLeft, r.memoTop, r.memoWidth, r.memoHeight);
        setBackground(memo, QPalette::Base, r.white ? QColor(Qt::white) : buttonFace);
        setJapaneseInput(memo, true);
        m_rows.append(memo);
    }

    auto comboBox = [&](const char *name, int left, int top, int width) {
        auto *box = place(new QComboBox(this), QLatin1String(name), left, top, width, 21);
        box->setFont(gothic13);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr); // every keystroke is the user's own: nothing is completed behind them
        setBackground(box, QPalette::Base, buttonFace);
        return box;
    };
    m_user = comboBox("ComboBox1", 80, 75, 105);
    m_creator = comboBox("ComboBox2", 160, 107, 137);
    connect(m_user, &QComboBox::editTextChanged, this, [this] {
        if (!m_settingNames)
            guardEvent([this] { ComboBox1Change(); });
    });
    connect(m_creator, &QComboBox::editTextChanged, this, [this] {
        if (!m_settingNames)
            guardEvent([this] { ComboBox2Change(); });
    });

    auto editBox = [&](const char *name, int left, int width) {
        auto *edit = place(new QLineEdit(this), QLatin1String(name), left, 144, width, 13);
        edit->setFont(pixelFont(MsPGothic, 12));
        edit->setFrame(false);
        edit->setTextMargins(0, 0, 0, 0);
        setBackground(edit, QPalette::Base, buttonFace);
        return edit;
    };
    m_office = editBox("Edit1", 280, 150);
    m_officeAddress = editBox("Edit2", 440, 353);

    // The two pickers show only their drop-down button, beside the labels that show the picked date.
    auto datePicker = [&](const char *name, int left, void (TF_Keikaku1::*handler)()) {
        auto *picker = place(new QDateEdit(QDate::currentDate(), this), QLatin1String(name), left, 172, 18, 17);
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(ShortDateFormat);
        picker->setMinimumDate(QDate(1868, 9, 8));
        auto run = [this, handler] { guardEvent([this, handler] { (this->*handler)(); }); };
        connect(picker, &QDateEdit::dateChanged, this, run);
        // Picking the date the picker already shows is a pick too.
        connect(picker->calendarWidget(), &QCalendarWidget::clicked, this, run);
        connect(picker->calendarWidget(), &QCalendarWidget::activated, this, run);
        return picker;
    };
    m_planDatePicker = datePicker("DateTimePicker1", 344, &TF_Keikaku1::DateTimePicker1Change);
    m_firstPlanDatePicker = datePicker("DateTimePicker2", 728, &TF_Keikaku1::DateTimePicker2Change);

    const QList<QWidget *> tabOrder = {m_rows[1], m_rows[2], m_rows[3], m_rows[4], m_rows[0], m_user,
                                       m_creator, m_office, m_officeAddress, m_planDatePicker, m_firstPlanDatePicker};
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);

    FormCreate();
}

void TF_Keikaku1::FormCreate()
{
    for (int i = 0; i < 5; ++i) {
        m_rowCaptions[i]->setText(RowCaptions.at(i));
        m_rows[i]->clear();
    }
    m_planKind->setText(QStringLiteral("継続"));
    m_certState->setText(QStringLiteral("認定済"));
}

void TF_Keikaku1::setNameWithoutLookup(QComboBox *box, const QString &text)
{
    m_settingNames = true;
    box->setEditText(text);
    m_settingNames = false;
}

void TF_Keikaku1::refillChoices(QComboBox *box, const QString &fileName, int field)
{
    const QString text = box->currentText();
    m_settingNames = true;
    box->clear();
    try {
        for (const QByteArray &line : ReadTextLines(fileName, FileIo::OpenFailure::ByCode))
            box->addItem(ShownText(PickField(line, field)));
    } catch (const AppError &) {
        // A master file that is missing or cannot be read offers no names.
    }
    box->setEditText(text);
    m_settingNames = false;
}

void TF_Keikaku1::FormActivate()
{
    refillChoices(m_user, RiyouFileName, UserKeyField);
    refillChoices(m_creator, JisyaFileName, CreatorKeyField);
}

void TF_Keikaku1::ComboBox1Change()
{
    const QString name = m_user->currentText();
    // An empty name or one that code page 932 cannot hold is nobody's: nothing is filled.
    if (name.isEmpty() || !Cp932::firstUnencodable(name).isEmpty())
        return;
    const QByteArray record = FindLineByField(RiyouFileName, Cp932::encode(name), UserKeyField);
    if (record.isEmpty())
        return;
    const QList<QByteArray> fields = record.split(',');
    // A record with fewer fields fills the fields it has; the others stay as they were.
    auto text = [&](int n, const std::function<void(const QString &)> &fill) {
        if (n <= fields.size())
            fill(ShownText(fields.at(n - 1)));
    };
    auto eraDate = [&](int n, QLabel *label) { text(n, [label](const QString &t) { label->setText(EraDateText(t)); }); };
    text(4, [this](const QString &t) { m_address->setText(t); });
    text(5, [this](const QString &t) { m_planKind->setText(t); });
    text(6, [this](const QString &t) { m_certState->setText(t); });
    eraDate(3, m_birth);
    eraDate(7, m_certDate);
    eraDate(8, m_validFrom);
    eraDate(9, m_validTo);
    text(10, [this](const QString &t) { m_rows[0]->setPlainText(t); });
    text(11, [this](const QString &t) { m_rows[4]->setPlainText(t); });
    text(2, [](const QString &t) { CurrentUserName = t; });
}

void TF_Keikaku1::ComboBox2Change()
{
    const QString name = m_creator->currentText();
    if (name.isEmpty() || !Cp932::firstUnencodable(name).isEmpty())
        return;
    const QByteArray record = FindLineByField(JisyaFileName, Cp932::encode(name), CreatorKeyField);
    if (record.isEmpty())
        return;
    const QList<QByteArray> fields = record.split(',');
    m_office->setText(ShownText(fields.at(0)));
    if (fields.size() >= 2)
        m_officeAddress->setText(ShownText(fields.at(1)));
}

void TF_Keikaku1::DateTimePicker1Change()
{
    m_planDate->setText(EraDateText(m_planDatePicker->date()));
}

void TF_Keikaku1::DateTimePicker2Change()
{
    m_firstPlanDate->setText(EraDateText(m_firstPlanDatePicker->date()));
}

void TF_Keikaku1::FormClose()
{
    Plan1Top = y();
    Plan1Left = x();
}
