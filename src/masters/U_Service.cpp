#include "U_Service.h"

#include "platform/Fonts.h"
#include "platform/InputMode.h"

#include <QLineEdit>
#include <QPushButton>

TF_Service *F_Service = nullptr;

TF_Service::TF_Service()
    : MasterForm(QStringLiteral("TF_Service"), QStringLiteral("サービスマスター"), 323, 206, 401, 436, 12,
                 ServiceFileName, MasterFile::ZeroByte::EndsText, Commas::Kept)
{
    addLabel(QStringLiteral("Label1"), QStringLiteral("サービス内容"), 120, 16, pixelFont(MsPGothic, 21, true),
             Qt::blue);
    addLabel(QStringLiteral("Label2"), QStringLiteral("サービス名"), 8, 80, pixelFont(MsPGothic, 16));

    Edit1 = place(new QLineEdit(this), QStringLiteral("Edit1"), 96, 78, 209, 20);
    setJapaneseInput(Edit1, true);
    const Buttons buttons{
        addButton(QStringLiteral("Button1"), QStringLiteral("追加"), 8, 120, 73),
        addButton(QStringLiteral("BtnMody"), QStringLiteral("編集"), 80, 120, 73),
        addButton(QStringLiteral("BtnDelete"), QStringLiteral("削除"), 152, 120, 73),
        addButton(QStringLiteral("Btn_Write"), QStringLiteral("書込"), 232, 120, 73),
        addButton(QStringLiteral("Bnt_Cansel"), QStringLiteral("戻る"), 304, 120, 73),
    };
    auto *listBox1 = place(new MasterListBox(this), QStringLiteral("ListBox1"), 8, 152, 369, 237);
    chainTabOrder({Edit1, buttons.write, buttons.back, listBox1, buttons.add, buttons.remove, buttons.modify});

    FormCreate(listBox1, {{Edit1, QStringLiteral("サービス名")}}, buttons);
}
