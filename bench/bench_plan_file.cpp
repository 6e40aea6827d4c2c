// Times listing a plan data file in the load window and loading its last entry into the editors:
// bench_plan_file <file> [runs]. Prints the median of each in milliseconds.

#include "plan/U_ReadDT.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "shell/U_Main.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_plan_file <file> [runs]\n");
        return 2;
    }
    const QString file = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt() : 5;
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    installFontSubstitutions();
    DialogHooks::startRecording();
    CreateAllWindows();
    DialogHooks::takeErrors();
    auto *list = F_ReadDT->findChild<QListWidget *>(QStringLiteral("ListBox1"));

    QList<double> listing, loading;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        DialogHooks::setNextFileName(file);
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
