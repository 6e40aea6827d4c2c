#include "U_Main.h"

#include "ConfFile.h"
#include "U_Conf.h"
#include "U_Version.h"
#include "masters/U_Jisya.h"
#include "masters/U_RyoM.h"
#include "masters/U_Service.h"
#include "plan/PlanFields.h"
#include "plan/U_Gloval.h"
#include "plan/U_ReadDT.h"
#include "platform/Fonts.h"
#include "platform/Form.h"
#include "reports/U_QRKeikaku1.h"
#include "reports/U_QRKeikaku2.h"
#include "reports/U_QRKeikaku3.h"
#include "sheets/U_Keikaku1.h"
#include "sheets/U_Keikaku2.h"
#include "sheets/U_Keikaku3.h"
#include "sheets/U_Kikan.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

TF_Main *F_Main = nullptr;

void CreateMainWindow()
{
    F_Main = new TF_Main;
}

void CreateOtherWindows()
{
    if (F_Keikaku1)
        return;
    F_Keikaku1 = new TF_Keikaku1;
    QR_Keikaku1 = new TQR_Keikaku1;
    FrmJisya = new TFrmJisya;
    F_RiyoM = new TF_RiyoM;
    F_Keikaku2 = new TF_Keikaku2;
    F_Kikan = new TF_Kikan;
    QR_Keikaku2 = new TQR_Keikaku2;
    F_Keikaku3 = new TF_Keikaku3;
    F_Service = new TF_Service;
    QR_Keikaku3 = new TQR_Keikaku3;
    F_ReadDT = new TF_ReadDT;
    F_Version = new TF_Version;
    F_Conf = new TF_Conf;
}

void CreateAllWindows()
{
    CreateMainWindow();
    CreateOtherWindows();
}

TF_Main::TF_Main()
{
    setObjectName(QStringLiteral("TF_Main"));
    setWindowTitle(QStringLiteral("居宅介護サービス計画書メイン"));
    setFont(pixelFont(MsPGothic, 12));

    auto *client = new QWidget(this);
    setCentralWidget(client);
    auto *title = new QLabel(QStringLiteral("居宅介護サービス計画書作成「ぴむ」"), client);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(pixelFont(MsPGothic, 16, true));
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 255));
    title->setPalette(palette);
    title->setGeometry(40, 16, 264, 16);

    addButton(QStringLiteral("BtnKeikaku1"), QStringLiteral("居宅サービス計画書（１）"), 64, &TF_Main::BtnKeikaku1Click);
    addButton(QStringLiteral("BtnKeikaku2"), QStringLiteral("居宅サービス計画書（２）"), 104, &TF_Main::BtnKeikaku2Click);
    addButton(QStringLiteral("BtnKeikaku3"), QStringLiteral("週間サービス計画書"), 144, &TF_Main::BtnKeikaku3Click);
    addButton(QStringLiteral("BtnOwari"), QStringLiteral("処理終了"), 184, &TF_Main::BtnOwariClick);

    struct Item
    {
        const char *name;
        QString caption;
        void (TF_Main::*handler)();
    };
    struct Menu
    {
        const char *name;
        QString caption;
        QList<Item> items;
    };
    const QList<Menu> menus = {
        {"File1",
         QStringLiteral("ﾌｧｲﾙ"),
         {{"N1", QStringLiteral("ﾃﾞｰﾀ保存"), &TF_Main::N1Click}, {"N2", QStringLiteral("ﾃﾞｰﾀ読込"), &TF_Main::N2Click}}},
        {"Print1",
         QStringLiteral("印刷"),
         {{"N4", QStringLiteral("計画書（１）"), &TF_Main::N4Click},
          {"N5", QStringLiteral("計画書（２）"), &TF_Main::N5Click},
          {"N6", QStringLiteral("計画書（３）"), &TF_Main::N6Click}}},
        {"Show1",
         QStringLiteral("管理"),
         {{"N7", QStringLiteral("自社情報"), &TF_Main::N7Click},
          {"N8", QStringLiteral("利用者情報"), &TF_Main::N8Click},
          {"N9", QStringLiteral("サービス内容"), &TF_Main::N9Click},
          {"N11", QStringLiteral("環境設定"), &TF_Main::N11Click}}},
        {"Help1", QStringLiteral("ヘルプ"), {{"N10", QStringLiteral("ｳﾞｧｰｼﾞｮﾝ"), &TF_Main::N10Click}}},
    };
    for (const Menu &menu : menus) {
        QMenu *qmenu = menuBar()->addMenu(menu.caption);
        qmenu->setObjectName(QLatin1String(menu.name));
        for (const Item &item : menu.items) {
            QAction *action = qmenu->addAction(item.caption);
            action->setObjectName(QLatin1String(item.name));
            connect(action, &QAction::triggered, this, [this, handler = item.handler] { runCommand(handler); });
        }
    }

    setOuterGeometry(this, 287, 245, 376, 278);
    FormCreate();
}

QPushButton *TF_Main::addButton(const QString &name, const QString &caption, int top, void (TF_Main::*handler)())
{
    auto *button = new QPushButton(caption, centralWidget());
    button->setObjectName(name);
    button->setGeometry(56, top, 241, 25);
    connect(button, &QPushButton::clicked, this, [this, handler] { runCommand(handler); });
    return button;
}

void TF_Main::runCommand(void (TF_Main::*handler)())
{
    CreateOtherWindows();
    (this->*handler)();
}

bool TF_Main::event(QEvent *event)
{
    // The other windows are created as soon as the main window is on the screen: queued at its first paint, they
    // are created once that paint has been handed to the screen.
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, &CreateOtherWindows);
    }
    return QMainWindow::event(event);
}

void TF_Main::FormCreate()
{
    // No close command in the title bar: only "処理終了" ends the program.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint);
    guardEvent([] { ReadConfFile(); });
}

void TF_Main::closeEvent(QCloseEvent *event)
{
    if (m_ending)
        event->accept();
    else
        event->ignore();
}

void TF_Main::BtnKeikaku1Click()
{
    F_Keikaku1->ShowModal();
}

void TF_Main::BtnKeikaku2Click()
{
    F_Keikaku2->ShowModal();
}

void TF_Main::BtnKeikaku3Click()
{
    F_Keikaku3->ShowModal();
}

void TF_Main::BtnOwariClick()
{
    guardEvent([this] {
        WriteConfFile();
        m_ending = true;
        QApplication::exit(0);
    });
}

void TF_Main::N1Click()
{
    guardEvent([this] {
        const QString user = F_Keikaku1->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->currentText();
        const QString planDate = F_Keikaku1->findChild<QLabel *>(QStringLiteral("Label16"))->text();
        if (user.isEmpty() || planDate.isEmpty()) {
            showMessage(QStringLiteral("利用者名又は作成日が入力されてません！"));
            return;
        }
        const QString fileName = chooseSaveFileName(this, SaveDialog1);
        if (fileName.isEmpty())
            return;
        // A character that code page 932 cannot hold would be saved as another one: nothing is written.
        if (const std::optional<QString> refusal = UnsavableCharacterMessage()) {
            showMessage(*refusal);
            return;
        }
        AppendPlanLine(fileName, JoinFields(CollectPlanFields()));
    });
}

void TF_Main::N2Click()
{
    F_ReadDT->ShowModal();
}

void TF_Main::N4Click()
{
    guardEvent([] { QR_Keikaku1->PrintPlan1(); });
}

void TF_Main::N5Click()
{
    guardEvent([] { QR_Keikaku2->PrintPlan2(); });
}

void TF_Main::N6Click()
{
    guardEvent([] { QR_Keikaku3->PrintWeeklyPlan(); });
}

void TF_Main::N7Click()
{
    FrmJisya->ShowBeside();
}

void TF_Main::N8Click()
{
    F_RiyoM->ShowBeside();
}

void TF_Main::N9Click()
{
    F_Service->ShowBeside();
}

void TF_Main::N10Click()
{
    F_Version->ShowModal();
}

void TF_Main::N11Click()
{
    F_Conf->ShowModal();
}
