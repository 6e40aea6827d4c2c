// Peak-memory probe, linked into the program beside its own main(): once the main window has been shown and
// painted, it goes through what a full session shows. It lists the plan data file named by BENCH_PLAN_FILE in
// the load window and loads its last plan into the editors, shows every other window of the program once, each
// until it has been painted, and opens the print preview of each of the three sheets through the menu until the
// preview has been painted. Then it prints the peak memory of the process ("VmHWM_kB <n>") and ends it. Dialog
// answers come from the program's test hooks; an error box on the way, or a tour longer than a minute, fails the
// probe.

#include "BenchSupport.h"
#include "PeakMemory.h"

#include "platform/Form.h"
#include "shell/U_Conf.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QPrintPreviewDialog>
#include <QSet>
#include <QTimer>
#include <QtCore/qtestsupport_core.h>

#include <cstdio>
#include <unistd.h>

namespace {

void fail(const QString &why)
{
    std::fprintf(stderr, "all-windows probe: %s\n", qPrintable(why));
    _exit(1);
}

class Tour : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow() && !m_painted.contains(widget)) {
                // A preview window is destroyed when it is closed: the next one may come at the same address.
                m_painted.insert(widget);
                connect(widget, &QObject::destroyed, this, [this, widget] { m_painted.remove(widget); });
                ++m_windowsPainted;
                if (qobject_cast<QMainWindow *>(widget) && !m_started) {
                    m_started = true;
                    QTimer::singleShot(0, this, [this] { run(); });
                }
            }
        }
        return false;
    }

private:
    void showUntilPainted(QWidget *window)
    {
        if (!QTest::qWaitFor([&] { return m_painted.contains(window); }, 10000))
            fail(QStringLiteral("%1 was not painted").arg(window->objectName()));
    }

    // Opens the preview through the menu item; the preview is closed once it has been painted.
    void preview(const char *menuItem)
    {
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [this] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                auto *dialog = qobject_cast<QPrintPreviewDialog *>(window);
                if (dialog && dialog->isVisible() && m_painted.contains(dialog))
                    dialog->reject();
            }
        });
        closer.start(10);
        F_Main->findChild<QAction *>(QLatin1String(menuItem))->trigger();
    }

    void run()
    {
        // The program creates its other windows right after the main window's first paint (TF_Conf last).
        if (!F_Conf) {
            QTimer::singleShot(0, this, [this] { run(); });
            return;
        }
        DialogHooks::startRecording();
        const QString planFile = qEnvironmentVariable("BENCH_PLAN_FILE");
        if (planFile.isEmpty())
            fail(QStringLiteral("BENCH_PLAN_FILE names no plan file"));
        F_ReadDT->ShowBeside();
        showUntilPainted(F_ReadDT);
        loadLastPlan(planFile);
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *form = qobject_cast<Form *>(window);
            if (!form || m_painted.contains(form))
                continue;
            form->ShowBeside();
            showUntilPainted(form);
            form->hide();
        }
        for (const char *menuItem : {"N4", "N5", "N6"})
            preview(menuItem);
        const QStringList errors = DialogHooks::takeErrors() + DialogHooks::takeMessages();
        if (!errors.isEmpty())
            fail(errors.join(u'\n'));
        std::printf("windows %d\nVmHWM_kB %ld\n", m_windowsPainted, peakMemoryKb());
        std::fflush(stdout);
        _exit(0);
    }

    QSet<QWidget *> m_painted; // the windows painted so far that still exist
    int m_windowsPainted = 0;
    bool m_started = false;
};

void installTour()
{
    QCoreApplication::instance()->installEventFilter(new Tour);
    QTimer::singleShot(60000, [] { fail(QStringLiteral("not done within 60 s")); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installTour)
