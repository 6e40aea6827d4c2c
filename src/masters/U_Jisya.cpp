#include "U_Jisya.h"

#include "platform/Fonts.h"
#include "platform/InputMode.h"

#include <QLineEdit>
#include <QPushButton>

TFrmJisya *FrmJisya = nullptr;

TFrmJisya::TFrmJisya()
    : MasterForm(QStringLiteral("TFrmJisya"), QStringLiteral("作成者マスター"), 226, 107, 448, 430, 12, JisyaFileName,
                 MasterFile::ZeroByte::InLine, Commas::Refused)
{
    addLabel(QStringLiteral("Label1"), QStringLiteral("作　成　者　情　報"), 120, 16, pixelFont(MsPGothic, 21, true),
             Qt::blue);
    const QFont labelFont = pixelFont(MsPGothic, 16);
    addLabel(QStringLiteral("Label2"), QStringLiteral("事業所名"), 48, 80, labelFont);
    addLabel(QStringLiteral("Label3"), QStringLiteral("事業所住所"), 48, 112, labelFont);
    addLabel(QStringLiteral("Label4"), QStringLiteral("作成者名"), 48, 176, labelFont);

    auto edit = [this](const QString &name, int left, int top, int width) {
        auto *box = place(new QLineEdit(this), name, left, top, width, 20);
        setJapaneseInput(box, true);
        return box;
    };
    auto *edit1 = edit(QStringLiteral("Edit1"), 160, 78, 209);
    auto *edit2 = edit(QStringLiteral("Edit2"), 48, 136, 321);
    auto *edit3 = edit(QStringLiteral("Edit3"), 136, 176, 145);
    const Buttons buttons{
        addButton(QStringLiteral("Button1"), QStringLiteral("追加"), 16, 240, 73),
        addButton(QStringLiteral("BtnMody"), QStringLiteral("編集"), 88, 240, 73),
        addButton(QStringLiteral("BtnDelete"), QStringLiteral("削除"), 160, 240, 73),
        addButton(QStringLiteral("Btn_Write"), QStringLiteral("書込"), 280, 240, 73),
        addButton(QStringLiteral("Bnt_Cansel"), QStringLiteral("戻る"), 352, 240, 73),
    };
    auto *listBox1 = place(new MasterListBox(this), QStringLiteral("ListBox1"), 8, 280, 417, 109);
    chainTabOrder(
        {edit1, edit2, edit3, buttons.write, buttons.back, listBox1, buttons.add, buttons.remove, buttons.modify});

    FormCreate(listBox1,
               {{edit1, QStringLiteral("事業所名")},
                {edit2, QStringLiteral("事業所住所")},
                {edit3, QStringLiteral("作成者名")}},
               buttons);
}
