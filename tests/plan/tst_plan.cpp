#include "TestSupport.h"

#include "plan/PlanFile.h"
#include "plan/PlanRecord.h"
#include "plan/U_Gloval.h"
#include "platform/AppError.h"

#include <QtTest>

using Fields = QList<QByteArray>;

class TestPlan : public QObject
{
    Q_OBJECT
private slots:
    void pickField_data();
    void pickField();
    void findLineByField();
    void eraDateText_data();
    void eraDateText();
    void eraDateTextRefuses_data();
    void eraDateTextRefuses();
    void escapeLineBreaks_data();
    void escapeLineBreaks();
    void unescapeLineBreaks_data();
    void unescapeLineBreaks();
    void escapeThenUnescapeGivesTheTextBack();
    void numberFromName();
    void joinFields_data();
    void joinFields();
    void splitFields_data();
    void splitFields();
    void joinThenSplitGivesTheFieldsBack_data();
    void joinThenSplitGivesTheFieldsBack();
    void splitTextLines_data();
    void splitTextLines();
    void lineReaderReadsAcrossBlocks_data();
    void lineReaderReadsAcrossBlocks();
    void splitLeadingFieldsStopsEarly();
    void listingAPlanFile_data();
    void listingAPlanFile();
    void findingThePlanOfAnEntry();
    void appendingPlanLines();
    void readingAPlanRecord_data();
    void readingAPlanRecord();
    void halfStateFromPlace();
};

void TestPlan::pickField_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("piece");
    QTest::newRow("first") << QByteArray("a,b,c") << 1 << QByteArray("a");
    QTest::newRow("last") << QByteArray("a,b,c") << 3 << QByteArray("c");
    QTest::newRow("zero") << QByteArray("a,b,c") << 0 << QByteArray();
    QTest::newRow("beyond the last gives the one before it") << QByteArray("a,b,c") << 5 << QByteArray("b");
    QTest::newRow("no comma, first") << QByteArray("abc") << 1 << QByteArray("abc");
    QTest::newRow("no comma, second") << QByteArray("abc") << 2 << QByteArray();
    QTest::newRow("empty line") << QByteArray() << 1 << QByteArray();
    QTest::newRow("empty middle") << QByteArray("a,,c") << 2 << QByteArray();
    QTest::newRow("quote stays") << QByteArray("\"a b\",c") << 1 << QByteArray("\"a b\"");
    QTest::newRow("blanks stay") << QByteArray(" a , b") << 2 << QByteArray(" b");
}

void TestPlan::pickField()
{
    QFETCH(QByteArray, line);
    QFETCH(int, n);
    QFETCH(QByteArray, piece);
    QCOMPARE(PickField(line, n), piece);
}

void TestPlan::findLineByField()
{
    TempCurrentDir dir;
    TempCurrentDir::write(QStringLiteral("Riyou.txt"), sjis(QStringLiteral("1,山田 花子,x\r\n2,鈴木,y\r\n3,山田 花子,z\n4,山田 花子 ,w")));
    QCOMPARE(FindLineByField(QStringLiteral("Riyou.txt"), sjis(QStringLiteral("山田 花子")), 2),
             sjis(QStringLiteral("3,山田 花子,z")));
    QCOMPARE(FindLineByField(QStringLiteral("Riyou.txt"), sjis(QStringLiteral("鈴木 ")), 2), QByteArray());
    QCOMPARE(FindLineByField(QStringLiteral("Riyou.txt"), sjis(QStringLiteral("山田 花子 ")), 2),
             sjis(QStringLiteral("4,山田 花子 ,w")));
    try {
        FindLineByField(QStringLiteral("Missing.txt"), "a", 1);
        QFAIL("no failure");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), QStringLiteral("ファイルが見つかりません"));
    }
}

void TestPlan::eraDateText_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("era");
    QTest::newRow("平成20") << QStringLiteral("2008/01/15") << QStringLiteral("平成20年1月15日");
    QTest::newRow("one-digit year zero-padded") << QStringLiteral("1996/04/01") << QStringLiteral("平成08年4月1日");
    QTest::newRow("令和 first day") << QStringLiteral("2019/05/01") << QStringLiteral("令和01年5月1日");
    QTest::newRow("平成 last day") << QStringLiteral("2019/04/30") << QStringLiteral("平成31年4月30日");
    QTest::newRow("昭和 last day") << QStringLiteral("1989/01/07") << QStringLiteral("昭和64年1月7日");
    QTest::newRow("平成 first day") << QStringLiteral("1989/01/08") << QStringLiteral("平成01年1月8日");
    QTest::newRow("大正") << QStringLiteral("1920/03/03") << QStringLiteral("大正09年3月3日");
    QTest::newRow("明治 first day") << QStringLiteral("1868/09/08") << QStringLiteral("明治01年9月8日");
    QTest::newRow("without leading zeros") << QStringLiteral("2008/1/5") << QStringLiteral("平成20年1月5日");
    QTest::newRow("with a time") << QStringLiteral("2008/01/15 13:45:10") << QStringLiteral("平成20年1月15日");
    QTest::newRow("with hours and minutes") << QStringLiteral("2008/01/15 9:05") << QStringLiteral("平成20年1月15日");
}

void TestPlan::eraDateText()
{
    QFETCH(QString, date);
    QFETCH(QString, era);
    QCOMPARE(EraDateText(date), era);
}

void TestPlan::eraDateTextRefuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("word") << QStringLiteral("継続");
    QTest::newRow("no such day") << QStringLiteral("2008/02/30");
    QTest::newRow("before 明治") << QStringLiteral("1868/09/07");
    QTest::newRow("bad time") << QStringLiteral("2008/01/15 25:00");
    QTest::newRow("trailing text") << QStringLiteral("2008/01/15x");
}

void TestPlan::eraDateTextRefuses()
{
    QFETCH(QString, text);
    try {
        EraDateText(text);
        QFAIL("no failure");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' は日付または時刻ではありません").arg(text));
    }
}

void TestPlan::escapeLineBreaks_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("escaped");
    QTest::newRow("CR LF") << QByteArray("A\r\nB") << QByteArray("A\\B");
    QTest::newRow("ending in CR LF") << QByteArray("A\r\n") << QByteArray("A\\");
    QTest::newRow("lone CR") << QByteArray("A\rB") << QByteArray("A\\B");
    QTest::newRow("lone LF") << QByteArray("A\nB") << QByteArray("AB");
    QTest::newRow("0x5C trail kept") << sjis(QStringLiteral("表\r\n能")) << QByteArray("\x95\x5C\\\x94\x5C");
}

void TestPlan::escapeLineBreaks()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, escaped);
    QCOMPARE(EscapeLineBreaks(text), escaped);
}

void TestPlan::unescapeLineBreaks_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("unescaped");
    QTest::newRow("marker") << QByteArray("A\\B") << QByteArray("A\r\nB");
    QTest::newRow("表 ― 能 予 ソ") << sjis(QStringLiteral("表―能予ソ")) << sjis(QStringLiteral("表―能予ソ"));
    QTest::newRow("marker after 表") << QByteArray("\x95\x5C\\") << QByteArray("\x95\x5C\r\n");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("half-width katakana then marker") << QByteArray("\xB1\\") << QByteArray("\xB1\r\n");
}

void TestPlan::unescapeLineBreaks()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, unescaped);
    QCOMPARE(UnescapeLineBreaks(text), unescaped);
}

void TestPlan::escapeThenUnescapeGivesTheTextBack()
{
    const QList<QByteArray> texts = {sjis(QStringLiteral("一行目\r\n表と能\r\n\r\n三行目\r\n")), QByteArray("a"),
                                     QByteArray("\r\n\r\n"), sjis(QStringLiteral("ソ―\r\n予"))};
    for (const QByteArray &text : texts)
        QCOMPARE(UnescapeLineBreaks(EscapeLineBreaks(text)), text);
}

void TestPlan::numberFromName()
{
    QCOMPARE(NumberFromName(QStringLiteral("Label32")), 32);
    QCOMPARE(NumberFromName(QStringLiteral("Label199")), 199);
    try {
        NumberFromName(QStringLiteral("LabelX1"));
        QFAIL("no failure");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), QStringLiteral("'X1' は整数ではありません"));
    }
}

void TestPlan::joinFields_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("blank quoted, empty as nothing") << Fields{"a", "", "b c"} << QByteArray("a,,\"b c\"");
    QTest::newRow("quote doubled") << Fields{"x\"y"} << QByteArray("\"x\"\"y\"");
    QTest::newRow("single empty field") << Fields{""} << QByteArray("\"\"");
    QTest::newRow("no fields") << Fields{} << QByteArray();
    QTest::newRow("comma and control byte") << Fields{"a,b", "t\tu"} << QByteArray("\"a,b\",\"t\tu\"");
    QTest::newRow("0x5C trail unquoted") << Fields{sjis(QStringLiteral("表\\"))} << sjis(QStringLiteral("表\\"));
}

void TestPlan::joinFields()
{
    QFETCH(Fields, fields);
    QFETCH(QByteArray, line);
    QCOMPARE(JoinFields(fields), line);
}

void TestPlan::splitFields_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<Fields>("fields");
    QTest::newRow("blank separates") << QByteArray("a b") << Fields{"a", "b"};
    QTest::newRow("blank and comma") << QByteArray("a b,c") << Fields{"a", "b", "c"};
    QTest::newRow("blanks around commas vanish") << QByteArray(" a , b ") << Fields{"a", "b"};
    QTest::newRow("two commas") << QByteArray("a,,b") << Fields{"a", "", "b"};
    QTest::newRow("comma at the end") << QByteArray("a,") << Fields{"a", ""};
    QTest::newRow("blank hides the end") << QByteArray("a, ") << Fields{"a"};
    QTest::newRow("pair of quotes") << QByteArray("\"\"") << Fields{""};
    QTest::newRow("empty line") << QByteArray() << Fields{};
    QTest::newRow("doubled quote") << QByteArray("\"x\"\"y\",z") << Fields{"x\"y", "z"};
    QTest::newRow("unclosed quote runs to the end") << QByteArray("\"a,b") << Fields{"a,b"};
    QTest::newRow("NUL outside quotes ends the line") << QByteArray("a,b\0c", 5) << Fields{"a", "b"};
}

void TestPlan::splitFields()
{
    QFETCH(QByteArray, line);
    QFETCH(Fields, fields);
    QCOMPARE(SplitFields(line), fields);
}

void TestPlan::joinThenSplitGivesTheFieldsBack_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::newRow("blanks, commas, quotes") << Fields{" ", ",", "\"", "\"\"", " a , \"b\" "};
    QTest::newRow("control bytes") << Fields{"\x01", "\t\x1F", "a\x7F", QByteArray("n\0ul", 4)};
    QTest::newRow("0x5C trails") << Fields{sjis(QStringLiteral("表")), sjis(QStringLiteral("能 力")),
                                           sjis(QStringLiteral("―\\\"")), sjis(QStringLiteral("予,ソ"))};
    QTest::newRow("empties") << Fields{"", "", ""};
    QTest::newRow("one empty") << Fields{""};
    QTest::newRow("damaged double-byte") << Fields{"\x81", ",", "\x81 "};
}

void TestPlan::joinThenSplitGivesTheFieldsBack()
{
    QFETCH(Fields, fields);
    QCOMPARE(SplitFields(JoinFields(fields)), fields);
}

void TestPlan::splitTextLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Fields>("lines");
    QTest::newRow("CR LF") << QByteArray("A\r\nB") << Fields{"A", "B"};
    QTest::newRow("LF") << QByteArray("A\nB") << Fields{"A", "B"};
    QTest::newRow("lone CR left out") << QByteArray("A\rB\r\n") << Fields{"AB"};
    QTest::newRow("final line end") << QByteArray("A\r\n") << Fields{"A"};
    QTest::newRow("final empty line") << QByteArray("A\r\n\r\n") << Fields{"A", ""};
    QTest::newRow("empty line in the middle") << QByteArray("A\r\n\r\nB") << Fields{"A", "", "B"};
    QTest::newRow("Ctrl-Z ends") << QByteArray("A\r\n\x1A" "B\r\n") << Fields{"A"};
    QTest::newRow("Ctrl-Z inside a line stays") << QByteArray("A\x1A" "B") << Fields{"A\x1A" "B"};
    QTest::newRow("empty") << QByteArray() << Fields{};
}

void TestPlan::splitTextLines()
{
    QFETCH(QByteArray, content);
    QFETCH(Fields, lines);
    QCOMPARE(SplitTextLines(content), lines);
}

void TestPlan::lineReaderReadsAcrossBlocks_data()
{
    // The reader takes the file in blocks of 1 MiB: lines, line ends and lone CRs fall on their boundaries.
    constexpr int Block = 1 << 20;
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Fields>("lines");

    QByteArray content;
    Fields lines;
    for (int i = 0; content.size() < 2 * Block + 100; ++i) {
        const QByteArray line = QByteArray(i % 7, 'x') + QByteArray::number(i);
        lines << line;
        content += i % 5 == 0 ? line.left(1) + '\r' + line.mid(1) : line;
        content += i % 2 ? "\r\n" : "\n";
    }
    QTest::newRow("short lines") << content << lines;
    for (const int length : {Block - 2, Block - 1, Block}) {
        const QByteArray first(length, 'a');
        const QByteArray longLine(3 * Block, 'b');
        QTest::addRow("CR LF after %d bytes", length)
            << first + "\r\nC\rD\r\n" + longLine + "\r\nlast" << Fields{first, "CD", longLine, "last"};
    }
}

void TestPlan::lineReaderReadsAcrossBlocks()
{
    QFETCH(QByteArray, content);
    QFETCH(Fields, lines);
    TempCurrentDir dir;
    TempCurrentDir::write(QStringLiteral("data.csv"), content);
    QCOMPARE(ReadTextLines(QStringLiteral("data.csv"), FileIo::OpenFailure::ByCode), lines);
}

void TestPlan::splitLeadingFieldsStopsEarly()
{
    QCOMPARE(SplitLeadingFields("a,b,c,d", 2), Fields({"a", "b"}));
    QCOMPARE(SplitLeadingFields("a,", 1), Fields{"a"});
    QCOMPARE(SplitLeadingFields("a,", 5), Fields({"a", ""}));
}

namespace {

// A plan line whose fields are "f1" … "f927", with the given name, date and care level.
QByteArray planLine(const QByteArray &name, const QByteArray &date, const QByteArray &level, int fieldCount = 927)
{
    Fields fields;
    for (int i = 1; i <= fieldCount; ++i)
        fields << "f" + QByteArray::number(i);
    fields[0] = name;
    if (fieldCount > 6)
        fields[6] = date;
    if (fieldCount > 11)
        fields[11] = level;
    return JoinFields(fields);
}

QStringList listAll(const QString &fileName, QString *error)
{
    QStringList texts;
    try {
        ListPlanFile(fileName, [&](const PlanEntry &e) { texts << e.text() + u'#' + QString::number(e.occurrence); });
    } catch (const AppError &e) {
        *error = e.message();
    }
    return texts;
}

} // namespace

void TestPlan::listingAPlanFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("error");
    const QByteArray a = planLine(sjis(QStringLiteral("甲 太郎")), sjis(QStringLiteral("平成20年1月15日")), sjis(QStringLiteral("要介護２")));
    const QByteArray b = planLine("\"a,b\"", "d2", "");
    QTest::newRow("three plans, one saved twice")
        << a + "\r\n" + b + "\r\n" + a + "\r\n"
        << QStringList({QStringLiteral("甲 太郎 / 平成20年1月15日 / 要介護２#0"), QStringLiteral("\"a,b\" / d2 / #0"),
                        QStringLiteral("甲 太郎 / 平成20年1月15日 / 要介護２#1")})
        << QString();
    QTest::newRow("empty file") << QByteArray() << QStringList() << QString();
    QTest::newRow("empty line stops with 0") << a + "\r\n\r\n" + b << QStringList{QStringLiteral("甲 太郎 / 平成20年1月15日 / 要介護２#0")}
                                            << QStringLiteral("リストのインデックスが範囲を超えています (0)");
    QTest::newRow("six fields") << planLine("x", "", "", 6) << QStringList() << QStringLiteral("リストのインデックスが範囲を超えています (6)");
    QTest::newRow("eleven fields") << planLine("x", "d", "", 11) << QStringList()
                                   << QStringLiteral("リストのインデックスが範囲を超えています (11)");
    QTest::newRow("twelve fields are enough") << planLine("x", "d", "l", 12) << QStringList{QStringLiteral("x / d / l#0")} << QString();
}

void TestPlan::listingAPlanFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, entries);
    QFETCH(QString, error);
    TempCurrentDir dir;
    TempCurrentDir::write(QStringLiteral("plans.csv"), content);
    QString message;
    QCOMPARE(listAll(QStringLiteral("plans.csv"), &message), entries);
    QCOMPARE(message, error);
    listAll(QStringLiteral("missing.csv"), &message);
    QCOMPARE(message, QStringLiteral("I/O エラー (103)"));
}

void TestPlan::findingThePlanOfAnEntry()
{
    TempCurrentDir dir;
    QByteArray first = planLine("u", "d", "first");
    QByteArray second = planLine("u", "d", "second");
    TempCurrentDir::write(QStringLiteral("plans.csv"), planLine("v", "d", "other") + "\r\n" + first + "\r\n" + second + "\r\n");
    QList<PlanEntry> entries;
    ListPlanFile(QStringLiteral("plans.csv"), [&](const PlanEntry &e) { entries << e; });
    // Every revision saved on one day loads its own line, also after more plans were appended.
    AppendPlanLine(QStringLiteral("plans.csv"), planLine("u", "d", "third"));
    QCOMPARE(FindPlanLine(QStringLiteral("plans.csv"), entries.at(1))->at(11), QByteArray("first"));
    QCOMPARE(FindPlanLine(QStringLiteral("plans.csv"), entries.at(2))->at(11), QByteArray("second"));
    QCOMPARE(FindPlanLine(QStringLiteral("plans.csv"), entries.at(2))->size(), 927);
    PlanEntry gone = entries.at(0);
    gone.userName = "nobody";
    QVERIFY(!FindPlanLine(QStringLiteral("plans.csv"), gone));

    // A short line of the same user before the match stops the search; another user's short line does not.
    TempCurrentDir::write(QStringLiteral("short.csv"), planLine("v", "", "", 3) + "\r\n" + planLine("u", "", "", 5) + "\r\n" + first);
    try {
        FindPlanLine(QStringLiteral("short.csv"), entries.at(1));
        QFAIL("no failure");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), QStringLiteral("リストのインデックスが範囲を超えています (6)"));
    }
    TempCurrentDir::write(QStringLiteral("empty.csv"), "\r\n" + first);
    QVERIFY_THROWS_EXCEPTION(AppError, FindPlanLine(QStringLiteral("empty.csv"), entries.at(1)));
}

void TestPlan::appendingPlanLines()
{
    TempCurrentDir dir;
    AppendPlanLine(QStringLiteral("new.csv"), "a,b");
    AppendPlanLine(QStringLiteral("new.csv"), "a,b");
    QCOMPARE(TempCurrentDir::read(QStringLiteral("new.csv")), QByteArray("a,b\r\na,b\r\n"));
    // A last line without its line end keeps its own line.
    TempCurrentDir::write(QStringLiteral("open.csv"), "old");
    AppendPlanLine(QStringLiteral("open.csv"), "new");
    QCOMPARE(TempCurrentDir::read(QStringLiteral("open.csv")), QByteArray("old\r\nnew\r\n"));
    QDir().mkdir(QStringLiteral("folder.csv"));
    try {
        AppendPlanLine(QStringLiteral("folder.csv"), "x");
        QFAIL("no failure");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), QStringLiteral("I/O エラー (103)"));
    }
}

void TestPlan::readingAPlanRecord_data()
{
    QTest::addColumn<int>("fieldCount");
    QTest::addColumn<int>("badField"); // 0: none
    QTest::addColumn<int>("loadable");
    QTest::addColumn<QString>("failure");
    QTest::newRow("whole line") << 927 << 0 << 927 << QString();
    QTest::newRow("short line") << 900 << 0 << 900 << QStringLiteral("リストのインデックスが範囲を超えています (900)");
    QTest::newRow("empty line") << 0 << 0 << 0 << QStringLiteral("リストのインデックスが範囲を超えています (0)");
    QTest::newRow("colour not a number") << 927 << 64 << 63 << QStringLiteral("'色' は整数ではありません");
    QTest::newRow("last height not a number") << 927 << 902 << 901 << QStringLiteral("'色' は整数ではありません");
    QTest::newRow("caption may be anything") << 927 << 63 << 927 << QString();
}

void TestPlan::readingAPlanRecord()
{
    QFETCH(int, fieldCount);
    QFETCH(int, badField);
    QFETCH(int, loadable);
    QFETCH(QString, failure);
    Fields fields;
    for (int n = 1; n <= fieldCount; ++n)
        fields << (n == badField ? sjis(QStringLiteral("色")) : QByteArray::number(n));
    const PlanRecord record = ReadPlanRecord(fields);
    QCOMPARE(record.loadableFields, loadable);
    QCOMPARE(record.failure.value_or(QString()), failure);
    if (loadable == 927) {
        QCOMPARE(record.cells[0].background, badField == 64 ? 0 : 64);
        QCOMPARE(record.cells[167].height, 902);
        QCOMPARE(record.cells[167].caption, QByteArray("898"));
    }
}

void TestPlan::halfStateFromPlace()
{
    QCOMPARE(HalfStateOf(36, 17), quint8(0));
    QCOMPARE(HalfStateOf(36, 8), quint8(1));
    QCOMPARE(HalfStateOf(588, 8), quint8(1));
    QCOMPARE(HalfStateOf(45, 8), quint8(2));
    QCOMPARE(HalfStateOf(54, 8), quint8(2));
}

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
