#include "MemoTestSupport.h"
#include "PdfPage.h"

#include "plan/U_Gloval.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/Shape.h"
#include "reports/U_QRKeikaku2.h"
#include "sheets/LineLimitedMemo.h"
#include "sheets/U_Keikaku1.h"
#include "sheets/U_Keikaku2.h"
#include "sheets/U_Kikan.h"
#include "shell/PagePreview.h"
#include "shell/U_Main.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

LineLimitedMemo *memo(int number)
{
    return control<LineLimitedMemo>(F_Keikaku2, QStringLiteral("Memo%1").arg(number));
}

QLineEdit *period(int number)
{
    return control<QLineEdit>(F_Keikaku2, QStringLiteral("Edit%1").arg(number));
}

QLabel *mark(int number)
{
    return control<QLabel>(F_Keikaku2, QStringLiteral("Label%1").arg(number));
}

QListWidget *periodList()
{
    return control<QListWidget>(F_Kikan, QStringLiteral("ListBox1"));
}

// Runs a modal step: `whileModal` acts once the event loop runs (inside a modal window's own loop, if `step`
// opens one), and whatever modal window is still open afterwards is hidden so that the step returns.
// Returns whether `whileModal` ran while `window` was shown.
bool whileShown(QWidget *window, const std::function<void()> &step, const std::function<void()> &whileModal)
{
    bool shown = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        shown = window->isVisible();
        if (!shown)
            return;
        whileModal();
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->hide();
    });
    timer.start(0);
    step();
    timer.stop();
    return shown;
}

// Waits until the widgets know the window as the active one: its activation handler has run by then.
void waitUntilActive(QWidget *window)
{
    QTRY_COMPARE(QApplication::activeWindow(), window);
}

void rightClick(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::RightButton);
}

// Double-clicks in the period list: on the entry with that text, or below the entries for an empty text.
void doubleClickPeriod(const QString &text)
{
    QListWidget *list = periodList();
    QPoint where(10, list->viewport()->height() - 5);
    if (!text.isEmpty())
        where = list->visualItemRect(list->findItems(text, Qt::MatchExactly).value(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
}

QString selectedPeriod()
{
    const QList<QListWidgetItem *> selected = periodList()->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

// ---- The printed sheet ----

constexpr int ProbeDpi = 150;

// The texts that come with the layout, word by word (an ideographic space parts words).
const QStringList FixedWords = {
    QStringLiteral("居宅サービス計画書（２）"),
    QStringLiteral("利用者氏名"),
    QStringLiteral("殿"),
    QStringLiteral("作成年月日"),
    QStringLiteral("生活全般の解決す"),
    QStringLiteral("べき課題（ニーズ）"),
    QStringLiteral("援助目標"),
    QStringLiteral("長期目標"),
    QStringLiteral("期間"),
    QStringLiteral("短期目標"),
    QStringLiteral("期間"),
    QStringLiteral("援助内容"),
    QStringLiteral("サービス内容"),
    QStringLiteral("*1"),
    QStringLiteral("サービス種別"),
    QStringLiteral("＊２"),
    QStringLiteral("頻度"),
    QStringLiteral("期間"),
    QStringLiteral("*1"),
    QStringLiteral("「保険給付対象か否かの区分」について、保険給付対象内サービスについては○印を付す。"),
    QStringLiteral("*2"),
    QStringLiteral("「当該サービス提供を行う事業所」について記入する。"),
};

QStringList sorted(QStringList words)
{
    words.sort();
    return words;
}

// The first dark pixel from the point (millimetres) in the direction, in millimetres along that direction's axis.
double nextLine(const QImage &page, QPointF mm, QPointF step)
{
    const double dotsPerMm = ProbeDpi / 25.4;
    QPoint p(qRound(mm.x() * dotsPerMm), qRound(mm.y() * dotsPerMm));
    const QPoint d = step.toPoint();
    while (page.rect().contains(p) && qGray(page.pixel(p)) >= 128)
        p += d;
    return (d.x() != 0 ? p.x() : p.y()) / dotsPerMm;
}

// The cell that holds a printed word, as the page shows it: the nearest lines around the word, looked for in
// the blank margin just left of the word and beside its line.
QRectF cellAround(const QImage &page, const QRectF &word)
{
    const QPointF beside(word.left() - 0.3, word.center().y());
    return QRectF(
        QPointF(nextLine(page, beside, {-1, 0}), nextLine(page, beside, {0, -1})),
        QPointF(nextLine(page, {word.right() + 0.3, word.center().y()}, {1, 0}), nextLine(page, beside, {0, 1})));
}

// The smallest frame of the editor around the control: its cell.
QRect editorFrame(const QWidget *control)
{
    QRect cell;
    for (const Shape *frame : F_Keikaku2->findChildren<Shape *>()) {
        const QRect r = frame->geometry();
        if (r.contains(control->geometry()) && (cell.isNull() || r.width() * r.height() < cell.width() * cell.height()))
            cell = r;
    }
    return cell;
}

} // namespace

class TestSheet2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void printedRightAfterStart();
    void openedFromTheMainWindowShowsTheUserAndStoresThePosition_data();
    void openedFromTheMainWindowShowsTheUserAndStoresThePosition();
    void memoLineLimits_data();
    void memoLineLimits();
    void everyLineOfAFullMemoShowsInsideItsFrame();
    void doubleClickTogglesTheMark();
    void doubleClickBesideTheEntriesBeforeAnyPickIsAnError();
    void rightClickPicksAPeriodForThatBox_data();
    void rightClickPicksAPeriodForThatBox();
    void leftClickOnlyPlacesTheCaret();
    void pickerKeepsItsSelectionAndItsCloseBoxWritesNothing();
    void printedSheetHoldsEveryLineInsideItsCell();
    void nameAndDateAreThoseOfTheMomentOfPrinting();

private:
    // Chooses the menu item "印刷" → "計画書（２）" and returns the page that the preview would show.
    PdfPage print();

    std::unique_ptr<TempCurrentDir> m_dir;
    QList<QByteArray> m_previewed; // the page of each preview asked for, as PDF
};

void TestSheet2::initTestCase()
{
    m_dir = std::make_unique<TempCurrentDir>();
    chooseFontFamilies();
    DialogHooks::startRecording();
    CreateAllWindows();
    DialogHooks::takeErrors(); // no Conf.txt
    PreviewHooks::setStandIn([this](const Report &report) { m_previewed.append(reportPdf(report)); });
    F_Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(F_Main));
}

void TestSheet2::init()
{
    // The editor is on the screen and active, as it is while the user works in it.
    F_Keikaku2->show();
    F_Keikaku2->activateWindow();
    waitUntilActive(F_Keikaku2);
}

PdfPage TestSheet2::print()
{
    const qsizetype before = m_previewed.size();
    F_Main->findChild<QAction *>(QStringLiteral("N5"))->trigger();
    if (m_previewed.size() != before + 1)
        qFatal("no preview was asked for");
    return readPdf(m_previewed.last());
}

// Before anything is entered: the layout's texts and the four benefit marks.
void TestSheet2::printedRightAfterStart()
{
    const PdfPage page = print();
    QCOMPARE(page.size.toSize(), QSize(297, 210));
    QCOMPARE(page.texts(), sorted(FixedWords + QStringList(4, QStringLiteral("○"))));
    const QRectF title = page.word(QStringLiteral("居宅サービス計画書（２）")).box;
    QVERIFY2(qAbs(title.left() - 105.83) < 0.05 && qAbs(title.top() - 11.64) < 0.05,
             qPrintable(QStringLiteral("title at %1, %2").arg(title.left()).arg(title.top())));
}

void TestSheet2::openedFromTheMainWindowShowsTheUserAndStoresThePosition_data()
{
    QTest::addColumn<bool>("byBackButton");
    QTest::newRow("戻る") << true;
    QTest::newRow("close box") << false;
}

void TestSheet2::openedFromTheMainWindowShowsTheUserAndStoresThePosition()
{
    QFETCH(bool, byBackButton);
    F_Keikaku2->hide();
    F_Main->activateWindow();
    waitUntilActive(F_Main);
    auto *open = control<QPushButton>(F_Main, QStringLiteral("BtnKeikaku2"));
    auto *userName = control<QLabel>(F_Keikaku2, QStringLiteral("Label3"));
    // The name shown is the current one at each opening.
    for (const QString &name : {QStringLiteral("山田 花子"), QStringLiteral("鈴木 一郎")}) {
        CurrentUserName = name;
        QString shownName;
        bool modal = false;
        const bool opened = whileShown(
            F_Keikaku2, [&] { QTest::mouseClick(open, Qt::LeftButton); },
            [&] {
                waitUntilActive(F_Keikaku2);
                shownName = userName->text();
                modal = QApplication::activeModalWidget() == F_Keikaku2;
                F_Keikaku2->move(30, 45);
                if (byBackButton)
                    QTest::mouseClick(control<QPushButton>(F_Keikaku2, QStringLiteral("Button1")), Qt::LeftButton);
                else
                    F_Keikaku2->close();
            });
        QVERIFY(opened);
        QVERIFY(modal);
        QCOMPARE(shownName, name);
        QVERIFY(!F_Keikaku2->isVisible());
        QCOMPARE(Plan2Left, F_Keikaku2->x());
        QCOMPARE(Plan2Top, F_Keikaku2->y());
        Plan2Left = Plan2Top = 0;
    }
}

void TestSheet2::memoLineLimits_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret"); // where the change is made; -1 at the end
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // empty: the text's beginning in exactly the limit's displayed lines

    QTest::newRow("Memo2 twelve pasted lines leave eight")
        << 2 << QString() << -1 << "paste" << numberedLines(12) << numberedLines(8) + u'\n';
    QTest::newRow("Memo4 seven pasted lines leave five")
        << 4 << QString() << -1 << "paste" << numberedLines(7) << numberedLines(5) + u'\n';
    QTest::newRow("Memo5 line break in the third line pushes the eighth out")
        << 5 << numberedLines(8) << 1 + int(numberedLines(2).size()) + 1 << "type"
        << "\n"
        << numberedLines(2) + QStringLiteral("\n3\n行目\n") + numberedLines(7).mid(numberedLines(3).size() + 1) + u'\n';
    QTest::newRow("Memo1 character typed on the ninth line disappears") << 1 << numberedLines(8) << -1 << "type"
                                                                        << "\nx" << numberedLines(8) + u'\n';
    QTest::newRow("Memo9 wrapping paragraph cut after the eighth displayed line")
        << 9 << QString() << -1 << "type" << QString(150, QChar(u'介')) << QString();
    QTest::newRow("Memo28 nine lines put in by the program leave five")
        << 28 << QString() << -1 << "set" << numberedLines(9) << numberedLines(5) + u'\n';
}

void TestSheet2::memoLineLimits()
{
    QFETCH(int, number);
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    LineLimitedMemo *m = memo(number);
    m->setPlainText(before);
    QTextCursor cursor = m->textCursor();
    if (caret < 0)
        cursor.movePosition(QTextCursor::End);
    else
        cursor.setPosition(caret);
    m->setTextCursor(cursor);
    enterText(m, how, text);
    checkLineLimit(m, text, expected);
}

void TestSheet2::everyLineOfAFullMemoShowsInsideItsFrame()
{
    const QList<Shape *> frames = F_Keikaku2->findChildren<Shape *>();
    for (int number = 1; number <= 28; ++number) {
        LineLimitedMemo *m = memo(number);
        m->setPlainText(numberedLines(m->lineLimit()));
        QCOMPARE(m->displayedLineCount(), m->lineLimit());
        QTextCursor end = m->textCursor();
        end.movePosition(QTextCursor::End);
        QVERIFY2(m->cursorRect(end).bottom() < m->viewport()->height(), qPrintable(m->objectName()));
        // A memo lies inside a frame or beside it, never across its outline.
        const QRect memoRect = m->geometry();
        for (const Shape *frame : frames) {
            const QRect inside = frame->geometry().adjusted(1, 1, -1, -1);
            QVERIFY2(inside.contains(memoRect) || !frame->geometry().intersects(memoRect),
                     qPrintable(m->objectName() + u' ' + frame->objectName()));
        }
    }
}

void TestSheet2::doubleClickTogglesTheMark()
{
    QCOMPARE(mark(20)->text(), QStringLiteral("○"));
    QTest::mouseDClick(mark(20), Qt::LeftButton);
    QCOMPARE(mark(20)->text(), QString());
    QCOMPARE(mark(20)->size(), QSize(22, 25));
    QTest::mouseDClick(mark(20), Qt::LeftButton);
    QCOMPARE(mark(20)->text(), QStringLiteral("○"));
    mark(21)->setText(QStringLiteral("×"));
    QTest::mouseDClick(mark(21), Qt::LeftButton);
    QCOMPARE(mark(21)->text(), QStringLiteral("○"));
    // A single click changes nothing.
    QTest::mouseClick(mark(22), Qt::LeftButton);
    QCOMPARE(mark(22)->text(), QStringLiteral("○"));
}

// Runs first of the picker's tests: before any pick, the list has no selection.
void TestSheet2::doubleClickBesideTheEntriesBeforeAnyPickIsAnError()
{
    period(1)->setText(QStringLiteral("前から"));
    QStringList errors;
    bool stayedOpen = false;
    QVERIFY(whileShown(
        F_Kikan, [] { rightClick(period(1)); },
        [&] {
            QCOMPARE(selectedPeriod(), QString());
            doubleClickPeriod(QString());
            errors = DialogHooks::takeErrors();
            stayedOpen = F_Kikan->isVisible();
            // After that the picker works as ever.
            doubleClickPeriod(QStringLiteral("3ヶ月"));
        }));
    QCOMPARE(errors, QStringList{QStringLiteral("リストのインデックスが範囲を超えています (-1)")});
    QVERIFY(stayedOpen);
    QCOMPARE(period(1)->text(), QStringLiteral("3ヶ月"));
}

void TestSheet2::rightClickPicksAPeriodForThatBox_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("entry");
    QTest::newRow("Edit7 6ヶ月") << 7 << QStringLiteral("6ヶ月");
    QTest::newRow("Edit12 1年") << 12 << QStringLiteral("1年");
    QTest::newRow("Edit3 1週間") << 3 << QStringLiteral("1週間");
}

void TestSheet2::rightClickPicksAPeriodForThatBox()
{
    QFETCH(int, number);
    QFETCH(QString, entry);
    for (int i = 1; i <= 12; ++i)
        period(i)->setText(QStringLiteral("元%1").arg(i));
    int target = 0;
    bool closed = false;
    QVERIFY(whileShown(
        F_Kikan, [&] { rightClick(period(number)); },
        [&] {
            target = PeriodTarget;
            doubleClickPeriod(entry);
            closed = !F_Kikan->isVisible();
        }));
    QCOMPARE(target, number);
    QVERIFY(closed);
    for (int i = 1; i <= 12; ++i)
        QCOMPARE(period(i)->text(), i == number ? entry : QStringLiteral("元%1").arg(i));
}

void TestSheet2::leftClickOnlyPlacesTheCaret()
{
    QLineEdit *box = period(7);
    box->setText(QStringLiteral("3ヶ月"));
    box->setCursorPosition(0);
    PeriodTarget = 0;
    const QPoint end(box->width() - 2, box->height() / 2);
    QVERIFY(!whileShown(
        F_Kikan, [&] { QTest::mouseClick(box, Qt::LeftButton, {}, end); }, [] {}));
    QCOMPARE(box->cursorPosition(), box->text().size());
    QVERIFY(box->hasFocus());
    QCOMPARE(box->text(), QStringLiteral("3ヶ月"));
    QCOMPARE(PeriodTarget, 0);
}

void TestSheet2::pickerKeepsItsSelectionAndItsCloseBoxWritesNothing()
{
    QVERIFY(whileShown(
        F_Kikan, [] { rightClick(period(2)); }, [] { doubleClickPeriod(QStringLiteral("2週間")); }));
    QCOMPARE(period(2)->text(), QStringLiteral("2週間"));
    period(2)->setText(QStringLiteral("手入力"));

    QString selectedAtOpening;
    QVERIFY(whileShown(
        F_Kikan, [] { rightClick(period(2)); },
        [&] {
            selectedAtOpening = selectedPeriod();
            // Choosing with a single click or the keyboard writes nothing; only a double-click picks.
            QTest::mouseClick(periodList()->viewport(), Qt::LeftButton, {},
                              periodList()->visualItemRect(periodList()->item(5)).center());
            QTest::keyClick(periodList(), Qt::Key_Up);
            F_Kikan->close();
        }));
    QCOMPARE(selectedAtOpening, QStringLiteral("2週間"));
    QCOMPARE(period(2)->text(), QStringLiteral("手入力"));
    QCOMPARE(selectedPeriod(), QStringLiteral("6ヶ月"));
}

void TestSheet2::printedSheetHoldsEveryLineInsideItsCell()
{
    // Memo n holds the lines "n-1", "n-2" …, as many as its limit; the period boxes short periods, the third
    // one a period too long for its cell. No name, so that every word besides the layout's is in the grid.
    CurrentUserName.clear();
    QStringList expected = FixedWords;
    for (int number = 1; number <= 28; ++number) {
        LineLimitedMemo *m = memo(number);
        QStringList lines;
        for (int line = 1; line <= m->lineLimit(); ++line)
            lines << QStringLiteral("%1-%2").arg(number).arg(line);
        m->setPlainText(lines.join(u'\n'));
        QCOMPARE(m->toPlainText(), lines.join(u'\n'));
        expected += lines;
    }
    for (int number = 1; number <= 12; ++number)
        period(number)->setText(QStringLiteral("%1年").arg(number));
    const QString tooLong = QStringLiteral("12ヶ月と2週間");
    period(3)->setText(tooLong);
    for (int number = 19; number <= 22; ++number)
        mark(number)->setText(number == 20 ? QString() : QStringLiteral("○"));

    const PdfPage page = print();
    const QImage image = reportImage(QR_Keikaku2->QuickRep1, ProbeDpi);
    const QList<Word> cut = page.wordsStartingWith(QStringLiteral("12ヶ"));
    QCOMPARE(cut.size(), 1);
    QVERIFY(tooLong.startsWith(cut.first().text) && cut.first().text.size() < tooLong.size());
    for (int number = 1; number <= 12; ++number)
        expected << (number == 3 ? cut.first().text : QStringLiteral("%1年").arg(number));
    expected << QStringList(3, QStringLiteral("○"));
    QCOMPARE(page.texts(), sorted(expected));

    for (const Word &w : page.words) {
        if (FixedWords.contains(w.text))
            continue;
        const QRectF cell = cellAround(image, w.box);
        QVERIFY2(cell.contains(w.box), qPrintable(w.text));
        // A cell of the grid, not the page's edge.
        QVERIFY2(cell.width() < 60 && cell.height() < 40, qPrintable(w.text));
    }
    // Each memo's lines one below the other, in its own cell.
    for (int number = 1; number <= 28; ++number) {
        const Word first = page.word(QStringLiteral("%1-1").arg(number));
        const QRectF cell = cellAround(image, first.box);
        for (int line = 2; line <= memo(number)->lineLimit(); ++line) {
            const Word w = page.word(QStringLiteral("%1-%2").arg(number).arg(line));
            QCOMPARE(w.box.left(), first.box.left());
            QVERIFY2(w.box.top() > page.word(QStringLiteral("%1-%2").arg(number).arg(line - 1)).box.bottom() - 0.5,
                     qPrintable(w.text));
            QCOMPARE(cellAround(image, w.box), cell);
        }
    }

    // The cells mirror the editor's: of any two controls, the one whose frame lies further left or higher up on
    // the screen is printed in the cell further left or higher up.
    QList<QPair<QWidget *, QString>> printed; // a control and the first word printed for it
    for (int number = 1; number <= 28; ++number)
        printed.append({memo(number), QStringLiteral("%1-1").arg(number)});
    for (int number = 1; number <= 12; ++number)
        printed.append({period(number), number == 3 ? cut.first().text : QStringLiteral("%1年").arg(number)});
    QList<Word> marks;
    for (const Word &w : page.words)
        if (w.text == QStringLiteral("○"))
            marks << w;
    std::sort(marks.begin(), marks.end(), [](const Word &a, const Word &b) { return a.box.top() < b.box.top(); });
    QList<QRectF> cells;
    for (const auto &[control, text] : printed)
        cells << cellAround(image, page.word(text).box);
    for (int i = 0; i < 3; ++i) {
        printed.append({mark(i == 0 ? 19 : 20 + i), marks.at(i).text});
        cells << cellAround(image, marks.at(i).box);
    }
    const auto order = [](double a, double b, double tolerance) { return a < b - tolerance ? -1 : a > b + tolerance; };
    for (int a = 0; a < printed.size(); ++a) {
        for (int b = 0; b < printed.size(); ++b) {
            const QRect screenA = editorFrame(printed.at(a).first);
            const QRect screenB = editorFrame(printed.at(b).first);
            const QString pair = printed.at(a).first->objectName() + u' ' + printed.at(b).first->objectName();
            QVERIFY2(order(screenA.left(), screenB.left(), 0) == order(cells.at(a).left(), cells.at(b).left(), 0.5),
                     qPrintable(pair));
            QVERIFY2(order(screenA.top(), screenB.top(), 0) == order(cells.at(a).top(), cells.at(b).top(), 0.5),
                     qPrintable(pair));
        }
    }
}

void TestSheet2::nameAndDateAreThoseOfTheMomentOfPrinting()
{
    TempCurrentDir::write(QStringLiteral("Riyou.txt"),
                          sjis(QStringLiteral("0001,山田 花子,1935/04/12,東京都,継続,認定済,2024/03/20,2024/04/01,"
                                              "2026/03/31,要介護２,\r\n"
                                              "0002,鈴木 一郎,1941/11/03,横浜市,初回,申請中,2025/05/10,2025/06/01,"
                                              "2025/11/30,要介護１,\r\n")));
    auto *user = F_Keikaku1->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    auto *planDate = F_Keikaku1->findChild<QDateEdit *>(QStringLiteral("DateTimePicker1"));
    struct Moment
    {
        QString user;
        QDate date;
        QString name, dateText; // as printed
    };
    const QList<Moment> moments = {
        {QStringLiteral("山田 花子"), QDate(2024, 5, 1), QStringLiteral("山田"), QStringLiteral("令和06年5月1日")},
        {QStringLiteral("鈴木 一郎"), QDate(2025, 6, 20), QStringLiteral("鈴木"), QStringLiteral("令和07年6月20日")},
    };
    for (const Moment &m : moments) {
        user->setEditText(m.user);
        planDate->setDate(m.date);
        const PdfPage page = print();
        const QRectF name = page.word(m.name).box;
        QVERIFY2(name.left() > page.word(QStringLiteral("利用者氏名")).box.right() &&
                     name.right() < page.word(QStringLiteral("殿")).box.left(),
                 qPrintable(m.name));
        const QRectF date = page.word(m.dateText).box;
        QVERIFY2(date.left() > page.word(QStringLiteral("作成年月日")).box.right(), qPrintable(m.dateText));
        for (const Moment &other : moments) {
            if (other.user != m.user) {
                QVERIFY(page.wordsStartingWith(other.name).isEmpty());
                QVERIFY(page.wordsStartingWith(other.dateText).isEmpty());
            }
        }
    }
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
}

QTEST_MAIN(TestSheet2)
#include "tst_sheet2.moc"
