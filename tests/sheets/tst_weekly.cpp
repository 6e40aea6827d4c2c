#include "GuiTestSupport.h"

#include "masters/U_Service.h"
#include "plan/U_Gloval.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "reports/U_QRKeikaku3.h"
#include "sheets/LineLimitedMemo.h"
#include "sheets/U_Keikaku3.h"
#include "sheets/WeeklyCell.h"
#include "shell/PagePreview.h"
#include "shell/U_Main.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

constexpr qint32 Mark = 65535; // InputMarkColor of the tests
constexpr qint32 Ink = 255;    // InputServiceTextColor of the tests

WeeklyCell *cell(int k)
{
    return control<WeeklyCell>(F_Keikaku3, QStringLiteral("Label%1").arg(32 + k));
}

// What a test expects of a cell: text, colours and half state (0 whole, 1 upper half, 2 lower half).
struct CellState
{
    QString text;
    qint32 background = WhiteColorRef;
    qint32 textColor = WindowTextColorRef;
    int half = 0;
};

const CellState NeverMarked{};

// The two cells of the marking table: A is Monday row 14, B Thursday row 17.
constexpr int CellA = 13;
constexpr int CellB = 88;

void resetCell(int k)
{
    WeeklyCell *c = cell(k);
    c->setText(QString());
    c->setBackgroundRef(WhiteColorRef);
    c->setTextColorRef(WindowTextColorRef);
    c->setTopAndHeight(24 * c->tag() + 12, 17);
    CellHalf[k] = 0;
}

void compareCell(int k, const CellState &expected)
{
    WeeklyCell *c = cell(k);
    const int row = k % 24 + 1;
    QCOMPARE(c->tag(), row);
    QCOMPARE(c->text(), expected.text);
    QCOMPARE(c->backgroundRef(), expected.background);
    QCOMPARE(c->textColorRef(), expected.textColor);
    const int tops[] = {24 * row + 12, 24 * row + 12, 24 * row + 21};
    QCOMPARE(c->y(), tops[expected.half]);
    QCOMPARE(c->height(), expected.half == 0 ? 17 : 8);
    QCOMPARE(int(CellHalf[k]), expected.half);
}

// Runs a script of clicks: "A", "B+shift", "A+ctrl", "A+shift+ctrl", "A+middle" click a cell with the left
// (or middle) button and those keys held; "=name" puts a name into the service master's name box.
void runClicks(const QStringList &clicks)
{
    for (const QString &step : clicks) {
        if (step.startsWith(u'=')) {
            F_Service->Edit1->setText(step.mid(1));
            continue;
        }
        const QStringList parts = step.split(u'+');
        Qt::KeyboardModifiers keys;
        Qt::MouseButton button = Qt::LeftButton;
        for (const QString &part : parts.mid(1)) {
            if (part == QLatin1String("shift"))
                keys |= Qt::ShiftModifier;
            else if (part == QLatin1String("ctrl"))
                keys |= Qt::ControlModifier;
            else if (part == QLatin1String("middle"))
                button = Qt::MiddleButton;
        }
        QTest::mouseClick(cell(parts.at(0) == QLatin1String("A") ? CellA : CellB), button, keys);
    }
}

// The printed sheet as an image, three image pixels to a pixel of the layout.
constexpr int PrintDpi = 288;

// Whether some pixel inside the area (96-dpi pixels of the sheet's body band) is one that the test looks for.
// The image pixels on the area's edges, where a fill may be blended with its surroundings, are left out.
bool bodyHas(const QImage &page, const QRect &area, const std::function<bool(const QColor &)> &wanted)
{
    const double scale = PrintDpi / 96.0;
    const double left = 10 * PrintDpi / 25.4;
    const double top = left + 99 * scale;
    const int x0 = int(std::ceil(left + area.x() * scale)) + 1;
    const int x1 = int(std::floor(left + (area.x() + area.width()) * scale)) - 1;
    const int y0 = int(std::ceil(top + area.y() * scale)) + 1;
    const int y1 = int(std::floor(top + (area.y() + area.height()) * scale)) - 1;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (wanted(page.pixelColor(x, y)))
                return true;
    return false;
}

bool bodyFilledWith(const QImage &page, const QRect &area, const QColor &color)
{
    return !bodyHas(page, area, [&](const QColor &c) { return c != color; });
}

// A trace of text: a dark pixel.
bool bodyHasInk(const QImage &page, const QRect &area)
{
    return bodyHas(page, area, [](const QColor &c) { return qGray(c.rgb()) < 128; });
}

// The place of printed cell k in the body band: its whole hour, 16 pixels high.
QRect printedPlace(int k)
{
    return {116 + 103 * (k / 24), 19 * (k % 24 + 1) + 18, 97, 16};
}

} // namespace

Q_DECLARE_METATYPE(CellState)

class TestWeekly : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void theGridStartsWhiteEmptyAndWhole();
    void printingRightAfterStartShowsAnEmptyGrid();
    void marking_data();
    void marking();
    void rightClickChoosesAServiceAndLeavesTheGrid();
    void closingTakesTheSnapshot();
    void memoKeepsTwoLines();
    void printedSheetShowsTheSnapshot();

private:
    // Chooses "印刷" → "計画書（３）" and returns the page that the preview would show.
    QImage print();

    std::unique_ptr<TempCurrentDir> m_dir;
};

void TestWeekly::initTestCase()
{
    m_dir = std::make_unique<TempCurrentDir>();
    chooseFontFamilies();
    DialogHooks::startRecording();
    CreateAllWindows();
    DialogHooks::takeErrors();
    PreviewHooks::setStandIn([](const Report &) {});
}

QImage TestWeekly::print()
{
    F_Main->findChild<QAction *>(QStringLiteral("N6"))->trigger();
    return reportImage(QR_Keikaku3->QuickRep1, PrintDpi);
}

void TestWeekly::init()
{
    InputMarkColor = Mark;
    InputServiceTextColor = Ink;
    F_Service->Edit1->clear();
}

void TestWeekly::theGridStartsWhiteEmptyAndWhole()
{
    // Cell k lies in day column k / 24 and hour row k % 24 + 1.
    QCOMPARE(cell(0)->geometry(), QRect(82, 36, 86, 17));
    QCOMPARE(cell(23)->geometry(), QRect(82, 588, 86, 17));
    QCOMPARE(cell(24)->geometry(), QRect(171, 36, 86, 17));
    QCOMPARE(cell(167)->geometry(), QRect(611, 588, 86, 17));
    for (int k = 0; k < WeeklyCellCount; ++k)
        compareCell(k, NeverMarked);
    QCOMPARE(int(SplitStage), 0);
    // The never-marked text colour is the palette's window-text colour.
    QCOMPARE(cell(0)->palette().color(QPalette::WindowText), F_Keikaku3->palette().color(QPalette::WindowText));
    QCOMPARE(cell(0)->palette().color(QPalette::Window), QColor(Qt::white));
}

void TestWeekly::printingRightAfterStartShowsAnEmptyGrid()
{
    const QImage page = print();
    for (int k = 0; k < WeeklyCellCount; ++k)
        QVERIFY2(bodyFilledWith(page, printedPlace(k), Qt::white), qPrintable(QString::number(k)));
    for (int n = 1; n <= 24; ++n)
        QVERIFY(bodyFilledWith(page, {836, 19 * n + 19, 200, 15}, Qt::white));
    QVERIFY(bodyFilledWith(page, {120, 512, 913, 33}, Qt::white));
}

void TestWeekly::marking_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<CellState>("a");
    QTest::addColumn<CellState>("b");
    QTest::addColumn<int>("stage");

    const QString name = QStringLiteral("訪問介護");
    const CellState named{name, Mark, Ink, 0};
    const CellState colourOnly{QString(), Mark, Ink, 0};
    const CellState cleared{QString(), WhiteColorRef, Ink, 0};
    auto half = [](CellState state, int h) {
        state.half = h;
        return state;
    };

    // A white cell is marked; Ctrl is not looked at.
    QTest::newRow("white, plain: named mark") << QStringList{"=" + name, "A"} << named << NeverMarked << 0;
    QTest::newRow("white, plain, no service chosen: unnamed mark")
        << QStringList{"A"} << colourOnly << NeverMarked << 0;
    QTest::newRow("white, Shift: colour-only mark")
        << QStringList{"=" + name, "A+shift"} << colourOnly << NeverMarked << 0;
    QTest::newRow("white, Shift+Ctrl: colour-only mark")
        << QStringList{"=" + name, "A+shift+ctrl"} << colourOnly << NeverMarked << 0;
    QTest::newRow("white, middle button: nothing")
        << QStringList{"=" + name, "A+middle"} << NeverMarked << NeverMarked << 0;
    // A cell with a name: only Shift alone clears it; the text colour stays.
    QTest::newRow("named, plain: name kept")
        << QStringList{"=" + name, "A", QStringLiteral("=通所介護"), "A"} << named << NeverMarked << 0;
    QTest::newRow("named, Shift: cleared") << QStringList{"=" + name, "A", "A+shift"} << cleared << NeverMarked << 0;
    QTest::newRow("named, Ctrl: nothing") << QStringList{"=" + name, "A", "A+ctrl"} << named << NeverMarked << 0;
    QTest::newRow("named, Shift+Ctrl: nothing")
        << QStringList{"=" + name, "A", "A+shift+ctrl"} << named << NeverMarked << 0;
    // A colour-only cell.
    QTest::newRow("colour-only, plain: named") << QStringList{"A+shift", "=" + name, "A"} << named << NeverMarked << 0;
    QTest::newRow("colour-only, Shift: cleared") << QStringList{"A+shift", "A+shift"} << cleared << NeverMarked << 0;
    QTest::newRow("colour-only, Shift+Ctrl: nothing")
        << QStringList{"A+shift", "A+shift+ctrl"} << colourOnly << NeverMarked << 0;
    QTest::newRow("colour-only, middle button: nothing")
        << QStringList{"A+shift", "A+middle"} << colourOnly << NeverMarked << 0;
    // The split cycle on one cell: whole -> upper half -> lower half -> whole -> upper half.
    QTest::newRow("cycle 1: upper half") << QStringList{"A+shift", "A+ctrl"} << half(colourOnly, 1) << NeverMarked << 1;
    QTest::newRow("cycle 2: lower half") << QStringList{"A+shift", "A+ctrl", "A+ctrl"} << half(colourOnly, 2)
                                         << NeverMarked << 2;
    QTest::newRow("cycle 3: whole again")
        << QStringList{"A+shift", "A+ctrl", "A+ctrl", "A+ctrl"} << colourOnly << NeverMarked << 0;
    QTest::newRow("cycle 4: starts again")
        << QStringList{"A+shift", "A+ctrl", "A+ctrl", "A+ctrl", "A+ctrl"} << half(colourOnly, 1) << NeverMarked << 1;
    // One stage for the whole grid: the steps of two cells interleave, and a half cell at stage 0 stays as it is.
    QTest::newRow("interleaved: A lower, B whole, then A stays")
        << QStringList{"A+shift", "B+shift", "A+ctrl", "B+ctrl", "A+ctrl", "B+ctrl", "A+ctrl"} << half(colourOnly, 2)
        << colourOnly << 0;
    // A lower half stepped while another cell has just been split stays in the lower half of its own row.
    QTest::newRow("interleaved: lower half stepped at stage 1")
        << QStringList{"A+shift", "B+shift", "A+ctrl", "A+ctrl", "B+ctrl", "A+ctrl"} << half(colourOnly, 2)
        << half(colourOnly, 1) << 2;
    QTest::newRow("interleaved: and whole at stage 2")
        << QStringList{"A+shift", "B+shift", "A+ctrl", "A+ctrl", "B+ctrl", "A+ctrl", "A+ctrl"} << colourOnly
        << half(colourOnly, 1) << 0;
    // A named half cell keeps its half; Ctrl does nothing to it any more; Shift clears it to a whole white cell.
    QTest::newRow("half, plain: named, half kept")
        << QStringList{"A+shift", "A+ctrl", "=" + name, "A"} << half(named, 1) << NeverMarked << 1;
    QTest::newRow("named half, Ctrl: nothing")
        << QStringList{"A+shift", "A+ctrl", "A+ctrl", "=" + name, "A", "A+ctrl"} << half(named, 2) << NeverMarked << 2;
    QTest::newRow("half, Shift: cleared whole, stage kept")
        << QStringList{"A+shift", "A+ctrl", "A+shift"} << cleared << NeverMarked << 1;
    // The name is cut to 12 bytes of whole characters.
    QTest::newRow("eight full-width characters show six")
        << QStringList{QStringLiteral("=あいうえおかきく"), "A"}
        << CellState{QStringLiteral("あいうえおか"), Mark, Ink, 0} << NeverMarked << 0;
    QTest::newRow("a cut inside a character keeps 11 bytes")
        << QStringList{QStringLiteral("=abcdefghijk漢"), "A"} << CellState{QStringLiteral("abcdefghijk"), Mark, Ink, 0}
        << NeverMarked << 0;
}

void TestWeekly::marking()
{
    QFETCH(QStringList, clicks);
    QFETCH(CellState, a);
    QFETCH(CellState, b);
    QFETCH(int, stage);
    F_Keikaku3->show();
    resetCell(CellA);
    resetCell(CellB);
    SplitStage = 0;

    runClicks(clicks);

    compareCell(CellA, a);
    compareCell(CellB, b);
    QCOMPARE(int(SplitStage), stage);
    F_Keikaku3->hide();
}

void TestWeekly::rightClickChoosesAServiceAndLeavesTheGrid()
{
    F_Keikaku3->show();
    resetCell(CellA);
    resetCell(CellB);
    SplitStage = 0;
    runClicks({"A+shift", "A+ctrl"});
    // The master is open beside the main window already: it comes up modally all the same.
    F_Service->ShowBeside();

    bool wasModal = false;
    QTimer::singleShot(0, F_Service, [&] {
        wasModal = QApplication::activeModalWidget() == F_Service;
        F_Service->Edit1->setText(QStringLiteral("訪問入浴介護サービス"));
        F_Service->close();
    });
    QTest::mouseClick(cell(CellA), Qt::RightButton);
    QVERIFY(wasModal);
    QVERIFY(!F_Service->isVisible());
    compareCell(CellA, {QString(), Mark, Ink, 1});
    QCOMPARE(int(SplitStage), 1);

    // The name left in the master marks the next cells.
    runClicks({"B"});
    compareCell(CellB, {QStringLiteral("訪問入浴介護"), Mark, Ink, 0});
    F_Keikaku3->hide();
}

void TestWeekly::closingTakesTheSnapshot()
{
    resetCell(CellA);
    resetCell(CellB);
    SplitStage = 0;
    // The main window's button shows the editor modally; it is used and closed while it runs.
    bool wasModal = false;
    QTimer::singleShot(0, F_Keikaku3, [&] {
        wasModal = QApplication::activeModalWidget() == F_Keikaku3;
        runClicks({"A+shift", "A+ctrl"});
        InputServiceTextColor = 0;
        runClicks({QStringLiteral("=配食"), "B"});
        control<QLineEdit>(F_Keikaku3, QStringLiteral("Edit3"))->setText(QStringLiteral("起床"));
        F_Keikaku3->move(37, 51);
        F_Keikaku3->close();
    });
    QTest::mouseClick(control<QPushButton>(F_Main, QStringLiteral("BtnKeikaku3")), Qt::LeftButton);
    QVERIFY(wasModal);
    QVERIFY(!F_Keikaku3->isVisible());

    // A colour-only cell: marked, no text; a cell marked while the text colour setting is 0: no coloured text;
    // a cell never marked: white, and its system text colour counts as coloured.
    QCOMPARE(CellText[CellA], QString());
    QCOMPARE(int(CellMarked[CellA]), 1);
    QCOMPARE(int(CellTextColoured[CellA]), 1);
    QCOMPARE(CellText[CellB], QStringLiteral("配食"));
    QCOMPARE(int(CellMarked[CellB]), 1);
    QCOMPARE(int(CellTextColoured[CellB]), 0);
    QCOMPARE(CellText[CellA + 1], QString());
    QCOMPARE(int(CellMarked[CellA + 1]), 0);
    QCOMPARE(int(CellTextColoured[CellA + 1]), 1);
    QCOMPARE(int(CellHalf[CellA]), 1);
    QCOMPARE(ActivityText[2], QStringLiteral("起床"));
    QCOMPARE(ActivityText[3], QString());
    QCOMPARE(WeeklyLeft, F_Keikaku3->x());
    QCOMPARE(WeeklyTop, F_Keikaku3->y());
    QCOMPARE(QPoint(WeeklyLeft, WeeklyTop), QPoint(37, 51));

    // Clearing the cell in the editor reaches the snapshot only at the next closing.
    F_Keikaku3->show();
    runClicks({"B+shift"});
    QCOMPARE(int(CellMarked[CellB]), 1);
    F_Keikaku3->close();
    QCOMPARE(int(CellMarked[CellB]), 0);
    QCOMPARE(CellText[CellB], QString());
}

void TestWeekly::memoKeepsTwoLines()
{
    auto *memo = control<LineLimitedMemo>(F_Keikaku3, QStringLiteral("Memo1"));
    QCOMPARE(memo->lineLimit(), 2);
    memo->clear();
    typeText(memo, QStringLiteral("月2回 訪問診療\n福祉用具貸与\n三行目"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("月2回 訪問診療\n福祉用具貸与\n"));
    memo->clear();
    QApplication::clipboard()->setText(QStringLiteral("一\n二\n三\n四\n五"));
    memo->paste();
    QCOMPARE(memo->toPlainText(), QStringLiteral("一\n二\n"));
}

void TestWeekly::printedSheetShowsTheSnapshot()
{
    constexpr int Whole = 30, Upper = 31, Lower = 32, Named = 33, Never = 34;
    for (int k : {Whole, Upper, Lower, Named, Never})
        resetCell(k);
    SplitStage = 0;
    F_Keikaku3->show();
    F_Service->Edit1->setText(QStringLiteral("訪問介護"));
    const QList<std::pair<int, Qt::KeyboardModifiers>> clicks = {
        {Whole, Qt::ShiftModifier},   {Lower, Qt::ShiftModifier}, {Lower, Qt::ControlModifier},
        {Lower, Qt::ControlModifier}, {Upper, Qt::ShiftModifier}, {Upper, Qt::ControlModifier},
        {Named, Qt::NoModifier}};
    for (const auto &[k, keys] : clicks)
        QTest::mouseClick(cell(k), Qt::LeftButton, keys);
    F_Keikaku3->close();
    control<LineLimitedMemo>(F_Keikaku3, QStringLiteral("Memo1"))->setPlainText(QStringLiteral("一行目\n二行目"));

    const QColor mark(0, 0, 255);
    PrintMarkColor = refFromColor(mark);
    PrintServiceTextColor = refFromColor(Qt::red);
    const QImage page = print();

    const QRect whole = printedPlace(Whole);
    QVERIFY(bodyFilledWith(page, whole, mark));
    // The two half hours of a row touch: 8 pixels each.
    const QRect upper = printedPlace(Upper);
    QVERIFY(bodyFilledWith(page, upper.adjusted(0, 0, 0, -8), mark));
    QVERIFY(bodyFilledWith(page, upper.adjusted(0, 8, 0, 0), Qt::white));
    const QRect lower = printedPlace(Lower);
    QVERIFY(bodyFilledWith(page, lower.adjusted(0, 0, 0, -8), Qt::white));
    QVERIFY(bodyFilledWith(page, lower.adjusted(0, 8, 0, 0), mark));
    QVERIFY(bodyFilledWith(page, printedPlace(Never), Qt::white));
    // The named cell: the mark with its name in the print text colour.
    const QRect named = printedPlace(Named);
    QVERIFY(bodyHas(page, named, [](const QColor &c) { return c.red() > 200 && c.blue() < 100; }));
    QVERIFY(!bodyHas(page, named, [&](const QColor &c) { return c == Qt::white; }));
    // The memo prints on two lines: text in the upper and in the lower half of its box.
    QVERIFY(bodyHasInk(page, {120, 512, 913, 16}));
    QVERIFY(bodyHasInk(page, {120, 528, 913, 17}));
}

QTEST_MAIN(TestWeekly)
#include "tst_weekly.moc"
