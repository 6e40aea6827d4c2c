#include "GuiTestSupport.h"

#include "plan/PlanFile.h"
#include "plan/U_Gloval.h"
#include "plan/U_ReadDT.h"
#include "platform/ColorRef.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "shell/U_Main.h"
#include "sheets/LineLimitedMemo.h"
#include "sheets/U_Keikaku1.h"
#include "sheets/U_Keikaku2.h"
#include "sheets/U_Keikaku3.h"
#include "sheets/WeeklyCell.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {

// Every control a plan keeps, with its content as text (cells: their five properties), in field order.
QStringList editorContents()
{
    QStringList contents;
    auto add = [&](QWidget *window, const QString &name) {
        QWidget *c = window->findChild<QWidget *>(name);
        if (auto *box = qobject_cast<QComboBox *>(c))
            contents << name + u'=' + box->currentText();
        else if (auto *edit = qobject_cast<QLineEdit *>(c))
            contents << name + u'=' + edit->text();
        else if (auto *memo = qobject_cast<QPlainTextEdit *>(c))
            contents << name + u'=' + memo->toPlainText();
        else if (auto *cell = qobject_cast<WeeklyCell *>(c))
            contents << QStringLiteral("%1=%2|%3|%4|%5|%6")
                            .arg(name, cell->text())
                            .arg(cell->backgroundRef())
                            .arg(cell->textColorRef())
                            .arg(cell->y())
                            .arg(cell->height());
        else
            contents << name + u'=' + qobject_cast<QLabel *>(c)->text();
    };
    for (const char *name : {"ComboBox1", "Label15", "Label12", "ComboBox2", "Edit1", "Edit2", "Label16", "Label17",
                             "Label18", "Label19", "Label21", "Memo_1", "Memo_2", "Memo_3", "Memo_4", "Memo_5",
                             "Label13", "Label14"})
        add(F_Keikaku1, QLatin1String(name));
    for (int i = 1; i <= 28; ++i)
        add(F_Keikaku2, QStringLiteral("Memo%1").arg(i));
    for (int i = 1; i <= 12; ++i)
        add(F_Keikaku2, QStringLiteral("Edit%1").arg(i));
    for (int i = 19; i <= 22; ++i)
        add(F_Keikaku2, QStringLiteral("Label%1").arg(i));
    for (int k = 32; k <= 199; ++k)
        add(F_Keikaku3, QStringLiteral("Label%1").arg(k));
    for (int n = 1; n <= 24; ++n)
        add(F_Keikaku3, QStringLiteral("Edit%1").arg(n));
    add(F_Keikaku3, QStringLiteral("Memo1"));
    return contents;
}

template <typename T> T *in(QWidget *window, const QString &name)
{
    T *c = window->findChild<T *>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

WeeklyCell *cell(int k)
{
    return in<WeeklyCell>(F_Keikaku3, QStringLiteral("Label%1").arg(32 + k));
}

// Fills the three editors with texts that test the plan line: commas, double quotes, blanks, "\", 表 and ―,
// several lines, a text ending in a line break; marked, colour-only and half cells.
void fillEditors(const QString &tag)
{
    F_Keikaku1->setNameWithoutLookup(in<QComboBox>(F_Keikaku1, QStringLiteral("ComboBox1")), QStringLiteral("山田 \"花子\", ") + tag);
    F_Keikaku1->setNameWithoutLookup(in<QComboBox>(F_Keikaku1, QStringLiteral("ComboBox2")), QStringLiteral("作成 表子"));
    in<QLineEdit>(F_Keikaku1, QStringLiteral("Edit1"))->setText(QStringLiteral("事業所,能力"));
    in<QLineEdit>(F_Keikaku1, QStringLiteral("Edit2"))->setText(QStringLiteral("東京都 ― 1-2"));
    for (const char *name : {"Label15", "Label12", "Label16", "Label17", "Label18", "Label19", "Label21", "Label13", "Label14"})
        in<QLabel>(F_Keikaku1, QLatin1String(name))->setText(QStringLiteral("%1 %2").arg(QLatin1String(name), tag));
    in<QPlainTextEdit>(F_Keikaku1, QStringLiteral("Memo_1"))->setPlainText(QStringLiteral("要介護２"));
    in<QPlainTextEdit>(F_Keikaku1, QStringLiteral("Memo_2"))->setPlainText(QStringLiteral("一行目, \"引用\"\n表と能\n\n四行目\n"));
    in<QPlainTextEdit>(F_Keikaku1, QStringLiteral("Memo_3"))->setPlainText(QStringLiteral("a b\nc"));
    in<QPlainTextEdit>(F_Keikaku1, QStringLiteral("Memo_4"))->setPlainText(tag);
    in<QPlainTextEdit>(F_Keikaku1, QStringLiteral("Memo_5"))->setPlainText(QStringLiteral("一人暮らし"));
    for (int i = 1; i <= 28; ++i)
        in<QPlainTextEdit>(F_Keikaku2, QStringLiteral("Memo%1").arg(i))->setPlainText(QStringLiteral("%1行\n二行目 ―\n三").arg(i));
    for (int i = 1; i <= 12; ++i)
        in<QLineEdit>(F_Keikaku2, QStringLiteral("Edit%1").arg(i))->setText(QStringLiteral("%1ヶ月").arg(i));
    in<QLabel>(F_Keikaku2, QStringLiteral("Label20"))->setText(QString());
    cell(0)->setText(QStringLiteral("訪問介護"));
    cell(0)->setBackgroundRef(65535);
    cell(0)->setTextColorRef(255);
    cell(1)->setBackgroundRef(65535); // colour only, upper half
    cell(1)->setTopAndHeight(24 * 2 + 12, 8);
    cell(30)->setBackgroundRef(123456); // colour only, lower half
    cell(30)->setTopAndHeight(24 * 7 + 21, 8);
    cell(167)->setText(QStringLiteral("通所,表\\"));
    cell(167)->setBackgroundRef(1);
    for (int n = 1; n <= 24; ++n)
        in<QLineEdit>(F_Keikaku3, QStringLiteral("Edit%1").arg(n))->setText(QStringLiteral("活動 %1").arg(n));
    in<QPlainTextEdit>(F_Keikaku3, QStringLiteral("Memo1"))->setPlainText(QStringLiteral("福祉用具, 月1回\n") + tag);
}

void changeEditors()
{
    fillEditors(QStringLiteral("別"));
    cell(0)->setText(QString());
    cell(0)->setBackgroundRef(WhiteColorRef);
    cell(1)->setTopAndHeight(24 * 2 + 12, 17);
    in<QLabel>(F_Keikaku2, QStringLiteral("Label20"))->setText(QStringLiteral("○"));
}

void save(const QString &fileName)
{
    DialogHooks::setNextFileName(fileName);
    F_Main->N1Click();
}

void listFile(const QString &fileName)
{
    DialogHooks::setNextFileName(fileName);
    guardEvent([] { F_ReadDT->Button1Click(); });
}

QListWidget *entries()
{
    return in<QListWidget>(F_ReadDT, QStringLiteral("ListBox1"));
}

void loadRow(int row)
{
    entries()->setCurrentRow(row);
    guardEvent([] { F_ReadDT->ListBox1DblClick(); });
}

} // namespace

class TestSaveLoad : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void savedPlanComesBackExactly();
    void savingAppendsOneLineOfAllFields();
    void savingNeedsUserAndDate();
    void savingRefusesCharactersCodePage932CannotHold();
    void everyRevisionOfADayLoadsItsOwnLine();
    void loadingRefreshesTheWeeklySnapshot();
    void loadingFailures_data();
    void loadingFailures();
    void listingAndPickingFailures();

private:
    std::unique_ptr<TempCurrentDir> m_dir;
};

void TestSaveLoad::initTestCase()
{
    m_dir = std::make_unique<TempCurrentDir>();
    chooseFontFamilies();
    DialogHooks::startRecording();
    CreateAllWindows();
    DialogHooks::takeErrors();
}

void TestSaveLoad::init()
{
    DialogHooks::takeErrors();
    DialogHooks::takeMessages();
}

void TestSaveLoad::savedPlanComesBackExactly()
{
    fillEditors(QStringLiteral("元"));
    const QStringList saved = editorContents();
    save(QStringLiteral("plans.csv"));
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
    QCOMPARE(DialogHooks::takeMessages(), QStringList());

    changeEditors();
    QVERIFY(editorContents() != saved);
    listFile(QStringLiteral("plans.csv"));
    QCOMPARE(entries()->count(), 1);
    QVERIFY(in<QLabel>(F_ReadDT, QStringLiteral("Label1"))->isVisibleTo(F_ReadDT));
    loadRow(0);
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
    QCOMPARE(editorContents(), saved);
    QCOMPARE(CurrentUserName, QStringLiteral("山田 \"花子\", 元"));
    QCOMPARE(CellHalf[1], quint8(1));
    QCOMPARE(CellHalf[30], quint8(2));
    QCOMPARE(CellHalf[0], quint8(0));
}

void TestSaveLoad::savingAppendsOneLineOfAllFields()
{
    fillEditors(QStringLiteral("二"));
    save(QStringLiteral("twice.csv"));
    const QByteArray once = TempCurrentDir::read(QStringLiteral("twice.csv"));
    QVERIFY(once.endsWith("\r\n"));
    QCOMPARE(SplitTextLines(once).size(), 1);
    QCOMPARE(SplitFields(SplitTextLines(once).front()).size(), 927);
    save(QStringLiteral("twice.csv"));
    QCOMPARE(TempCurrentDir::read(QStringLiteral("twice.csv")), once + once);
}

void TestSaveLoad::savingNeedsUserAndDate()
{
    fillEditors(QStringLiteral("三"));
    in<QLabel>(F_Keikaku1, QStringLiteral("Label16"))->setText(QString());
    F_Main->N1Click(); // no dialog is shown
    QCOMPARE(DialogHooks::takeMessages(), QStringList{QStringLiteral("利用者名又は作成日が入力されてません！")});
    fillEditors(QStringLiteral("三"));
    DialogHooks::setNextFileName(QString()); // cancelled
    F_Main->N1Click();
    QCOMPARE(DialogHooks::takeMessages(), QStringList());
}

void TestSaveLoad::savingRefusesCharactersCodePage932CannotHold()
{
    fillEditors(QStringLiteral("四"));
    in<QPlainTextEdit>(F_Keikaku2, QStringLiteral("Memo6"))->setPlainText(QStringLiteral("吉田𠮷子さん"));
    save(QStringLiteral("refused.csv"));
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
    const QStringList messages = DialogHooks::takeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.front().contains(QStringLiteral("𠮷")) && messages.front().contains(QStringLiteral("長期目標（2段目）")) &&
                 messages.front().contains(QStringLiteral("居宅サービス計画書（２）")),
             qPrintable(messages.front()));
    QVERIFY(!QFile::exists(QStringLiteral("refused.csv")));
}

void TestSaveLoad::everyRevisionOfADayLoadsItsOwnLine()
{
    fillEditors(QStringLiteral("版"));
    in<QPlainTextEdit>(F_Keikaku1, QStringLiteral("Memo_4"))->setPlainText(QStringLiteral("第一版"));
    save(QStringLiteral("revisions.csv"));
    in<QPlainTextEdit>(F_Keikaku1, QStringLiteral("Memo_4"))->setPlainText(QStringLiteral("第二版"));
    save(QStringLiteral("revisions.csv"));
    listFile(QStringLiteral("revisions.csv"));
    QCOMPARE(entries()->count(), 2);
    loadRow(1);
    QCOMPARE(in<QPlainTextEdit>(F_Keikaku1, QStringLiteral("Memo_4"))->toPlainText(), QStringLiteral("第二版"));
    loadRow(0);
    QCOMPARE(in<QPlainTextEdit>(F_Keikaku1, QStringLiteral("Memo_4"))->toPlainText(), QStringLiteral("第一版"));
}

void TestSaveLoad::loadingRefreshesTheWeeklySnapshot()
{
    fillEditors(QStringLiteral("週"));
    save(QStringLiteral("weekly.csv"));
    changeEditors();
    F_Keikaku3->show();
    F_Keikaku3->close(); // the snapshot of another grid
    QCOMPARE(CellMarked[0], quint8(0));
    listFile(QStringLiteral("weekly.csv"));
    loadRow(0);
    QCOMPARE(CellText[0], QStringLiteral("訪問介護"));
    QCOMPARE(CellMarked[0], quint8(1));
    QCOMPARE(CellMarked[1], quint8(1));
    QCOMPARE(CellText[167], QStringLiteral("通所,表\\"));
    QCOMPARE(ActivityText[23], QStringLiteral("活動 24"));
}

void TestSaveLoad::loadingFailures_data()
{
    QTest::addColumn<int>("fieldCount"); // of the matching line
    QTest::addColumn<QByteArray>("before"); // a line before it
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("loadedSheet1");
    QTest::newRow("matching line too short") << 500 << QByteArray() << QStringLiteral("リストのインデックスが範囲を超えています (500)") << true;
    QTest::newRow("colour not a number") << -64 << QByteArray() << QStringLiteral("'x' は整数ではありません.") << true;
    QTest::newRow("empty line before it") << 927 << QByteArray("\r\n") << QStringLiteral("リストのインデックスが範囲を超えています (0)") << false;
}

void TestSaveLoad::loadingFailures()
{
    QFETCH(int, fieldCount);
    QFETCH(QByteArray, before);
    QFETCH(QString, error);
    QFETCH(bool, loadedSheet1);
    QList<QByteArray> fields;
    for (int n = 1; n <= 927; ++n)
        fields << QByteArray::number(n);
    fields[0] = "user";
    fields[6] = "date";
    fields[2] = "loaded address";
    if (fieldCount < 0)
        fields[-fieldCount - 1] = "x";
    else
        fields = fields.mid(0, fieldCount);
    // Listed while the file was whole; damaged before loading.
    TempCurrentDir::write(QStringLiteral("bad.csv"), JoinFields(fields.mid(0, 12)) + "\r\n");
    listFile(QStringLiteral("bad.csv"));
    TempCurrentDir::write(QStringLiteral("bad.csv"), before + JoinFields(fields) + "\r\n");
    F_Keikaku1->findChild<QLabel *>(QStringLiteral("Label12"))->setText(QStringLiteral("before"));
    CurrentUserName = QStringLiteral("someone");
    F_ReadDT->show();
    loadRow(0);
    QCOMPARE(DialogHooks::takeErrors(), QStringList{error});
    QVERIFY(F_ReadDT->isVisible());
    QCOMPARE(CurrentUserName, QStringLiteral("user"));
    QCOMPARE(in<QLabel>(F_Keikaku1, QStringLiteral("Label12"))->text(),
             loadedSheet1 ? QStringLiteral("loaded address") : QStringLiteral("before"));
    F_ReadDT->hide();
}

void TestSaveLoad::listingAndPickingFailures()
{
    // Nothing selected: the list-index message with -1; nothing changes.
    TempCurrentDir::write(QStringLiteral("empty.csv"), QByteArray());
    listFile(QStringLiteral("empty.csv"));
    QCOMPARE(entries()->count(), 0);
    guardEvent([] { F_ReadDT->ListBox1DblClick(); });
    QCOMPARE(DialogHooks::takeErrors(), QStringList{QStringLiteral("リストのインデックスが範囲を超えています (-1)")});

    // A short line stops the listing; the entries before it stay.
    QList<QByteArray> whole;
    for (int n = 1; n <= 12; ++n)
        whole << QByteArray::number(n);
    TempCurrentDir::write(QStringLiteral("short.csv"), JoinFields(whole) + "\r\n" + JoinFields(whole.mid(0, 6)) + "\r\n" + JoinFields(whole));
    listFile(QStringLiteral("short.csv"));
    QCOMPARE(DialogHooks::takeErrors(), QStringList{QStringLiteral("リストのインデックスが範囲を超えています (6)")});
    QCOMPARE(entries()->count(), 1);
    QCOMPARE(entries()->item(0)->text(), QStringLiteral("1 / 7 / 12"));

    // The file removed after listing: 103; the entry's name is already the current user, nothing else changed.
    TempCurrentDir::write(QStringLiteral("gone.csv"), JoinFields(whole) + "\r\n");
    listFile(QStringLiteral("gone.csv"));
    QFile::remove(QStringLiteral("gone.csv"));
    const QStringList before = editorContents();
    loadRow(0);
    QCOMPARE(DialogHooks::takeErrors(), QStringList{QStringLiteral("I/O エラー (103)")});
    QCOMPARE(CurrentUserName, QStringLiteral("1"));
    QCOMPARE(editorContents(), before);

    // Listing a file that does not exist: the list is emptied first.
    listFile(QStringLiteral("nowhere.csv"));
    QCOMPARE(DialogHooks::takeErrors(), QStringList{QStringLiteral("I/O エラー (103)")});
    QCOMPARE(entries()->count(), 0);
}

QTEST_MAIN(TestSaveLoad)
#include "tst_saveload.moc"
