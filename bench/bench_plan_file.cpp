// Times listing a plan data file in the load window, shown as the user sees it, and loading its last entry into
// the editors: bench_plan_file <file> [runs]. Prints the median of each in milliseconds.

#include "BenchSupport.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    useOffscreenPlatformUnlessChosen();
    QApplication app(argc, argv);
    const std::optional<PlanFileArguments> arguments = planFileArguments(argc, argv);
    if (!arguments)
        return 2;
    QTemporaryDir dir;
    createAllWindowsIn(dir);
    auto *list = F_ReadDT->findChild<QListWidget *>(QStringLiteral("ListBox1"));

    QList<double> listing, loading;
    for (int run = 0; run < arguments->runs; ++run) {
        F_ReadDT->ShowBeside(); // loading closes it
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        DialogHooks::setNextFileName(arguments->file);
        timer.start();
        F_ReadDT->Button1Click();
        listing << timer.nsecsElapsed() / 1e6;
        list->setCurrentRow(list->count() - 1);
        timer.start();
        F_ReadDT->ListBox1DblClick();
        loading << timer.nsecsElapsed() / 1e6;
    }
    const QStringList errors = DialogHooks::takeErrors();
    if (!errors.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(errors.join(u'\n')));
        return 1;
    }
    std::printf("entries %d\nlisting_ms %.1f\nloading_ms %.1f\n", int(list->count()), median(listing), median(loading));
    return 0;
}
