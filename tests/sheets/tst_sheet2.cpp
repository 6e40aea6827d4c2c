#include "MemoTestSupport.h"

#include "plan/U_Gloval.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/Shape.h"
#include "sheets/LineLimitedMemo.h"
#include "sheets/U_Keikaku2.h"
#include "sheets/U_Kikan.h"
#include "shell/U_Main.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

template <typename T> T *control(QWidget *window, const QString &name)
{
    T *c = window->findChild<T *>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

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

} // namespace

class TestSheet2 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
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

private:
    std::unique_ptr<TempCurrentDir> m_dir;
};

void TestSheet2::initTestCase()
{
    m_dir = std::make_unique<TempCurrentDir>();
    installFontSubstitutions();
    DialogHooks::startRecording();
    CreateAllWindows();
    DialogHooks::takeErrors(); // no Conf.txt
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

QTEST_MAIN(TestSheet2)
#include "tst_sheet2.moc"
