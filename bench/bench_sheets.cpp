// Times the drawing of the three printed sheets, filled with the last plan of a plan data file through the
// program's own print commands: for the preview window (the page recorded at the printer's resolution as the
// preview does, and drawn at the zoom the window shows it) and as a PDF document. The same for a blank page gives
// the floor: what the preview and the PDF writer cost with nothing to draw.
// bench_sheets <plan file> [runs]. Prints the median of the runs of each in milliseconds.

#include "BenchSupport.h"
#include "shell/PagePreview.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewWidget>
#include <QScreen>

namespace {

// The page as the preview window shows it: recorded afresh and drawn into the window's pixels.
double previewMs(const Report &report, int runs)
{
    const std::unique_ptr<QPrintPreviewDialog> dialog = createPreviewDialog(report, nullptr);
    dialog->resize(dialog->screen()->availableSize() * 4 / 5);
    dialog->show();
    auto *preview = dialog->findChild<QPrintPreviewWidget *>();
    return medianMs(runs, [&] {
        preview->updatePreview();
        preview->grab();
    });
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatformUnlessChosen();
    QApplication app(argc, argv);
    const std::optional<PlanFileArguments> arguments = planFileArguments(argc, argv);
    if (!arguments)
        return 2;
    const int runs = arguments->runs;
    QTemporaryDir dir;
    createAllWindowsIn(dir);
    loadLastPlan(arguments->file);

    std::optional<Report> printed;
    PreviewHooks::setStandIn([&](const Report &report) { printed = report; });
    const QList<std::pair<const char *, const char *>> sheets = {{"sheet1", "N4"}, {"sheet2", "N5"}, {"sheet3", "N6"}};
    for (const auto &[sheet, menuItem] : sheets) {
        printed.reset();
        F_Main->findChild<QAction *>(QLatin1String(menuItem))->trigger();
        if (!printed)
            break;
        std::printf("%s_preview_ms %.3f\n", sheet, previewMs(*printed, runs));
        std::printf("%s_pdf_ms %.3f\n", sheet, medianMs(runs, [&] { reportPdf(*printed); }));
    }
    const QStringList errors = DialogHooks::takeErrors() + DialogHooks::takeMessages();
    if (!printed || !errors.isEmpty()) {
        std::fprintf(stderr, "bench_sheets: the sheets were not printed. %s\n", qPrintable(errors.join(u'\n')));
        return 1;
    }
    const Report blank(0, 0);
    std::printf("blank_preview_ms %.3f\n", previewMs(blank, runs));
    std::printf("blank_pdf_ms %.3f\n", medianMs(runs, [&] { reportPdf(blank); }));
    return 0;
}
