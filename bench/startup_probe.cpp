// Start-up probe, linked into a program beside its own main(): as soon as the program's main window (its
// top-level QMainWindow) has been shown and painted for the first time, the probe prints the peak memory of the
// process so far ("VmHWM_kB <n>") and ends the process at once. bench/run times the whole process from its start
// to this end. With STARTUP_PROBE_WINDOW=<name> set, the probe waits further, after that paint, until a top-level
// window of that name exists (the program creates its other windows after the main window's first paint; the last
// one created is TF_Conf). The probe is installed when the application object is created and only watches events,
// so everything the program does up to its main window on the screen runs as it does in the program. A main window
// that is not shown within 30 seconds (a message box in its way) fails the probe.

#include "PeakMemory.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

bool windowExists(const QString &name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [&](QWidget *w) { return w->objectName() == name; });
}

// Ends the process once the window named by STARTUP_PROBE_WINDOW exists (at once without it); looks again after
// the events queued so far.
void endOnceWindowExists()
{
    const QString name = qEnvironmentVariable("STARTUP_PROBE_WINDOW");
    if (!name.isEmpty() && !windowExists(name)) {
        QTimer::singleShot(0, &endOnceWindowExists);
        return;
    }
    std::printf("VmHWM_kB %ld\n", peakMemoryKb());
    std::fflush(stdout);
    _exit(0);
}

class FirstPaintOfMainWindow : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            const auto *window = qobject_cast<QMainWindow *>(watched);
            if (window && window->isWindow()) {
                m_seen = true;
                // Once the paint has been handed to the screen, after the event that paints it.
                QTimer::singleShot(0, &endOnceWindowExists);
            }
        }
        return false;
    }

private:
    bool m_seen = false;
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintOfMainWindow);
    QTimer::singleShot(30000, [] {
        std::fprintf(stderr, "start-up probe: no main window shown within 30 s\n");
        _exit(1);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
