#include "U_RyoM.h"

#include "platform/Fonts.h"
#include "platform/InputMode.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TF_RiyoM *F_RiyoM = nullptr;

namespace {

// Entry boxes and drop-down boxes of this window are drawn flat: a thin line instead of a sunken border.
const QString FlatStyle = QStringLiteral("border: 1px solid black; background: white;");

} // namespace

TF_RiyoM::TF_RiyoM()
    : MasterForm(QStringLiteral("TF_RiyoM"), QStringLiteral("利用者マスター"), 192, 114, 662, 566, 13, RiyouFileName,
                 MasterFile::ZeroByte::InLine, Commas::Refused)
{
    const struct
    {
        const char *name;
        QString caption;
        int top;
    } labels[] = {
        {"L_RiyoNO", QStringLiteral("被保険者番号"), 16}, {"L_Simei", QStringLiteral("被保険者名"), 40},
        {"Label2", QStringLiteral("生年月日"), 65},       {"Label3", QStringLiteral("住所"), 90},
        {"Label4", QStringLiteral("利用理由"), 115},      {"Label5", QStringLiteral("認定状況"), 140},
        {"Label1", QStringLiteral("認定日"), 165},        {"Label6", QStringLiteral("認定の有効期間"), 190},
        {"L_Kubun", QStringLiteral("介護区分"), 215},     {"L_Riyu", QStringLiteral("算定理由"), 240},
    };
    for (const auto &label : labels)
        addLabel(QLatin1String(label.name), label.caption, 8, label.top, font());
    addLabel(QStringLiteral("Label7"), QStringLiteral("～"), 224, 191, pixelFont(MsPGothic, 16));

    auto edit = [this](const QString &name, int left, int top, int width, bool japanese) {
        auto *box = place(new QLineEdit(this), name, left, top, width, 19);
        box->setStyleSheet(FlatStyle);
        setJapaneseInput(box, japanese);
        return box;
    };
    auto comboBox = [this](const QString &name, int left, int top, int width, const QStringList &choices) {
        auto *box = place(new QComboBox(this), name, left, top, width, 21);
        box->setEditable(true);
        box->addItems(choices);
        box->setStyleSheet(FlatStyle);
        return box;
    };
    auto datePicker = [this](const QString &name, int left, int top, int width) {
        auto *picker = place(new QDateEdit(QDate::currentDate(), this), name, left, top, width, 21);
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(ShortDateFormat);
        setJapaneseInput(picker, false);
        // The date shows whole: where the font in use makes it wider than the picker, it is condensed.
        const int overflow = picker->sizeHint().width() - width;
        if (overflow > 0) {
            const int textWidth = picker->fontMetrics().horizontalAdvance(picker->text());
            QFont condensed = picker->font();
            condensed.setStretch(100 * (textWidth - overflow) / textWidth);
            picker->setFont(condensed);
        }
        return picker;
    };

    auto *edit1 = edit(QStringLiteral("Edit1"), 112, 12, 113, false);
    auto *edit2 = edit(QStringLiteral("Edit2"), 112, 36, 113, true);
    auto *edit4 = edit(QStringLiteral("Edit4"), 112, 86, 305, true);
    auto *comboBox1 = comboBox(QStringLiteral("ComboBox1"), 112, 111, 57,
                               {QStringLiteral("初回"), QStringLiteral("紹介"), QStringLiteral("継続")});
    auto *comboBox2 =
        comboBox(QStringLiteral("ComboBox2"), 112, 136, 73, {QStringLiteral("認定済"), QStringLiteral("申請中")});
    auto *comboBox3 = comboBox(QStringLiteral("ComboBox3"), 112, 211, 81,
                               {QStringLiteral("要介護１"), QStringLiteral("要介護２"), QStringLiteral("要介護３"),
                                QStringLiteral("要介護４"), QStringLiteral("要介護５")});
    auto *comboBox4 =
        comboBox(QStringLiteral("ComboBox4"), 112, 236, 153,
                 {QStringLiteral("一人暮らし"), QStringLiteral("家族が障害、疾病"), QStringLiteral("その他")});
    auto *listBox1 = place(new MasterListBox(this), QStringLiteral("ListBox1"), 8, 304, 625, 193);
    const Buttons buttons{
        addButton(QStringLiteral("Btn_ADD"), QStringLiteral("追加"), 8, 272, 81),
        addButton(QStringLiteral("Btn_MOD"), QStringLiteral("編集"), 96, 272, 81),
        addButton(QStringLiteral("Btn_DEL"), QStringLiteral("削除"), 184, 272, 81),
        addButton(QStringLiteral("Btn_Write"), QStringLiteral("書込"), 480, 272, 73),
        addButton(QStringLiteral("Btn_RTN"), QStringLiteral("戻る"), 560, 272, 73),
    };
    auto *picker1 = datePicker(QStringLiteral("DateTimePicker1"), 112, 161, 105);
    auto *picker2 = datePicker(QStringLiteral("DateTimePicker2"), 112, 186, 105);
    auto *picker3 = datePicker(QStringLiteral("DateTimePicker3"), 248, 186, 97);
    auto *picker4 = datePicker(QStringLiteral("DateTimePicker4"), 112, 61, 105);
    chainTabOrder({edit1, edit2, edit4, comboBox1, comboBox2, comboBox3, comboBox4, listBox1, buttons.add,
                   buttons.modify, buttons.remove, buttons.write, buttons.back, picker1, picker2, picker3, picker4});

    FormCreate(listBox1,
               {{edit1, QStringLiteral("被保険者番号")},
                {edit2, QStringLiteral("被保険者名")},
                {picker4, QStringLiteral("生年月日")},
                {edit4, QStringLiteral("住所")},
                {comboBox1, QStringLiteral("利用理由")},
                {comboBox2, QStringLiteral("認定状況")},
                {picker1, QStringLiteral("認定日")},
                {picker2, QStringLiteral("認定の有効期間")},
                {picker3, QStringLiteral("認定の有効期間")},
                {comboBox3, QStringLiteral("介護区分")},
                {comboBox4, QStringLiteral("算定理由")}},
               buttons);
}
