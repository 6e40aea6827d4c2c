#include "TestSupport.h"

#include "platform/AppError.h"
#include "platform/ColorRef.h"
#include "platform/Cp932.h"
#include "platform/FileIo.h"

#include <QtTest>

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void decodeMatchesCodePage932_data();
    void decodeMatchesCodePage932();
    void encodeRoundTripsEveryDefinedCharacter();
    void encodeRefusesWhatCodePage932CannotHold_data();
    void encodeRefusesWhatCodePage932CannotHold();
    void cutNeverSplitsACharacter_data();
    void cutNeverSplitsACharacter();
    void errorMessages_data();
    void errorMessages();
    void colorReferences();
    void openingReportsItsFailure();
    void replacingKeepsTheOldFileOnFailure();
};

void TestPlatform::decodeMatchesCodePage932_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii and yen byte") << QByteArray("a\\~") << QStringLiteral("a\\~");
    QTest::newRow("kanji with 0x5C trail") << QByteArray("\x95\x5C\x94\x5C\x81\x5C") << QStringLiteral("表能―");
    QTest::newRow("half-width katakana") << QByteArray("\xBA\xDD") << QStringLiteral("ｺﾝ");
    QTest::newRow("wave dash") << QByteArray("\x81\x60") << QStringLiteral("～");
    QTest::newRow("NEC special") << QByteArray("\x87\x40") << QStringLiteral("①");
    QTest::newRow("IBM extension") << QByteArray("\xED\x40") << QStringLiteral("纊");
    QTest::newRow("user-defined area") << QByteArray("\xF0\x40") << QString(QChar(0xE000));
    QTest::newRow("single bytes of Windows")
        << QByteArray("\x80\xA0\xFD\xFE\xFF") << QString::fromUtf16(u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3");
    QTest::newRow("undefined pair") << QByteArray("\x85\x40x") << QString::fromUtf16(u"\uFFFD@x");
    QTest::newRow("lead byte at the end") << QByteArray("a\x82") << QString::fromUtf16(u"a\uFFFD");
    QTest::newRow("control bytes") << QByteArray("\x00\x1A\r\n", 4) << QString::fromUtf16(u"\u0000\u001A\r\n", 4);
}

void TestPlatform::decodeMatchesCodePage932()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Cp932::decode(bytes), text);
}

void TestPlatform::encodeRoundTripsEveryDefinedCharacter()
{
    // Every single byte and every double-byte sequence that decodes to a character encodes back to itself,
    // except where Windows maps two sequences to one character (NEC and IBM duplicates).
    int pairs = 0;
    for (int b = 0; b < 256; ++b) {
        const QByteArray single(1, char(b));
        if (Cp932::isLeadByte(char(b)))
            continue;
        QCOMPARE(Cp932::encode(Cp932::decode(single)), single);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!Cp932::isLeadByte(char(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const QByteArray pair = QByteArray(1, char(lead)) + char(trail);
            const QString text = Cp932::decode(pair);
            if (text.size() != 1 || text.front() == QChar(0xFFFD))
                continue;
            const QByteArray again = Cp932::encode(text);
            QCOMPARE(Cp932::decode(again), text);
            ++pairs;
        }
    }
    QVERIFY2(pairs > 9000, qPrintable(QString::number(pairs)));
}

void TestPlatform::encodeRefusesWhatCodePage932CannotHold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("surrogate pair kanji") << QStringLiteral("吉田𠮷子") << QStringLiteral("𠮷");
    QTest::newRow("emoji") << QStringLiteral("よろしく😀") << QStringLiteral("😀");
    QTest::newRow("hangul") << QStringLiteral("a한") << QStringLiteral("한");
}

void TestPlatform::encodeRefusesWhatCodePage932CannotHold()
{
    QFETCH(QString, text);
    QFETCH(QString, named);
    QCOMPARE(Cp932::firstUnencodable(text), named);
    try {
        Cp932::encode(text);
        QFAIL("no failure");
    } catch (const AppError &e) {
        QVERIFY2(e.message().contains(named), qPrintable(e.message()));
    }
    QCOMPARE(Cp932::firstUnencodable(QStringLiteral("表〜ｶﾅ①")), QString());
}

void TestPlatform::cutNeverSplitsACharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("cut");
    QTest::newRow("eight full-width to 12 bytes") << QStringLiteral("訪問介護身体介護") << 12 << QStringLiteral("訪問介護身体");
    QTest::newRow("cut inside a character keeps 11") << QStringLiteral("a訪問介護身体") << 12 << QStringLiteral("a訪問介護身");
    QTest::newRow("half-width katakana are single") << QStringLiteral("ﾎｰﾑﾍﾙﾌﾟｻｰﾋﾞｽ") << 11 << QStringLiteral("ﾎｰﾑﾍﾙﾌﾟｻｰﾋﾞ");
    QTest::newRow("short text whole") << QStringLiteral("通所") << 12 << QStringLiteral("通所");
}

void TestPlatform::cutNeverSplitsACharacter()
{
    QFETCH(QString, text);
    QFETCH(int, maxBytes);
    QFETCH(QString, cut);
    QCOMPARE(Cp932::cutToBytes(text, maxBytes), cut);
}

void TestPlatform::errorMessages_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("boxText");
    QTest::newRow("2") << ioErrorMessage(2) << QStringLiteral("ファイルが見つかりません.");
    QTest::newRow("5") << ioErrorMessage(5) << QStringLiteral("ファイルへのアクセスが拒否されました.");
    QTest::newRow("101") << ioErrorMessage(101) << QStringLiteral("ディスクがいっぱいです.");
    QTest::newRow("106") << ioErrorMessage(106) << QStringLiteral("入力値が数値ではありません.");
    QTest::newRow("103 ends in a parenthesis") << ioErrorMessage(103) << QStringLiteral("I/O エラー (103)");
    QTest::newRow("list index") << listIndexError(-1).message()
                                << QStringLiteral("リストのインデックスが範囲を超えています (-1)");
    QTest::newRow("not a date") << notDateError(QStringLiteral("abc")).message()
                                << QStringLiteral("'abc' は日付ではありません.");
    QTest::newRow("ends in a full stop") << QStringLiteral("x.") << QStringLiteral("x.");
    QTest::newRow("ends in a letter") << QStringLiteral("x") << QStringLiteral("x.");
}

void TestPlatform::errorMessages()
{
    QFETCH(QString, message);
    QFETCH(QString, boxText);
    QCOMPARE(errorBoxText(message), boxText);
}

void TestPlatform::colorReferences()
{
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(1, 2, 3));
    QCOMPARE(colorFromRef(WindowTextColorRef, palette), QColor(1, 2, 3));
    QCOMPARE(WindowTextColorRef, -2147483640);
    QCOMPARE(colorFromRef(65535, palette), QColor(255, 255, 0));
    QCOMPARE(colorFromRef(10789024, palette), QColor(0xA0, 0xA0, 0xA4));
    QCOMPARE(refFromColor(QColor(255, 0, 255)), 16711935);
    QCOMPARE(refFromColor(colorFromRef(WhiteColorRef, palette)), WhiteColorRef);
}

void TestPlatform::openingReportsItsFailure()
{
    TempCurrentDir dir;
    QDir().mkdir(QStringLiteral("folder"));
    struct Case
    {
        QString name;
        FileIo::OpenFailure failure;
        QString message;
    };
    const QList<Case> cases = {
        {QStringLiteral("missing.txt"), FileIo::OpenFailure::ByCode, ioErrorMessage(2)},
        {QStringLiteral("folder"), FileIo::OpenFailure::ByCode, ioErrorMessage(5)},
        {QStringLiteral("missing.txt"), FileIo::OpenFailure::Guarded, ioErrorMessage(103)},
        {QStringLiteral("folder"), FileIo::OpenFailure::Guarded, ioErrorMessage(103)},
    };
    for (const Case &c : cases) {
        try {
            FileIo::readAll(c.name, c.failure);
            QFAIL(qPrintable(c.name));
        } catch (const AppError &e) {
            QCOMPARE(e.message(), c.message);
        }
    }
}

void TestPlatform::replacingKeepsTheOldFileOnFailure()
{
    TempCurrentDir dir;
    const QString cannot = QStringLiteral("cannot");
    TempCurrentDir::write(QStringLiteral("list.txt"), "old\r\n");
    FileIo::replaceFile(QStringLiteral("list.txt"), "new\r\n", cannot);
    QCOMPARE(TempCurrentDir::read(QStringLiteral("list.txt")), QByteArray("new\r\n"));

    QDir().mkdir(QStringLiteral("folder"));
    QVERIFY_THROWS_EXCEPTION(AppError, FileIo::replaceFile(QStringLiteral("folder"), "x", cannot));
    QVERIFY_THROWS_EXCEPTION(AppError, FileIo::replaceFile(QStringLiteral("nowhere/list.txt"), "x", cannot));
    // No temporary file is left behind.
    QCOMPARE(QDir().entryList(QDir::Files), QStringList{QStringLiteral("list.txt")});
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
