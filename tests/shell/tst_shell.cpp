#include "TestSupport.h"

#include "plan/U_Gloval.h"
#include "platform/AppError.h"
#include "platform/ColorRef.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/Shape.h"
#include "shell/ConfFile.h"
#include "shell/U_Conf.h"
#include "shell/U_Main.h"
#include "sheets/U_Keikaku1.h"

#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using Values = QList<qint32>;
Q_DECLARE_METATYPE(Values)

namespace {

Values settings()
{
    return {InputMarkColor, PrintMarkColor, InputServiceTextColor, PrintServiceTextColor, Plan1Top,
            Plan1Left,      Plan2Top,       Plan2Left,             WeeklyTop,             WeeklyLeft};
}

void setSettings(const Values &v)
{
    qint32 *all[] = {&InputMarkColor, &PrintMarkColor, &InputServiceTextColor, &PrintServiceTextColor, &Plan1Top,
                     &Plan1Left,      &Plan2Top,       &Plan2Left,             &WeeklyTop,             &WeeklyLeft};
    for (int i = 0; i < 10; ++i)
        *all[i] = v.value(i);
}

QByteArray lines(int from, int to)
{
    QByteArray content;
    for (int i = from; i <= to; ++i)
        content += QByteArray::number(i) + "\r\n";
    return content;
}

const Values Previous{7, 7, 7, 7, 7, 7, 7, 7, 7, 7};

} // namespace

class TestShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startWithoutConfReportsOnceAndGoesOn();
    void readingConf_data();
    void readingConf();
    void writingConf();
    void menuShowsEveryCommand();
    void mainWindowRefusesToClose();
    void colourSettingsShowAndChangeTheSettings();
    void exitWithUnwritableConfDoesNotEnd();
    void exitWritesConf();

private:
    std::unique_ptr<TempCurrentDir> m_dir;
    QStringList m_startErrors;
};

void TestShell::initTestCase()
{
    m_dir = std::make_unique<TempCurrentDir>();
    installFontSubstitutions();
    DialogHooks::startRecording();
    CreateAllWindows();
    m_startErrors = DialogHooks::takeErrors();
    F_Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(F_Main));
}

void TestShell::startWithoutConfReportsOnceAndGoesOn()
{
    QCOMPARE(m_startErrors, QStringList{QStringLiteral("I/O エラー (103)")});
    QCOMPARE(settings(), Values(10, 0));
    // The editors take their places from the settings: the top-left corner of the screen.
    QCOMPARE(F_Keikaku1->pos(), QPoint(0, 0));
    const QStringList windows = {"TF_Main",   "TF_Keikaku1", "TQR_Keikaku1", "TFrmJisya", "TF_RiyoM",
                                 "TF_Keikaku2", "TF_Kikan",  "TQR_Keikaku2", "TF_Keikaku3", "TF_Service",
                                 "TQR_Keikaku3", "TF_ReadDT", "TF_Version",  "TF_Conf"};
    QStringList created;
    for (QObject *o : QApplication::topLevelWidgets())
        created << o->objectName();
    for (const QString &name : windows)
        QVERIFY2(created.contains(name) || name.startsWith("TQR_"), qPrintable(name));
}

void TestShell::readingConf_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Values>("expected");
    QTest::addColumn<QString>("error");
    QTest::newRow("ten lines") << lines(1, 10) << Values{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QString();
    QTest::newRow("five lines") << lines(1, 5) << Values{1, 2, 3, 4, 5, 0, 0, 0, 0, 0} << QString();
    QTest::newRow("twenty values, the last ten win") << lines(1, 20) << Values{11, 12, 13, 14, 15, 16, 17, 18, 19, 20}
                                                     << QString();
    QTest::newRow("short last block fills with 0") << lines(1, 13) << Values{11, 12, 13, 0, 0, 0, 0, 0, 0, 0}
                                                   << QString();
    QTest::newRow("empty line at the end keeps the values")
        << lines(1, 10) + "\r\n" << Values{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QString();
    QTest::newRow("blanks and tabs at the end keep the values")
        << lines(1, 10) + " \t\r\n\r\n" << Values{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QString();
    QTest::newRow("text after a blank is ignored") << QByteArray("12 abc\r\n-3\tx\r\n")
                                                   << Values{12, -3, 0, 0, 0, 0, 0, 0, 0, 0} << QString();
    QTest::newRow("text right after the number") << QByteArray("12abc\r\n") << Previous
                                                 << QStringLiteral("入力値が数値ではありません.");
    QTest::newRow("stops at the bad value") << QByteArray("1\r\n2\r\nx\r\n4\r\n")
                                            << Values{1, 2, 7, 7, 7, 7, 7, 7, 7, 7}
                                            << QStringLiteral("入力値が数値ではありません.");
    QTest::newRow("negative positions and a plus sign") << QByteArray("0\r\n0\r\n0\r\n0\r\n-20\r\n-1\r\n+5\r\n")
                                                        << Values{0, 0, 0, 0, -20, -1, 5, 0, 0, 0} << QString();
    QTest::newRow("32-bit limits") << QByteArray("2147483647\r\n-2147483648\r\n")
                                   << Values{2147483647, -2147483647 - 1, 0, 0, 0, 0, 0, 0, 0, 0} << QString();
    QTest::newRow("beyond 32 bits") << QByteArray("2147483648\r\n") << Previous
                                    << QStringLiteral("入力値が数値ではありません.");
    QTest::newRow("two signs") << QByteArray("+-1\r\n") << Previous << QStringLiteral("入力値が数値ではありません.");
    QTest::newRow("Ctrl-Z ends the file") << QByteArray("1\r\n2\r\n\x1A" "3\r\n")
                                          << Values{1, 2, 0, 0, 0, 0, 0, 0, 0, 0} << QString();
    QTest::newRow("LF only and empty lines between") << QByteArray("1\n\n\n2\n")
                                                     << Values{1, 2, 0, 0, 0, 0, 0, 0, 0, 0} << QString();
    QTest::newRow("empty file keeps the values") << QByteArray() << Previous << QString();
}

void TestShell::readingConf()
{
    QFETCH(QByteArray, content);
    QFETCH(Values, expected);
    QFETCH(QString, error);
    TempCurrentDir dir;
    TempCurrentDir::write(ConfFileName, content);
    setSettings(Previous);
    QString message;
    try {
        ReadConfFile();
    } catch (const AppError &e) {
        message = errorBoxText(e.message());
    }
    QCOMPARE(message, error);
    QCOMPARE(settings(), expected);
}

void TestShell::writingConf()
{
    TempCurrentDir dir;
    setSettings({0, 0, 0, 0, -20, 5, 0, 0, 0, 0});
    WriteConfFile();
    QCOMPARE(TempCurrentDir::read(ConfFileName),
             QByteArray("65535\r\n10789024\r\n0\r\n0\r\n-20\r\n5\r\n0\r\n0\r\n0\r\n0\r\n"));
    setSettings({255, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    WriteConfFile();
    ReadConfFile();
    QCOMPARE(settings(), Values({255, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

void TestShell::menuShowsEveryCommand()
{
    QStringList shown;
    for (QAction *menu : F_Main->menuBar()->actions()) {
        QStringList items;
        for (QAction *item : menu->menu()->actions())
            items << item->objectName() + u'=' + item->text();
        shown << menu->menu()->objectName() + u'=' + menu->text() + u':' + items.join(u' ');
    }
    QCOMPARE(shown, QStringList({QStringLiteral("File1=ﾌｧｲﾙ:N1=ﾃﾞｰﾀ保存 N2=ﾃﾞｰﾀ読込"),
                                 QStringLiteral("Print1=印刷:N4=計画書（１） N5=計画書（２） N6=計画書（３）"),
                                 QStringLiteral("Show1=管理:N7=自社情報 N8=利用者情報 N9=サービス内容 N11=環境設定"),
                                 QStringLiteral("Help1=ヘルプ:N10=ｳﾞｧｰｼﾞｮﾝ")}));
    for (QAction *menu : F_Main->menuBar()->actions())
        for (QAction *item : menu->menu()->actions())
            QVERIFY(item->shortcut().isEmpty() && item->isEnabled());
}

void TestShell::mainWindowRefusesToClose()
{
    QVERIFY(!F_Main->close());
    QVERIFY(F_Main->isVisible());
    QVERIFY(!(F_Main->windowFlags() & Qt::WindowCloseButtonHint));
}

void TestShell::colourSettingsShowAndChangeTheSettings()
{
    setSettings({255, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    F_Conf->show();
    F_Conf->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(F_Conf));
    auto *shape1 = F_Conf->findChild<Shape *>(QStringLiteral("Shape1"));
    auto *shape3 = F_Conf->findChild<Shape *>(QStringLiteral("Shape3"));
    QCOMPARE(shape1->fillColor(), QColor(255, 0, 0));
    QCOMPARE(shape3->fillColor(), QColor(0, 0, 0));

    // Confirmed: the swatch and its setting change at once.
    DialogHooks::setNextColor(QColor(0, 128, 255));
    QTest::mouseClick(shape1, Qt::LeftButton);
    QCOMPARE(InputMarkColor, refFromColor(QColor(0, 128, 255)));
    QCOMPARE(shape1->fillColor(), QColor(0, 128, 255));
    // Cancelled, for another row: nothing changes; the dialog opened with the colour last confirmed.
    DialogHooks::setNextColor(std::nullopt);
    QTest::mouseClick(shape3, Qt::LeftButton);
    QCOMPARE(InputServiceTextColor, 0);
    QCOMPARE(shape3->fillColor(), QColor(0, 0, 0));
    QCOMPARE(DialogHooks::takeColorDialogStarts(), QList<QColor>({QColor(0, 0, 0), QColor(0, 128, 255)}));
    // Other buttons open nothing.
    QTest::mouseClick(shape3, Qt::RightButton);
    QCOMPARE(DialogHooks::takeColorDialogStarts(), QList<QColor>());
    F_Conf->close();
    QVERIFY(!F_Conf->isVisible());
}

void TestShell::exitWithUnwritableConfDoesNotEnd()
{
    QDir().mkdir(ConfFileName); // a folder where the file should be
    QTest::mouseClick(F_Main->findChild<QPushButton *>(QStringLiteral("BtnOwari")), Qt::LeftButton);
    QCOMPARE(DialogHooks::takeErrors(), QStringList{QStringLiteral("I/O エラー (103)")});
    QVERIFY(!F_Main->close());
    QDir().rmdir(ConfFileName);
}

void TestShell::exitWritesConf()
{
    setSettings({0, 0, 255, 0, 10, -4, 0, 0, 0, 0});
    QTest::mouseClick(F_Main->findChild<QPushButton *>(QStringLiteral("BtnOwari")), Qt::LeftButton);
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
    QCOMPARE(TempCurrentDir::read(ConfFileName),
             QByteArray("65535\r\n10789024\r\n255\r\n0\r\n10\r\n-4\r\n0\r\n0\r\n0\r\n0\r\n"));
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
