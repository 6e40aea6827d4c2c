#include "TestSupport.h"

#include "masters/MasterFile.h"
#include "masters/MasterForm.h"
#include "masters/U_Jisya.h"
#include "masters/U_RyoM.h"
#include "masters/U_Service.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "shell/ConfFile.h"
#include "shell/U_Main.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using Lines = QList<QByteArray>;

namespace {

// The files the windows find at start. The user file ends without a line end.
const Lines RiyouLines = {
    sjis(QStringLiteral("0000000001,見本 花子,1935/04/12,東京都 世田谷区 1-2,継続,認定済,2024/03/20,2024/04/01,"
                        "2026/03/31,要介護２,一人暮らし")),
    sjis(QStringLiteral("0000000002,短い 行")),
    QByteArray(),
    sjis(QStringLiteral("9,日付 違い,1950/1/2,住所,初回,申請中,令和1年,2025/01/01,2025/12/31,要介護１,その他")),
    QByteArray("\x85\x40\xFF,\x82"), // not valid code page 932
};
const Lines JisyaLines = {
    sjis(QStringLiteral("ひまわり事業所,東京都 世田谷区 見本町 4-5-6,介護 一郎")),
    sjis(QStringLiteral("さくら,横浜市,支援 由美")),
};
const Lines ServiceLines = {
    sjis(QStringLiteral("訪問介護")),
    sjis(QStringLiteral("身体介護,訪問介護（身体介護中心）")),
    sjis(QStringLiteral("\"通所\"　介護 ")),
};

// The field controls of each window, in the order of the record's fields.
QStringList fieldControls(const QString &window)
{
    if (window == QLatin1String("TF_RiyoM"))
        return {"Edit1",           "Edit2",           "DateTimePicker4", "Edit4",     "ComboBox1", "ComboBox2",
                "DateTimePicker1", "DateTimePicker2", "DateTimePicker3", "ComboBox3", "ComboBox4"};
    if (window == QLatin1String("TFrmJisya"))
        return {"Edit1", "Edit2", "Edit3"};
    return {"Edit1"};
}

Form *masterWindow(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name)
            return qobject_cast<Form *>(w);
    }
    return nullptr;
}

QWidget *control(QWidget *window, const QString &name)
{
    return window->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
}

MasterListBox *listBox(QWidget *window)
{
    return window->findChild<MasterListBox *>(QStringLiteral("ListBox1"));
}

QString controlText(QWidget *c)
{
    if (auto *edit = qobject_cast<QLineEdit *>(c))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(c))
        return combo->currentText();
    return qobject_cast<QDateEdit *>(c)->date().toString(ShortDateFormat);
}

void setControlText(QWidget *c, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(c))
        edit->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(c))
        combo->setEditText(text);
    else
        qobject_cast<QDateEdit *>(c)->setDate(QDate::fromString(text, ShortDateFormat));
}

QStringList fieldTexts(QWidget *window)
{
    QStringList texts;
    for (const QString &name : fieldControls(window->objectName()))
        texts << controlText(control(window, name));
    return texts;
}

// Sets every field control: text controls to the text, date pickers to 2000/01/01.
void presetFields(QWidget *window, const QString &text)
{
    for (const QString &name : fieldControls(window->objectName())) {
        QWidget *c = control(window, name);
        setControlText(c, qobject_cast<QDateEdit *>(c) ? QStringLiteral("2000/01/01") : text);
    }
}

void setFields(QWidget *window, const QStringList &texts)
{
    const QStringList names = fieldControls(window->objectName());
    for (int i = 0; i < names.size(); ++i)
        setControlText(control(window, names.at(i)), texts.at(i));
}

Lines entryLines(QWidget *window)
{
    return listBox(window)->lines();
}

QStringList entryTexts(QWidget *window)
{
    QStringList texts;
    MasterListBox *list = listBox(window);
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

int selectedRow(QWidget *window)
{
    QListWidgetItem *entry = listBox(window)->selectedEntry();
    return entry ? listBox(window)->row(entry) : -1;
}

void clickEntry(QWidget *window, int row)
{
    MasterListBox *list = listBox(window);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void clickButton(QWidget *window, const char *name)
{
    QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
}

void showFromMenu(const char *item)
{
    F_Main->menuBar()->findChild<QAction *>(QLatin1String(item))->trigger();
}

} // namespace

class TestMasters : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readingRule_data();
    void readingRule();
    void creationLoadsEachFile();
    void selectingFillsTheFields_data();
    void selectingFillsTheFields();
    void refusedFieldsChangeNothing_data();
    void refusedFieldsChangeNothing();
    void userListAddEditDeleteWrite();
    void serviceListKeepsCommasAndEmptyEntries();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();

private:
    std::unique_ptr<TempCurrentDir> m_dir;
};

void TestMasters::initTestCase()
{
    m_dir = std::make_unique<TempCurrentDir>();
    TempCurrentDir::write(ConfFileName, QByteArray("0\r\n").repeated(10));
    QByteArray riyou = withLineEnds(RiyouLines);
    riyou.chop(2);
    TempCurrentDir::write(RiyouFileName, riyou);
    TempCurrentDir::write(JisyaFileName, withLineEnds(JisyaLines));
    // The service list ends at the zero byte.
    TempCurrentDir::write(ServiceFileName, withLineEnds(ServiceLines) + QByteArray("\0junk\r\n", 7));
    chooseFontFamilies();
    DialogHooks::startRecording();
    // The menu commands come before the main window's first paint, so the first of them creates the other windows.
    CreateMainWindow();
    F_Main->show();
    for (const char *item : {"N7", "N8", "N9"})
        showFromMenu(item);
    for (QWidget *w : QList<QWidget *>{FrmJisya, F_RiyoM, F_Service})
        QVERIFY(QTest::qWaitForWindowExposed(w));
}

void TestMasters::readingRule_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("zeroEndsText");
    QTest::addColumn<Lines>("lines");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << false << Lines{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << false << Lines{"a", "b"};
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << false << Lines{"a", "b"};
    QTest::newRow("mixed, LF CR is two line ends")
        << QByteArray("a\n\rb\r\r\nc") << false << Lines{"a", "", "b", "", "c"};
    QTest::newRow("empty line in the middle") << QByteArray("a\r\n\r\nb\r\n") << false << Lines{"a", "", "b"};
    QTest::newRow("last line without line end") << QByteArray("a\r\nb") << false << Lines{"a", "b"};
    QTest::newRow("empty line at the end") << QByteArray("a\r\n\r\n") << false << Lines{"a", ""};
    QTest::newRow("only a line end") << QByteArray("\r\n") << false << Lines{""};
    QTest::newRow("empty file") << QByteArray() << false << Lines{};
    QTest::newRow("invalid bytes kept") << QByteArray("\x85\x40\xFF\r\n\x82\r\n\xFD,\"x\" \t") << false
                                        << Lines{"\x85\x40\xFF", "\x82", "\xFD,\"x\" \t"};
    QTest::newRow("zero byte in a user line")
        << QByteArray("a\r\nb\0c\r\nd", 9) << false << Lines{"a", QByteArray("b\0c", 3), "d"};
    QTest::newRow("zero byte ends the service list") << QByteArray("a\r\nb\0c\r\nd", 9) << true << Lines{"a", "b"};
    QTest::newRow("zero byte right after a line end") << QByteArray("a\r\n\0b", 5) << true << Lines{"a"};
}

void TestMasters::readingRule()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, zeroEndsText);
    QFETCH(Lines, lines);
    TempCurrentDir dir;
    const auto zeroByte = zeroEndsText ? MasterFile::ZeroByte::EndsText : MasterFile::ZeroByte::InLine;
    TempCurrentDir::write(QStringLiteral("list.txt"), content);
    QCOMPARE(MasterFile::read(QStringLiteral("list.txt"), zeroByte), lines);

    // Written back: every entry with one CR LF, and read again the same.
    MasterFile::write(QStringLiteral("list.txt"), lines);
    QCOMPARE(TempCurrentDir::read(QStringLiteral("list.txt")), withLineEnds(lines));
    QCOMPARE(MasterFile::read(QStringLiteral("list.txt"), zeroByte), lines);
}

void TestMasters::creationLoadsEachFile()
{
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
    QCOMPARE(DialogHooks::takeMessages(), QStringList());
    QCOMPARE(entryLines(F_RiyoM), RiyouLines);
    QCOMPARE(entryLines(FrmJisya), JisyaLines);
    QCOMPARE(entryLines(F_Service), ServiceLines);
    QCOMPARE(entryTexts(F_Service).at(2), QStringLiteral("\"通所\"　介護 "));
    QCOMPARE(entryTexts(F_RiyoM).at(4), QString::fromUtf16(u"\uFFFD@\uF8F3,\uFFFD"));

    // Text controls start empty, date pickers at today.
    const QString today = QDate::currentDate().toString(ShortDateFormat);
    QCOMPARE(fieldTexts(F_RiyoM), QStringList({"", "", today, "", "", "", today, today, today, "", ""}));
    QCOMPARE(fieldTexts(FrmJisya), QStringList({"", "", ""}));
    QCOMPARE(fieldTexts(F_Service), QStringList({""}));

    // Without its file a window starts with an empty list, and nothing is reported.
    TempCurrentDir empty;
    TF_Service withoutFile;
    QCOMPARE(listBox(&withoutFile)->count(), 0);
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
    QCOMPARE(DialogHooks::takeMessages(), QStringList());
}

void TestMasters::selectingFillsTheFields_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("how"); // "click", "key" (Down from the row above) or "again" (click it twice)
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("error");
    const QString kept = QStringLiteral("前");
    const QString keptDate = QStringLiteral("2000/01/01");
    QTest::newRow("user, whole record") << "TF_RiyoM" << 0 << "click"
                                        << QStringList{"0000000001", "見本 花子", "1935/04/12", "東京都 世田谷区 1-2",
                                                       "継続",       "認定済",    "2024/03/20", "2024/04/01",
                                                       "2026/03/31", "要介護２",  "一人暮らし"}
                                        << QString();
    QTest::newRow("user, fewer fields empty the other text controls")
        << "TF_RiyoM" << 1 << "key"
        << QStringList{"0000000002", "短い 行", keptDate, "", "", "", keptDate, keptDate, keptDate, "", ""}
        << QString();
    QTest::newRow("user, empty line") << "TF_RiyoM" << 2 << "click"
                                      << QStringList{"", "", keptDate, "", "", "", keptDate, keptDate, keptDate, "", ""}
                                      << QString();
    QTest::newRow("user, a date that cannot be read stops the filling")
        << "TF_RiyoM" << 3 << "click" << QStringList{"9",      "日付 違い", "1950/01/02", "住所", "初回", "申請中",
                                                     keptDate, keptDate,    keptDate,     kept,   kept}
        << QStringLiteral("'令和1年' は日付ではありません.");
    QTest::newRow("creator, spaces kept")
        << "TFrmJisya" << 0 << "click" << QStringList{"ひまわり事業所", "東京都 世田谷区 見本町 4-5-6", "介護 一郎"}
        << QString();
    QTest::newRow("creator, clicked again")
        << "TFrmJisya" << 1 << "again" << QStringList{"さくら", "横浜市", "支援 由美"} << QString();
    QTest::newRow("service, up to the first comma")
        << "TF_Service" << 1 << "key" << QStringList{"身体介護"} << QString();
    QTest::newRow("service, quotes and spaces whole")
        << "TF_Service" << 2 << "click" << QStringList{"\"通所\"　介護 "} << QString();
}

void TestMasters::selectingFillsTheFields()
{
    QFETCH(QString, window);
    QFETCH(int, row);
    QFETCH(QString, how);
    QFETCH(QStringList, fields);
    QFETCH(QString, error);
    Form *w = masterWindow(window);
    if (how == QLatin1String("key")) {
        clickEntry(w, row - 1);
        presetFields(w, QStringLiteral("前"));
        QTest::keyClick(listBox(w), Qt::Key_Down);
    } else {
        if (how == QLatin1String("again"))
            clickEntry(w, row);
        presetFields(w, QStringLiteral("前"));
        clickEntry(w, row);
    }
    QCOMPARE(selectedRow(w), row);
    QCOMPARE(fieldTexts(w), fields);
    QCOMPARE(DialogHooks::takeErrors(), error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(DialogHooks::takeMessages(), QStringList());
}

void TestMasters::refusedFieldsChangeNothing_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    auto row = [](const char *name, const char *window, const char *control, const char *text, const char *message) {
        QTest::newRow(name) << window << control << text << message;
    };
    row("user number with a comma", "TF_RiyoM", "Edit1", "1,2", "被保険者番号にカンマ（,）は使えません");
    row("user name with a comma", "TF_RiyoM", "Edit2", "見本,花子", "被保険者名にカンマ（,）は使えません");
    row("typed care level with a comma", "TF_RiyoM", "ComboBox3", "要介護,１", "介護区分にカンマ（,）は使えません");
    row("creator address with a comma", "TFrmJisya", "Edit2", "東京都,世田谷区", "事業所住所にカンマ（,）は使えません");
    row("pasted line break", "TFrmJisya", "Edit3", "介護\r\n一郎", "作成者名に改行は使えません");
    row("user name outside code page 932", "TF_RiyoM", "Edit2", "吉田𠮷子",
        "文字「𠮷」(U+20BB7) はシフトJISで保存できないため使えません");
    row("service with an emoji", "TF_Service", "Edit1", "訪問😀",
        "文字「😀」(U+1F600) はシフトJISで保存できないため使えません");
}

void TestMasters::refusedFieldsChangeNothing()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Form *w = masterWindow(window);
    const Lines before = entryLines(w);

    // The other fields hold a record that is accepted.
    clickEntry(w, 0);
    setControlText(::control(w, control), text);
    clickButton(w, w == F_RiyoM ? "Btn_ADD" : "Button1");
    QCOMPARE(DialogHooks::takeMessages(), QStringList{message});
    QCOMPARE(entryLines(w), before);
    clickButton(w, w == F_RiyoM ? "Btn_MOD" : "BtnMody");
    QCOMPARE(DialogHooks::takeMessages(), QStringList{message});
    QCOMPARE(entryLines(w), before);
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
}

void TestMasters::userListAddEditDeleteWrite()
{
    MasterListBox *list = listBox(F_RiyoM);
    QCOMPARE(entryLines(F_RiyoM), RiyouLines);
    list->clearSelection();
    const QStringList added = {"0000000010", "追加 次郎",  "1940/02/03", "住所 1-1", "継続",      "認定済",
                               "2024/01/05", "2024/02/01", "2025/01/31", "要介護３", "自由な理由"};
    const QByteArray addedLine = sjis(QStringLiteral("0000000010,追加 次郎,1940/02/03,住所 1-1,継続,認定済,"
                                                     "2024/01/05,2024/02/01,2025/01/31,要介護３,自由な理由"));

    // "追加" twice: two identical lines at the end; the controls and the selection stay.
    setFields(F_RiyoM, added);
    clickButton(F_RiyoM, "Btn_ADD");
    clickButton(F_RiyoM, "Btn_ADD");
    QCOMPARE(entryLines(F_RiyoM), (RiyouLines + Lines{addedLine, addedLine}));
    QCOMPARE(fieldTexts(F_RiyoM), added);
    QCOMPARE(selectedRow(F_RiyoM), -1);

    // "編集" without a selection changes nothing.
    clickButton(F_RiyoM, "Btn_MOD");
    QCOMPARE(DialogHooks::takeMessages(), QStringList{"編集リストを選択してください"});
    QCOMPARE(entryLines(F_RiyoM).size(), 7);

    // "編集" replaces the selected line in place and keeps it selected.
    clickEntry(F_RiyoM, 0);
    setControlText(control(F_RiyoM, QStringLiteral("Edit2")), QStringLiteral("見本 花子 改"));
    clickButton(F_RiyoM, "Btn_MOD");
    QCOMPARE(DialogHooks::takeMessages(), QStringList{"更新しました"});
    const QByteArray editedLine = sjis(QStringLiteral("0000000001,見本 花子 改,1935/04/12,東京都 世田谷区 1-2,継続,"
                                                      "認定済,2024/03/20,2024/04/01,2026/03/31,要介護２,一人暮らし"));
    QCOMPARE(entryLines(F_RiyoM).at(0), editedLine);
    QCOMPARE(selectedRow(F_RiyoM), 0);

    // "削除" answered No removes nothing, answered Yes removes the entry; both empty the text controls, and the
    // date pickers keep their dates.
    const QStringList emptied = {"", "", "1935/04/12", "", "", "", "2024/03/20", "2024/04/01", "2026/03/31", "", ""};
    DialogHooks::setNextAnswer(false);
    clickButton(F_RiyoM, "Btn_DEL");
    QCOMPARE(DialogHooks::takeQuestionCount(), 1);
    QCOMPARE(entryLines(F_RiyoM).size(), 7);
    QCOMPARE(fieldTexts(F_RiyoM), emptied);

    clickEntry(F_RiyoM, 6);
    DialogHooks::setNextAnswer(true);
    clickButton(F_RiyoM, "Btn_DEL");
    QCOMPARE(DialogHooks::takeQuestionCount(), 1);
    const Lines expected = Lines{editedLine} + RiyouLines.mid(1) + Lines{addedLine};
    QCOMPARE(entryLines(F_RiyoM), expected);
    QCOMPARE(selectedRow(F_RiyoM), -1);
    QCOMPARE(fieldTexts(F_RiyoM).at(1), QString());

    // "削除" without a selection asks nothing and still empties the text controls.
    setControlText(control(F_RiyoM, QStringLiteral("Edit4")), QStringLiteral("x"));
    clickButton(F_RiyoM, "Btn_DEL");
    QCOMPARE(DialogHooks::takeMessages(), QStringList{"削除リストを選択してください"});
    QCOMPARE(DialogHooks::takeQuestionCount(), 0);
    QCOMPARE(fieldTexts(F_RiyoM).at(3), QString());
    QCOMPARE(entryLines(F_RiyoM), expected);

    // "戻る" hides the window; shown again from the menu, it has kept its list and controls.
    setFields(F_RiyoM, added);
    clickButton(F_RiyoM, "Btn_RTN");
    QVERIFY(!F_RiyoM->isVisible());
    showFromMenu("N8");
    QVERIFY(F_RiyoM->isVisible());
    QCOMPARE(entryLines(F_RiyoM), expected);
    QCOMPARE(fieldTexts(F_RiyoM), added);

    {
        // "書込": every line with one CR LF, the lines nobody edited byte for byte.
        TempCurrentDir dir;
        clickButton(F_RiyoM, "Btn_Write");
        QCOMPARE(DialogHooks::takeMessages(), QStringList{"保存しました"});
        QCOMPARE(TempCurrentDir::read(RiyouFileName), withLineEnds(expected));
        TF_RiyoM reread;
        QCOMPARE(entryLines(&reread), expected);
    }
    // A restart without "書込" finds the file as it was.
    TF_RiyoM restarted;
    QCOMPARE(entryLines(&restarted), RiyouLines);
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
}

void TestMasters::serviceListKeepsCommasAndEmptyEntries()
{
    TempCurrentDir dir;
    auto *edit1 = F_Service->findChild<QLineEdit *>(QStringLiteral("Edit1"));

    // An empty name box adds an empty entry; selecting it empties the name box.
    edit1->clear();
    clickButton(F_Service, "Button1");
    clickButton(F_Service, "Button1");
    edit1->setText(QStringLiteral("前"));
    clickEntry(F_Service, 3);
    QCOMPARE(edit1->text(), QString());

    // "編集" replaces the whole entry, note included, by the name box; a comma is kept.
    clickEntry(F_Service, 1);
    edit1->setText(QStringLiteral("身体介護,ﾒﾓ"));
    clickButton(F_Service, "BtnMody");
    QCOMPARE(DialogHooks::takeMessages(), QStringList{"更新しました"});

    // "削除" answered No keeps the entry and empties the name box.
    clickEntry(F_Service, 4);
    DialogHooks::setNextAnswer(false);
    clickButton(F_Service, "BtnDelete");
    QCOMPARE(edit1->text(), QString());
    QCOMPARE(DialogHooks::takeQuestionCount(), 1);

    clickButton(F_Service, "Btn_Write");
    QCOMPARE(DialogHooks::takeMessages(), QStringList{"保存しました"});
    QCOMPARE(TempCurrentDir::read(ServiceFileName),
             sjis(QStringLiteral("訪問介護\r\n身体介護,ﾒﾓ\r\n\"通所\"　介護 \r\n\r\n\r\n")));
}

void TestMasters::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("folderInPlace"); // otherwise the disk fills up while writing
    QTest::addColumn<QString>("error");
    QTest::newRow("users, a folder in place of the file")
        << "TF_RiyoM" << RiyouFileName << true << "ファイル Riyou.txt を作成できません.";
    QTest::newRow("creators, a folder in place of the file")
        << "TFrmJisya" << JisyaFileName << true << "ファイル Jisya.txt を作成できません.";
    QTest::newRow("services, disk full") << "TF_Service" << ServiceFileName << false << "ディスクがいっぱいです.";
}

void TestMasters::failedWriteKeepsTheOldFile()
{
    QFETCH(QString, window);
    QFETCH(QString, fileName);
    QFETCH(bool, folderInPlace);
    QFETCH(QString, error);
    Form *w = masterWindow(window);
    TempCurrentDir dir;
    const QByteArray old = "old\r\n";
    if (folderInPlace) {
        QVERIFY(QDir().mkdir(fileName));
        TempCurrentDir::write(fileName + QStringLiteral("/inside.txt"), old);
        clickButton(w, "Btn_Write");
    } else {
        TempCurrentDir::write(fileName, old);
        const FileSizeLimit limit(old.size());
        clickButton(w, "Btn_Write");
    }
    QCOMPARE(DialogHooks::takeErrors(), QStringList{error});
    QCOMPARE(DialogHooks::takeMessages(), QStringList());
    QCOMPARE(TempCurrentDir::read(folderInPlace ? fileName + QStringLiteral("/inside.txt") : fileName), old);
    // No temporary file is left behind.
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{fileName});
}

QTEST_MAIN(TestMasters)
#include "tst_masters.moc"
