#include "TestSupport.h"

#include "plan/U_Gloval.h"
#include "platform/AppError.h"
#include "platform/ColorRef.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/Shape.h"
#include "shell/ConfFile.h"
#include "shell/PageModel.h"
#include "shell/U_Conf.h"
#include "shell/U_Main.h"
#include "sheets/U_Keikaku1.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using Values = QList<qint32>;
Q_DECLARE_METATYPE(Values)
using Elements = QList<PageElement>;
Q_DECLARE_METATYPE(Elements)
using Areas = QList<QRectF>;
Q_DECLARE_METATYPE(Areas)

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

// ---- The printed page ----

constexpr int ProbeDpi = 150;
const QPointF BodyOrigin(PageMargin, PageMargin + 20); // of the test page, whose header band is 20 mm high

// Whether any pixel of the area (millimetres from the body band's corner) is darker than the threshold.
bool anyDarker(const QImage &image, const QRectF &bodyMm, int threshold)
{
    const QRectF mm = bodyMm.translated(BodyOrigin);
    const double dotsPerMm = ProbeDpi / 25.4;
    const QRect pixels(QPoint(qRound(mm.left() * dotsPerMm), qRound(mm.top() * dotsPerMm)),
                       QPoint(qRound(mm.right() * dotsPerMm), qRound(mm.bottom() * dotsPerMm)));
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (qGray(image.pixel(x, y)) < threshold)
                return true;
    return false;
}

// A full-width black square fills most of its em: 4.23 mm wide at 12 pt, its ink from 0.53 mm below the line's
// top to the baseline 3.72 mm below it; lines are 4.55 mm apart.
QString squares(int count)
{
    return QString(count, QChar(0x25A0));
}

Elements label(const QRectF &box, Qt::Alignment alignment, LabelSize size, const QString &text,
               const QFont &font = reportFont(MsPGothic, 12))
{
    ElementList list;
    list.addLabel(QStringLiteral("L"), box, font, alignment, size);
    list.elements.last().text = text;
    return list.elements;
}

Elements fixedTextLabel(const QRectF &box, Qt::Alignment alignment, const QString &fixedText)
{
    ElementList list;
    list.addLabel(QStringLiteral("L"), box, reportFont(MsPGothic, 12), alignment, LabelSize::Fixed, fixedText);
    return list.elements;
}

// An empty label: only its box, in the colour.
Elements emptyLabel(const QRectF &box, const QColor &background = Qt::white)
{
    Elements elements = label(box, Qt::AlignLeft, LabelSize::Fixed, QString());
    elements.first().background = background;
    return elements;
}

Elements rectangle(const QRectF &box, const QColor &fill = Qt::white)
{
    ElementList list;
    list.addRectangle(QStringLiteral("R"), box);
    list.elements.last().background = fill;
    return list.elements;
}

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
    void designFamiliesDrawWithInstalledFonts();
    void pageDrawing_data();
    void pageDrawing();
    void exitWithUnwritableConfDoesNotEnd();
    void exitWritesConf();

private:
    std::unique_ptr<TempCurrentDir> m_dir;
    QStringList m_startErrors;
};

void TestShell::initTestCase()
{
    m_dir = std::make_unique<TempCurrentDir>();
    chooseFontFamilies();
    DialogHooks::startRecording();
    // The start sequence of the program: the main window is shown, and creates the other windows after its first
    // paint.
    CreateMainWindow();
    m_startErrors = DialogHooks::takeErrors();
    F_Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(F_Main));
    QTRY_VERIFY(F_Conf);
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

void TestShell::designFamiliesDrawWithInstalledFonts()
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : {MsPGothic, MsPMincho}) {
        QVERIFY2(installed.contains(installedFamily(family)), qPrintable(family));
        // Windows and sheets both draw with it, not with a replacement the toolkit picks.
        QCOMPARE(QFontInfo(pixelFont(family, 12)).family(), installedFamily(family));
        QCOMPARE(QFontInfo(reportFont(family, 9)).family(), installedFamily(family));
    }
    QCOMPARE(F_Main->font().family(), installedFamily(MsPGothic));
}

void TestShell::pageDrawing_data()
{
    QTest::addColumn<Elements>("body");
    QTest::addColumn<Elements>("page"); // positioned from the paper's corner
    QTest::addColumn<Areas>("inked");   // from the body band's corner, like the probes below
    QTest::addColumn<Areas>("blank");
    const QString ten = squares(10); // 42.33 mm at 12 pt
    const Qt::Alignment left = Qt::AlignLeft;
    const QString wide = QStringLiteral("■　　　　　　■"); // 33.87 mm at 12 pt: whole only when condensed

    QTest::newRow("rectangle: black outline")
        << rectangle({40, 10, 20, 10}) << Elements() << Areas{{39.8, 12, 0.4, 5}, {59.8, 12, 0.4, 5}, {45, 9.8, 5, 0.4}}
        << Areas{{40.4, 10.4, 19.2, 9.2}};
    QTest::newRow("auto-size, left: grows to the right")
        << label({40, 10, 0, 5}, left, LabelSize::Auto, ten) << Elements() << Areas{{79, 11, 2, 2}}
        << Areas{{20, 10, 19.8, 5}, {82.6, 10, 20, 5}};
    QTest::newRow("auto-size, right: grows to the left")
        << label({40, 10, 20, 5}, Qt::AlignRight, LabelSize::Auto, ten) << Elements() << Areas{{18.5, 11, 2, 2}}
        << Areas{{60.3, 10, 20, 5}, {5, 10, 12.4, 5}};
    QTest::newRow("auto-size, centred: grows both ways")
        << label({40, 10, 20, 5}, Qt::AlignHCenter, LabelSize::Auto, ten) << Elements()
        << Areas{{29.5, 11, 2, 2}, {68.5, 11, 2, 2}} << Areas{{71.5, 10, 20, 5}, {5, 10, 23.5, 5}};
    QTest::newRow("7-pixel characters") << label({40, 10, 0, 3}, left, LabelSize::Auto, ten,
                                                 reportFont(MsPMincho, pointsFromPixels(7)))
                                        << Elements() << Areas{{57, 10.5, 1, 1}} << Areas{{58.8, 10, 10, 3}};
    QTest::newRow("fixed size: breaks at the width")
        << label({40, 10, 22, 20}, left, LabelSize::Fixed, squares(12)) << Elements()
        << Areas{{41, 20, 2, 2}, {45, 20, 2, 2}} << Areas{{62.3, 10, 20, 20}, {49, 19.5, 12.5, 4}};
    QTest::newRow("fixed size: a line that does not fit is not drawn")
        << label({40, 10, 22, 12}, left, LabelSize::Fixed, squares(12)) << Elements() << Areas{{41, 15.5, 2, 2}}
        << Areas{{40.3, 19.4, 21.4, 2.5}};
    QTest::newRow("fixed size: the first line shows, clipped")
        << label({40, 10, 22, 2}, left, LabelSize::Fixed, squares(12)) << Elements() << Areas{{41, 10.7, 2, 1.2}}
        << Areas{{40, 12.2, 22, 3}};
    QTest::newRow("CR LF, CR and LF each break once")
        << label({40, 10, 60, 30}, left, LabelSize::Fixed, QStringLiteral("■\r\n■\r■\n■")) << Elements()
        << Areas{{41, 15.2, 2, 2.5}, {41, 19.8, 2, 2.5}, {41, 24.5, 2, 2.5}}
        << Areas{{40.3, 28.5, 20, 4}, {45, 10, 50, 30}};
    QTest::newRow("fixed text: condensed onto its line")
        << fixedTextLabel({40, 10, 20, 10}, left, wide) << Elements() << Areas{{40.4, 11, 1.5, 2}, {58, 11, 1.5, 2}}
        << Areas{{60.3, 10, 20, 10}, {40, 14.9, 20, 5}};
    QTest::newRow("fixed text, right-aligned: condensed into its box")
        << fixedTextLabel({40, 10, 20, 5}, Qt::AlignRight, wide) << Elements()
        << Areas{{40.4, 11, 1.5, 2}, {58, 11, 1.5, 2}} << Areas{{30, 10, 9.7, 5}, {60.3, 10, 20, 5}};
    QTest::newRow("label box in its background colour") << emptyLabel({40, 10, 20, 5}, Qt::black) << Elements()
                                                        << Areas{{40.5, 10.5, 19, 4}} << Areas{{60.5, 10, 10, 5}};
    QTest::newRow("a label's box covers what was drawn before")
        << rectangle({40, 10, 40, 20}, Qt::black) + emptyLabel({45, 12, 20, 10}) << Elements() << Areas{{41, 11, 3, 3}}
        << Areas{{45.3, 12.3, 19.4, 9.4}};
    QTest::newRow("a rectangle covers what was drawn before")
        << label({40, 10, 30, 5}, left, LabelSize::Fixed, ten) + rectangle({45, 9, 10, 7}) << Elements()
        << Areas{{41, 11, 2, 2}} << Areas{{45.3, 9.3, 9.4, 6.4}};
    QTest::newRow("the page's own elements are drawn last")
        << rectangle({40, 10, 40, 20}, Qt::black) << rectangle(QRectF(50, 15, 10, 10).translated(BodyOrigin))
        << Areas{{41, 11, 3, 3}} << Areas{{50.3, 15.3, 9.4, 9.4}};
}

void TestShell::pageDrawing()
{
    QFETCH(Elements, body);
    QFETCH(Elements, page);
    QFETCH(Areas, inked);
    QFETCH(Areas, blank);
    Report report(20, 150);
    report.body.elements = body;
    report.page.elements = page;
    const QImage image = reportImage(report, ProbeDpi);
    for (const QRectF &area : inked)
        QVERIFY2(anyDarker(image, area, 128),
                 qPrintable(QStringLiteral("no ink at %1, %2").arg(area.x()).arg(area.y())));
    for (const QRectF &area : blank)
        QVERIFY2(!anyDarker(image, area, 224), qPrintable(QStringLiteral("ink at %1, %2").arg(area.x()).arg(area.y())));
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
