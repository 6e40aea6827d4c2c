#include "MemoTestSupport.h"

#include "plan/U_Gloval.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "shell/U_Main.h"
#include "sheets/LineLimitedMemo.h"
#include "sheets/U_Keikaku1.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QtTest>

namespace {

QLabel *label(const char *name)
{
    return control<QLabel>(F_Keikaku1, name);
}

LineLimitedMemo *memo(const char *name)
{
    return control<LineLimitedMemo>(F_Keikaku1, name);
}

// The number of lines the memo's own layout shows, once its window is on the screen.
int linesOnScreen(QPlainTextEdit *edit)
{
    int lines = 0;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        edit->document()->documentLayout()->blockBoundingRect(block);
        lines += block.layout()->lineCount();
    }
    if (edit->document()->lastBlock().text().isEmpty())
        --lines;
    return lines;
}

const QString UserRecords = QStringLiteral(
    "0001,山田 花子,1935/04/12,東京都世田谷区1-2,継続,認定済,2024/03/20,2024/04/01,2026/03/31,要介護２,一人暮らし\r\n"
    "0002,鈴木 一郎,1941/11/03,横浜市2-3,初回,申請中,2025/05/10,2025/06/01,2025/11/30,要介護１,その他\r\n"
    "0003,山田 花子,1936/05/13,大阪市3-4,紹介,認定済,2019/05/01,2019/04/30,2027/02/28,要介護３,家族が障害、疾病\r\n"
    "0004,日付 誤り,1950/01/01,京都市,継続,認定済,令和元年,2024/04/01,2026/03/31,要支援,その他\r\n"
    ",,,,,,,,,,\r\n"
    "0005,短い 記録,1960/02/02\r\n");

} // namespace

class TestSheets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void activationListsTheMasterNames();
    void choosingAUserFillsTheParticulars();
    void choosingAnotherUserKeepsTheRowsAndTheCreator();
    void aDateFieldThatIsNoDateStopsTheFilling();
    void typingWithoutUserFileReportsIt();
    void loadingANameRunsNoLookup();
    void pickingADateWritesItsEraDate();
    void memoLineLimits_data();
    void memoLineLimits();
    void countsMatchTheScreenAndDoNotDependOnShowing();
    void firstDisplayedLineEndsAtTheFirstWrap();
    void closingStoresThePosition();

private:
    std::unique_ptr<TempCurrentDir> m_dir;
};

void TestSheets::initTestCase()
{
    m_dir = std::make_unique<TempCurrentDir>();
    chooseFontFamilies();
    DialogHooks::startRecording();
    CreateAllWindows();
    DialogHooks::takeErrors();
}

void TestSheets::init()
{
    TempCurrentDir::write(QStringLiteral("Riyou.txt"), sjis(UserRecords));
    TempCurrentDir::write(QStringLiteral("Jisya.txt"),
                          sjis(QStringLiteral("ひまわり事業所,世田谷区4-5,介護 一郎\r\nさくら,横浜市,支援 由美\r\n")));
    DialogHooks::takeErrors();
}

void TestSheets::activationListsTheMasterNames()
{
    auto *users = control<QComboBox>(F_Keikaku1, "ComboBox1");
    F_Keikaku1->setNameWithoutLookup(users, QStringLiteral("入力中"));
    F_Keikaku1->show();
    F_Keikaku1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(F_Keikaku1));
    QStringList names;
    for (int i = 0; i < users->count(); ++i)
        names << users->itemText(i);
    QCOMPARE(names, QStringList({QStringLiteral("山田 花子"), QStringLiteral("鈴木 一郎"), QStringLiteral("山田 花子"),
                                 QStringLiteral("日付 誤り"), QString(), QStringLiteral("短い 記録")}));
    QCOMPARE(users->currentText(), QStringLiteral("入力中"));
    auto *creators = control<QComboBox>(F_Keikaku1, "ComboBox2");
    QCOMPARE(creators->count(), 2);
    QCOMPARE(creators->itemText(1), QStringLiteral("支援 由美"));
    F_Keikaku1->hide();
}

void TestSheets::choosingAUserFillsTheParticulars()
{
    control<QComboBox>(F_Keikaku1, "ComboBox1")->setEditText(QStringLiteral("山田 花子"));
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
    // The last record of that name wins.
    QCOMPARE(label("Label12")->text(), QStringLiteral("大阪市3-4"));
    QCOMPARE(label("Label13")->text(), QStringLiteral("紹介"));
    QCOMPARE(label("Label14")->text(), QStringLiteral("認定済"));
    QCOMPARE(label("Label15")->text(), QStringLiteral("昭和11年5月13日"));
    QCOMPARE(label("Label18")->text(), QStringLiteral("令和01年5月1日"));
    QCOMPARE(label("Label19")->text(), QStringLiteral("平成31年4月30日"));
    QCOMPARE(label("Label21")->text(), QStringLiteral("令和09年2月28日"));
    QCOMPARE(memo("Memo_1")->toPlainText(), QStringLiteral("要介護３"));
    QCOMPARE(memo("Memo_5")->toPlainText(), QStringLiteral("家族が障害、疾病"));
    QCOMPARE(CurrentUserName, QStringLiteral("山田 花子"));

    control<QComboBox>(F_Keikaku1, "ComboBox2")->setEditText(QStringLiteral("支援 由美"));
    QCOMPARE(control<QLineEdit>(F_Keikaku1, "Edit1")->text(), QStringLiteral("さくら"));
    QCOMPARE(control<QLineEdit>(F_Keikaku1, "Edit2")->text(), QStringLiteral("横浜市"));
}

void TestSheets::choosingAnotherUserKeepsTheRowsAndTheCreator()
{
    memo("Memo_2")->setPlainText(QStringLiteral("本人の意向"));
    memo("Memo_4")->setPlainText(QStringLiteral("方針"));
    control<QComboBox>(F_Keikaku1, "ComboBox2")->setEditText(QStringLiteral("介護 一郎"));
    // Typing a name keystroke by keystroke: the partial names match nobody and change nothing.
    auto *users = control<QComboBox>(F_Keikaku1, "ComboBox1");
    users->setEditText(QStringLiteral("鈴木"));
    QCOMPARE(label("Label12")->text(), QStringLiteral("大阪市3-4"));
    users->setEditText(QStringLiteral("鈴木 一郎"));
    QCOMPARE(label("Label12")->text(), QStringLiteral("横浜市2-3"));
    QCOMPARE(memo("Memo_1")->toPlainText(), QStringLiteral("要介護１"));
    QCOMPARE(memo("Memo_2")->toPlainText(), QStringLiteral("本人の意向"));
    QCOMPARE(memo("Memo_4")->toPlainText(), QStringLiteral("方針"));
    QCOMPARE(control<QLineEdit>(F_Keikaku1, "Edit1")->text(), QStringLiteral("ひまわり事業所"));
    QCOMPARE(CurrentUserName, QStringLiteral("鈴木 一郎"));

    // A record with fewer fields fills what it has; an empty record fills nothing.
    users->setEditText(QStringLiteral("短い 記録"));
    QCOMPARE(label("Label15")->text(), QStringLiteral("昭和35年2月2日"));
    QCOMPARE(label("Label12")->text(), QStringLiteral("横浜市2-3"));
    QCOMPARE(CurrentUserName, QStringLiteral("短い 記録"));
    users->setEditText(QString());
    QCOMPARE(CurrentUserName, QStringLiteral("短い 記録"));
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
}

void TestSheets::aDateFieldThatIsNoDateStopsTheFilling()
{
    control<QComboBox>(F_Keikaku1, "ComboBox1")->setEditText(QStringLiteral("鈴木 一郎"));
    control<QComboBox>(F_Keikaku1, "ComboBox1")->setEditText(QStringLiteral("日付 誤り"));
    QCOMPARE(DialogHooks::takeErrors(), QStringList{QStringLiteral("'令和元年' は日付または時刻ではありません.")});
    QCOMPARE(label("Label12")->text(), QStringLiteral("京都市"));
    QCOMPARE(label("Label15")->text(), QStringLiteral("昭和25年1月1日"));
    QCOMPARE(label("Label18")->text(), QStringLiteral("令和07年5月10日"));
    QCOMPARE(CurrentUserName, QStringLiteral("鈴木 一郎"));
}

void TestSheets::typingWithoutUserFileReportsIt()
{
    QFile::remove(QStringLiteral("Riyou.txt"));
    auto *users = control<QComboBox>(F_Keikaku1, "ComboBox1");
    F_Keikaku1->setNameWithoutLookup(users, QString());
    QTest::keyClicks(users->lineEdit(), QStringLiteral("a"));
    QCOMPARE(DialogHooks::takeErrors(), QStringList{QStringLiteral("ファイルが見つかりません.")});
}

void TestSheets::loadingANameRunsNoLookup()
{
    auto *users = control<QComboBox>(F_Keikaku1, "ComboBox1");
    users->setEditText(QStringLiteral("鈴木 一郎"));
    F_Keikaku1->setNameWithoutLookup(users, QStringLiteral("山田 花子"));
    QCOMPARE(users->currentText(), QStringLiteral("山田 花子"));
    QCOMPARE(label("Label12")->text(), QStringLiteral("横浜市2-3"));
    QCOMPARE(CurrentUserName, QStringLiteral("鈴木 一郎"));
}

void TestSheets::pickingADateWritesItsEraDate()
{
    QCOMPARE(label("Label16")->text(), QString());
    control<QDateEdit>(F_Keikaku1, "DateTimePicker1")->setDate(QDate(2008, 1, 15));
    QCOMPARE(label("Label16")->text(), QStringLiteral("平成20年1月15日"));
    control<QDateEdit>(F_Keikaku1, "DateTimePicker2")->setDate(QDate(1996, 4, 1));
    QCOMPARE(label("Label17")->text(), QStringLiteral("平成08年4月1日"));
}

void TestSheets::memoLineLimits_data()
{
    QTest::addColumn<QString>("memoName");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString longParagraph = QString(400, QChar(u'あ'));
    QTest::newRow("Memo_2 sixth typed line disappears")
        << "Memo_2" << "type" << numberedLines(5) + u'\n' + u'x' << numberedLines(5) + u'\n';
    QTest::newRow("Memo_4 ten pasted lines leave six") << "Memo_4" << "paste" << numberedLines(10) << numberedLines(6) + u'\n';
    QTest::newRow("Memo_3 set by the program") << "Memo_3" << "set" << numberedLines(4) << numberedLines(3) + u'\n';
    QTest::newRow("Memo_2 wrapping paragraph cut after the fifth displayed line") << "Memo_2" << "set" << longParagraph
                                                                                   << QString();
    QTest::newRow("Memo_1 has no limit") << "Memo_1" << "set" << numberedLines(9) << numberedLines(9);
}

void TestSheets::memoLineLimits()
{
    QFETCH(QString, memoName);
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    LineLimitedMemo *m = memo(qPrintable(memoName));
    m->clear();
    enterText(m, how, text);
    checkLineLimit(m, text, expected);
}

void TestSheets::countsMatchTheScreenAndDoNotDependOnShowing()
{
    const QStringList texts = {QString(), QStringLiteral("a"), QStringLiteral("a\n"), QStringLiteral("\n\n"),
                               QString(130, QChar(u'漢')), QStringLiteral("word ").repeated(40),
                               QStringLiteral("ab\n") + QString(70, QChar(u'ア')) + QStringLiteral("\n\nc")};
    LineLimitedMemo *m = memo("Memo_1");
    QList<int> hidden;
    F_Keikaku1->hide();
    for (const QString &text : texts) {
        m->setPlainText(text);
        hidden << m->displayedLineCount();
    }
    F_Keikaku1->show();
    QVERIFY(QTest::qWaitForWindowExposed(F_Keikaku1));
    for (int i = 0; i < texts.size(); ++i) {
        m->setPlainText(texts.at(i));
        QCOMPARE(m->displayedLineCount(), hidden.at(i));
        QCOMPARE(m->displayedLineCount(), linesOnScreen(m));
    }
    QCOMPARE(hidden.mid(0, 4), QList<int>({0, 1, 1, 2}));
    QVERIFY(hidden.at(4) > 1);
    F_Keikaku1->hide();
}

void TestSheets::firstDisplayedLineEndsAtTheFirstWrap()
{
    LineLimitedMemo *m = memo("Memo_1");
    m->setPlainText(QString(200, QChar(u'介')) + QStringLiteral("\n二行目"));
    const QString first = m->firstDisplayedLine();
    QVERIFY(first.size() > 10 && first.size() < 200);
    QCOMPARE(first, QString(first.size(), QChar(u'介')));
    m->setPlainText(QStringLiteral("要介護２\n二行目"));
    QCOMPARE(m->firstDisplayedLine(), QStringLiteral("要介護２"));
}

void TestSheets::closingStoresThePosition()
{
    F_Keikaku1->show();
    F_Keikaku1->move(-20, 35);
    F_Keikaku1->close();
    QCOMPARE(Plan1Left, F_Keikaku1->x());
    QCOMPARE(Plan1Top, F_Keikaku1->y());
    QVERIFY(!F_Keikaku1->isVisible());
}

QTEST_MAIN(TestSheets)
#include "tst_sheets.moc"
