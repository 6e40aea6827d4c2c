#include "GuiTestSupport.h"
#include "PdfPage.h"

#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "reports/U_QRKeikaku1.h"
#include "sheets/U_Keikaku1.h"
#include "shell/PagePreview.h"
#include "shell/U_Main.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QtTest>

namespace {

template <typename T> T *editorControl(const char *name)
{
    T *control = F_Keikaku1->findChild<T *>(QLatin1String(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

QPlainTextEdit *memo(int row)
{
    return F_Keikaku1->findChild<QPlainTextEdit *>(QStringLiteral("Memo_%1").arg(row));
}

QStringList numberedLines(const QString &prefix, int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1の%2行目").arg(prefix).arg(i);
    return lines;
}

const QString UserName = QStringLiteral("長谷川左衛門之助太郎兵衛"); // wider than its 36.25 mm box at 11 pt

// The words of the texts that come with the layout.
const QStringList FixedWords = {QStringLiteral("居宅サービス計画書（１）"),
                                QStringLiteral("利用者氏名"),
                                QStringLiteral("殿"),
                                QStringLiteral("生年月日"),
                                QStringLiteral("住所"),
                                QStringLiteral("居宅サービス計画作成者氏名"),
                                QStringLiteral("居宅介護支援事業者・事業署名及び所在地"),
                                QStringLiteral("居宅サービス計画作成（変更）日"),
                                QStringLiteral("初回居宅サービス計画作成日"),
                                QStringLiteral("認定日"),
                                QStringLiteral("認定の有効期間"),
                                QStringLiteral("～"),
                                QStringLiteral("居宅サービス計画書の説明を受け、内容に同意し受領しました。"),
                                QStringLiteral("同意年月日"),
                                QStringLiteral("平成"),
                                QStringLiteral("年"),
                                QStringLiteral("月"),
                                QStringLiteral("日"),
                                QStringLiteral("利用者確認欄"),
                                QStringLiteral("印")};
// The row captions of the editor, line by line.
const QList<QStringList> CaptionLines = {
    {QStringLiteral("要介護状態区分")},
    {QStringLiteral("利用者及び"), QStringLiteral("家族の生活"), QStringLiteral("に対する"), QStringLiteral("意向")},
    {QStringLiteral("介護認定審査会"), QStringLiteral("の意見及び"), QStringLiteral("サービスの"),
     QStringLiteral("種類の指定")},
    {QStringLiteral("総合的な援助"), QStringLiteral("の方針")},
    {QStringLiteral("生活援助中心"), QStringLiteral("型の算定理由")}};

QStringList sorted(QStringList words)
{
    words.sort();
    return words;
}

QStringList fixedAndCaptions()
{
    QStringList words = FixedWords;
    for (const QStringList &caption : CaptionLines)
        words += caption;
    return words;
}

// Whether the images are the same in the area (millimetres from the paper's corner).
bool sameIn(const QImage &a, const QImage &b, const QRectF &mm, int dpi)
{
    const double dotsPerMm = dpi / 25.4;
    const QRect area(QPoint(qRound(mm.left() * dotsPerMm), qRound(mm.top() * dotsPerMm)),
                     QPoint(qRound(mm.right() * dotsPerMm), qRound(mm.bottom() * dotsPerMm)));
    return a.copy(area) == b.copy(area);
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void beforeAnyUserIsChosen();
    void sheetShowsTheEditorsContent();
    void longOfficeNameIsDrawnOverTheAddress();
    void printingAgainShowsOnlyTheNewContent();
    void askingAgainWhileThePreviewIsOpenOnlyRefills();
    void previewWindowPrintsAndSavesThePageItShows();

private:
    // Chooses the sheet's menu item "印刷" → "計画書（１）" and returns the page that the preview would show.
    PdfPage print();
    void fillEditor();

    std::unique_ptr<TempCurrentDir> m_dir;
    QList<QByteArray> m_previewed; // the page of each preview asked for, as PDF
    std::function<void()> m_whilePreviewing;
};

void TestReports::initTestCase()
{
    m_dir = std::make_unique<TempCurrentDir>();
    chooseFontFamilies();
    DialogHooks::startRecording();
    CreateAllWindows();
    PreviewHooks::setStandIn([this](const Report &report) {
        m_previewed.append(reportPdf(report));
        if (m_whilePreviewing)
            std::exchange(m_whilePreviewing, {})();
    });
}

void TestReports::init()
{
    TempCurrentDir::write(QStringLiteral("Riyou.txt"),
                          sjis(QStringLiteral("0001,%1,1935/04/12,東京都世田谷区北沢1-2-3,初回,申請中,2024/03/20,"
                                              "2024/04/01,2026/03/31,要介護２,生活援助の理由\r\n")
                                   .arg(UserName)));
    TempCurrentDir::write(QStringLiteral("Jisya.txt"),
                          sjis(QStringLiteral("ひまわり事業所,世田谷区北沢4-5,介護一郎\r\n")));
    DialogHooks::takeErrors();
    m_previewed.clear();
}

PdfPage TestReports::print()
{
    const qsizetype before = m_previewed.size();
    F_Main->findChild<QAction *>(QStringLiteral("N4"))->trigger();
    if (m_previewed.size() != before + 1)
        qFatal("no preview was asked for");
    return readPdf(m_previewed.last());
}

void TestReports::fillEditor()
{
    editorControl<QComboBox>("ComboBox1")->setEditText(UserName);
    editorControl<QComboBox>("ComboBox2")->setEditText(QStringLiteral("介護一郎"));
    editorControl<QDateEdit>("DateTimePicker1")->setDate(QDate(2024, 5, 1));
    editorControl<QDateEdit>("DateTimePicker2")->setDate(QDate(2023, 4, 1));
    memo(1)->setPlainText(memo(1)->toPlainText() + QStringLiteral("\n二行目は入らない"));
    memo(2)->setPlainText(numberedLines(QStringLiteral("二"), 5).join(u'\n'));
    memo(3)->setPlainText(numberedLines(QStringLiteral("三"), 3).join(u'\n'));
    memo(4)->setPlainText(numberedLines(QStringLiteral("四"), 6).join(u'\n'));
    memo(5)->setPlainText(memo(5)->toPlainText() + QStringLiteral("\n二行目は入らない"));
    QCOMPARE(DialogHooks::takeErrors(), QStringList());
}

void TestReports::beforeAnyUserIsChosen()
{
    const PdfPage page = print();
    QCOMPARE(page.size.toSize(), QSize(297, 210));
    // The layout's texts and the row captions, and the editor's starting captions of the two small boxes.
    QCOMPARE(page.texts(), sorted(fixedAndCaptions() << QStringLiteral("継続") << QStringLiteral("認定済")));

    const Word title = page.word(QStringLiteral("居宅サービス計画書（１）"));
    QVERIFY2(qAbs(title.box.left() - 96.78) < 0.05 && qAbs(title.box.top() - 12.12) < 0.05,
             qPrintable(QStringLiteral("title at %1, %2").arg(title.box.left()).arg(title.box.top())));
    // The blank consent date keeps all its parts on its line, inside its cell between its neighbours.
    const Word caption = page.word(QStringLiteral("同意年月日"));
    const Word confirmation = page.word(QStringLiteral("利用者確認欄"));
    for (const QString &part : {QStringLiteral("平成"), QStringLiteral("日")}) {
        const Word w = page.word(part);
        QVERIFY2(w.box.left() > caption.box.right() && w.box.right() < confirmation.box.left(), qPrintable(part));
        QCOMPARE(w.box.top(), caption.box.top());
    }
}

void TestReports::sheetShowsTheEditorsContent()
{
    fillEditor();
    const PdfPage page = print();

    // The name wraps inside its one-line box: only its first line is printed.
    const QList<Word> names = page.wordsStartingWith(UserName.left(3));
    QCOMPARE(names.size(), 1);
    QVERIFY(names.first().text.size() < UserName.size());
    QVERIFY(UserName.startsWith(names.first().text));

    QStringList expected = fixedAndCaptions();
    expected << names.first().text << QStringLiteral("初回") << QStringLiteral("申請中") << QStringLiteral("介護一郎")
             << QStringLiteral("ひまわり事業所") << QStringLiteral("世田谷区北沢4-5")
             << QStringLiteral("昭和10年4月12日") << QStringLiteral("東京都世田谷区北沢1-2-3")
             << QStringLiteral("令和06年5月1日") << QStringLiteral("令和05年4月1日")
             << QStringLiteral("令和06年3月20日") << QStringLiteral("令和06年4月1日")
             << QStringLiteral("令和08年3月31日")
             // Rows 1 and 5 hold one line of 12 pt.
             << QStringLiteral("要介護２") << QStringLiteral("生活援助の理由");
    const QList<QStringList> memoLines = {numberedLines(QStringLiteral("二"), 5),
                                          numberedLines(QStringLiteral("三"), 3),
                                          numberedLines(QStringLiteral("四"), 6)};
    for (const QStringList &lines : memoLines)
        expected += lines;
    QCOMPARE(page.texts(), sorted(expected));

    // Each value on the line of its caption, after it and before the next item of the line.
    struct Placed
    {
        QString value, after, before;
    };
    const QList<Placed> header = {
        {names.first().text, QStringLiteral("利用者氏名"), QStringLiteral("殿")},
        {QStringLiteral("昭和10年4月12日"), QStringLiteral("生年月日"), QStringLiteral("住所")},
        {QStringLiteral("東京都世田谷区北沢1-2-3"), QStringLiteral("住所"), QString()},
        {QStringLiteral("介護一郎"), QStringLiteral("居宅サービス計画作成者氏名"), QString()},
        {QStringLiteral("ひまわり事業所"), QStringLiteral("居宅介護支援事業者・事業署名及び所在地"),
         QStringLiteral("世田谷区北沢4-5")},
        {QStringLiteral("令和06年5月1日"), QStringLiteral("居宅サービス計画作成（変更）日"),
         QStringLiteral("初回居宅サービス計画作成日")},
        {QStringLiteral("令和05年4月1日"), QStringLiteral("初回居宅サービス計画作成日"), QString()},
        {QStringLiteral("令和06年3月20日"), QStringLiteral("認定日"), QStringLiteral("認定の有効期間")},
        {QStringLiteral("令和06年4月1日"), QStringLiteral("認定の有効期間"), QStringLiteral("～")},
        {QStringLiteral("令和08年3月31日"), QStringLiteral("～"), QString()},
        {QStringLiteral("申請中"), QStringLiteral("初回"), QString()},
    };
    for (const Placed &p : header) {
        const QRectF value = page.word(p.value).box;
        const QRectF after = page.word(p.after).box;
        QVERIFY2(value.left() > after.right(), qPrintable(p.value));
        if (!p.before.isEmpty())
            QVERIFY2(value.right() < page.word(p.before).box.left(), qPrintable(p.value));
        QVERIFY2(qAbs(value.center().y() - after.center().y()) < 1, qPrintable(p.value));
    }

    // Each caption and memo line on its own line, one below the other, in the row of its caption; memos at 12 pt.
    const auto checkLines = [&](const QStringList &lines, double pointSize, double rowBottom) {
        const Word first = page.word(lines.first());
        const double spacing = lines.size() > 1 ? page.word(lines.at(1)).box.top() - first.box.top() : 0;
        for (int i = 0; i < lines.size(); ++i) {
            const Word w = page.word(lines.at(i));
            QCOMPARE(w.box.left(), first.box.left());
            QVERIFY2(qAbs(w.box.top() - first.box.top() - i * spacing) < 0.01, qPrintable(lines.at(i)));
            QVERIFY2(qAbs(w.box.height() * 72 / 25.4 - pointSize) < 0.05, qPrintable(lines.at(i)));
            QVERIFY2(w.box.bottom() < rowBottom, qPrintable(lines.at(i)));
        }
        QVERIFY(spacing > 0 || lines.size() == 1);
    };
    for (int row = 2; row <= 4; ++row) {
        const double nextRowTop = page.word(CaptionLines.at(row).first()).box.top();
        checkLines(CaptionLines.at(row - 1), row == 3 ? 9 : 11, nextRowTop);
        checkLines(memoLines.at(row - 2), 12, nextRowTop);
    }
    checkLines(CaptionLines.at(4), 9, page.size.height());
}

void TestReports::longOfficeNameIsDrawnOverTheAddress()
{
    constexpr int Dpi = 150;
    auto *office = editorControl<QLineEdit>("Edit1");
    auto *address = editorControl<QLineEdit>("Edit2");
    const QString longName = QStringLiteral("社会福祉法人ひまわり会居宅介護支援センター");
    const QString officeAddress = QStringLiteral("東京都世田谷区北沢四丁目五番六号ひまわりビル三階");
    const auto printImage = [&](const QString &name, const QString &place) {
        office->setText(name);
        address->setText(place);
        print();
        return reportImage(QR_Keikaku1->QuickRep1, Dpi);
    };
    const QImage both = printImage(longName, officeAddress);
    const QImage nameOnly = printImage(longName, QString());
    const Word nameWord = readPdf(m_previewed.last()).word(longName);
    const QImage addressOnly = printImage(QString(), officeAddress);
    const Word addressWord = readPdf(m_previewed.last()).word(officeAddress);
    QVERIFY(nameWord.box.right() > addressWord.box.left() + 10);
    QVERIFY(nameWord.box.right() < addressWord.box.right() - 10);

    // Where the name's box lies over the address, only the name shows; after it, the address goes on.
    const QRectF covered(QPointF(addressWord.box.left(), addressWord.box.top()),
                         QPointF(nameWord.box.right(), addressWord.box.bottom()));
    const QRectF after(QPointF(nameWord.box.right() + 0.3, addressWord.box.top()), addressWord.box.bottomRight());
    QVERIFY(sameIn(both, nameOnly, covered, Dpi));
    QVERIFY(!sameIn(both, addressOnly, covered, Dpi));
    QVERIFY(sameIn(both, addressOnly, after, Dpi));
}

void TestReports::printingAgainShowsOnlyTheNewContent()
{
    fillEditor();
    print();

    // Everything emptied but one line of row 2.
    F_Keikaku1->setNameWithoutLookup(editorControl<QComboBox>("ComboBox1"), QString());
    F_Keikaku1->setNameWithoutLookup(editorControl<QComboBox>("ComboBox2"), QString());
    for (const char *edit : {"Edit1", "Edit2"})
        editorControl<QLineEdit>(edit)->clear();
    for (const char *label :
         {"Label12", "Label13", "Label14", "Label15", "Label16", "Label17", "Label18", "Label19", "Label21"})
        editorControl<QLabel>(label)->clear();
    for (int row = 1; row <= 5; ++row)
        memo(row)->setPlainText(row == 2 ? QStringLiteral("一行だけ") : QString());
    QCOMPARE(print().texts(), sorted(fixedAndCaptions() << QStringLiteral("一行だけ")));
}

void TestReports::askingAgainWhileThePreviewIsOpenOnlyRefills()
{
    memo(2)->setPlainText(QStringLiteral("最初の内容"));
    qsizetype previewsWhileOpen = -1;
    m_whilePreviewing = [&] {
        memo(2)->setPlainText(QStringLiteral("開いている間の内容"));
        F_Main->findChild<QAction *>(QStringLiteral("N4"))->trigger();
        previewsWhileOpen = m_previewed.size();
        QCOMPARE(QR_Keikaku1->QuickRep1.element(QStringLiteral("QR_RTxt22")).text,
                 QStringLiteral("開いている間の内容"));
    };
    QVERIFY(print().word(QStringLiteral("最初の内容")).text.size());
    QCOMPARE(previewsWhileOpen, 1);
    // Once closed, the next request opens a preview again.
    QVERIFY(print().word(QStringLiteral("開いている間の内容")).text.size());
}

void TestReports::previewWindowPrintsAndSavesThePageItShows()
{
    memo(2)->setPlainText(QStringLiteral("見ている内容"));
    print();
    const std::unique_ptr<QPrintPreviewDialog> preview = createPreviewDialog(QR_Keikaku1->QuickRep1, nullptr);
    auto *pages = preview->findChild<QPrintPreviewWidget *>();
    pages->updatePreview();
    QCOMPARE(pages->pageCount(), 1);

    // Filled again while the window is open: it still prints and saves what it shows.
    QR_Keikaku1->QuickRep1.element(QStringLiteral("QR_RTxt22")).text = QStringLiteral("後からの内容");
    const auto checkPage = [](const PdfPage &page) {
        QCOMPARE(page.size.toSize(), QSize(297, 210));
        QVERIFY(!page.word(QStringLiteral("見ている内容")).text.isEmpty());
        QVERIFY(page.wordsStartingWith(QStringLiteral("後から")).isEmpty());
        // The printer's page is the whole paper: the margins are the page's own.
        const QRectF title = page.word(QStringLiteral("居宅サービス計画書（１）")).box;
        QVERIFY2(qAbs(title.left() - 96.78) < 0.05 && qAbs(title.top() - 12.12) < 0.05,
                 qPrintable(QStringLiteral("title at %1, %2").arg(title.left()).arg(title.top())));
    };
    preview->printer()->setOutputFormat(QPrinter::PdfFormat);
    preview->printer()->setOutputFileName(QDir::current().absoluteFilePath(QStringLiteral("printed.pdf")));
    pages->print();
    checkPage(readPdf(TempCurrentDir::read(QStringLiteral("printed.pdf"))));

    auto *save = preview->findChild<QAction *>(QStringLiteral("PdfSave"));
    QCOMPARE(save->text(), QStringLiteral("PDF保存"));
    DialogHooks::setNextFileName(QStringLiteral("sheet1.pdf"));
    save->trigger();
    checkPage(readPdf(TempCurrentDir::read(QStringLiteral("sheet1.pdf"))));

    // Cancelled: nothing is written. A place that cannot be written: the error box, and the program goes on.
    DialogHooks::setNextFileName(QString());
    save->trigger();
    QDir().mkdir(QStringLiteral("folder.pdf"));
    DialogHooks::setNextFileName(QStringLiteral("folder.pdf"));
    save->trigger();
    QCOMPARE(DialogHooks::takeErrors(), QStringList{QStringLiteral("ファイルへのアクセスが拒否されました.")});
    QCOMPARE(QDir().entryList({QStringLiteral("*.pdf")}, QDir::Files),
             QStringList({QStringLiteral("printed.pdf"), QStringLiteral("sheet1.pdf")}));
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
