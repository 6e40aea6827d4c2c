// Times the drawing of the sheet (1) page, filled with a full plan: for the preview window (its page as the print
// preview lays it out), as an image at screen resolution, and as a PDF document. Prints the median of several
// runs of each in milliseconds.

#include "platform/Fonts.h"
#include "reports/U_QRKeikaku1.h"
#include "shell/PagePreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr int Runs = 21;

double medianMs(const std::function<void()> &work)
{
    work(); // fonts and glyph caches warmed up
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void fill(Report &page)
{
    const auto lines = [](const QString &text, int count) {
        QStringList all;
        for (int i = 1; i <= count; ++i)
            all << QStringLiteral("%1%2行目、本人と家族の希望を聞き取り、生活の様子を確かめる。").arg(text).arg(i);
        return all.join(u'\n');
    };
    const QList<std::pair<QString, QString>> texts = {
        {QStringLiteral("QRLbl_Kai"), QStringLiteral("継続")},
        {QStringLiteral("QRLbl_Nintei"), QStringLiteral("認定済")},
        {QStringLiteral("QRRTxt_Name"), QStringLiteral("山田 花子")},
        {QStringLiteral("QRLbl_Sakusei"), QStringLiteral("介護 一郎")},
        {QStringLiteral("QRLbl_Syamei"), QStringLiteral("ひまわり居宅介護支援事業所")},
        {QStringLiteral("QRLbl_Jusyo"), QStringLiteral("東京都世田谷区北沢4-5-6")},
        {QStringLiteral("QRRTxt_Umare"), QStringLiteral("昭和10年4月12日")},
        {QStringLiteral("QRRTxt_Jusyo"), QStringLiteral("東京都世田谷区北沢1-2-3")},
        {QStringLiteral("QRRTxt_Keikakubi"), QStringLiteral("令和06年5月1日")},
        {QStringLiteral("QRRTxt_Syokaibi"), QStringLiteral("令和05年4月1日")},
        {QStringLiteral("QRRTxt_Ninteibi"), QStringLiteral("令和06年3月20日")},
        {QStringLiteral("QRRTxt_Kikan1"), QStringLiteral("令和06年4月1日")},
        {QStringLiteral("QRRTxt_Kikan2"), QStringLiteral("令和08年3月31日")},
        {QStringLiteral("QR_RTxt11"), QStringLiteral("要介護状態区分")},
        {QStringLiteral("QR_RTxt12"), QStringLiteral("要介護２")},
        {QStringLiteral("QR_RTxt21"), QStringLiteral("利用者及び\n家族の生活\nに対する\n意向")},
        {QStringLiteral("QR_RTxt22"), lines(QStringLiteral("二の"), 5)},
        {QStringLiteral("QR_RTxt31"), QStringLiteral("介護認定審査会\nの意見及び\nサービスの\n種類の指定")},
        {QStringLiteral("QR_RTxt32"), lines(QStringLiteral("三の"), 3)},
        {QStringLiteral("QR_RTxt41"), QStringLiteral("総合的な援助\nの方針")},
        {QStringLiteral("QR_RTxt42"), lines(QStringLiteral("四の"), 6)},
        {QStringLiteral("QR_RTxt51"), QStringLiteral("生活援助中心\n型の算定理由")},
        {QStringLiteral("QR_RTxt52"), QStringLiteral("一人暮らし")},
    };
    for (const auto &[name, text] : texts)
        page.element(name).text = text;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    TQR_Keikaku1 sheet;
    fill(sheet.QuickRep1);
    const Report &page = sheet.QuickRep1;

    // The preview window's own page, not shown: updatePreview lays the page out as the window shows it.
    const std::unique_ptr<QPrintPreviewDialog> dialog = createPreviewDialog(page, nullptr);
    auto *preview = dialog->findChild<QPrintPreviewWidget *>();

    const QString previewName = QStringLiteral("preview page (%1 dpi)").arg(dialog->printer()->resolution());
    std::printf("sheet (1), median of %d runs:\n", Runs);
    std::printf("  %-24s %8.2f ms\n", qPrintable(previewName), medianMs([&] { preview->updatePreview(); }));
    std::printf("  %-24s %8.2f ms\n", "image at 96 dpi", medianMs([&] { reportImage(page, 96); }));
    std::printf("  %-24s %8.2f ms\n", "PDF document", medianMs([&] { reportPdf(page); }));
    return 0;
}
