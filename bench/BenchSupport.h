#pragma once

// What the benchmarks that drive the program's windows share: the offscreen platform unless another one is
// chosen, the arguments "<plan file> [runs]", the windows created in an empty folder, loading the last plan of a
// file through the load window, and medians.

#include "plan/U_ReadDT.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "shell/U_Main.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

// Before the application is created.
inline void useOffscreenPlatformUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

struct PlanFileArguments
{
    QString file; // absolute
    int runs = 9;
};

// The arguments "<plan file> [runs]", or nothing after the usage has been printed.
inline std::optional<PlanFileArguments> planFileArguments(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <plan file> [runs]\n", argv[0]);
        return std::nullopt;
    }
    PlanFileArguments arguments;
    arguments.file = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    if (argc > 2)
        arguments.runs = QByteArray(argv[2]).toInt();
    return arguments;
}

// Creates the program's windows with the folder as the current directory; message boxes are recorded from now
// on, and the one about the missing settings file is dropped.
inline void createAllWindowsIn(const QTemporaryDir &dir)
{
    QDir::setCurrent(dir.path());
    chooseFontFamilies();
    DialogHooks::startRecording();
    CreateAllWindows();
    DialogHooks::takeErrors();
}

// Lists the file in the load window and double-clicks its last entry, which loads that plan into the editors.
inline void loadLastPlan(const QString &file)
{
    DialogHooks::setNextFileName(file);
    F_ReadDT->Button1Click();
    auto *list = F_ReadDT->findChild<QListWidget *>(QStringLiteral("ListBox1"));
    list->setCurrentRow(list->count() - 1);
    F_ReadDT->ListBox1DblClick();
}

inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// The median time of the runs of the work in milliseconds, after a first run that warms the caches.
inline double medianMs(int runs, const std::function<void()> &work)
{
    work();
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times << timer.nsecsElapsed() / 1e6;
    }
    return median(times);
}
