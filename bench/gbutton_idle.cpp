// SPDX-License-Identifier: GPL-3.0-or-later
// What a window at rest with the main window's buttons costs: process CPU time over a
// stretch of idleness, the pointer resting over a button, with every button's 20 ms hover
// timer running (and sleeping while the pointer rests). Then the cost of one lookup of the
// widget under the cursor, tracked (what a tick uses) and asked of the window system (what a
// release uses), and how soon the button under the pointer leaves hover once the pointer
// moves off it.
// Run: bench/idle.sh (starts a headless X server), or with any X display:
//      DISPLAY=:99 QT_QPA_PLATFORM=xcb build/bench/bench_gbutton_idle [seconds]
#include "cursor.h"
#include "mainbuttons.h"
#include "sharedtimer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

#include <ctime>
#include <memory>
#include <utility>

namespace {

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

template<typename F> double microsecondsPerCall(int calls, F f)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        f();
    return double(timer.nsecsElapsed()) / 1e3 / calls;
}

// What one lookup of the widget under the cursor costs, tracked and asked of the window system.
void lookups(QTextStream &out, const GButton *button)
{
    const QPoint over = button->mapToGlobal(QPoint(20, 10));
    const int calls = 2000;
    int found = 0;
    const auto count = [&found, button](const QWidget *w) { found += w == button; };
    const double tracked = microsecondsPerCall(calls, [&] { count(Cursor::widgetUnderCursor()); });
    const int foundTracked = std::exchange(found, 0);
    const double asked =
        microsecondsPerCall(calls, [&] { count(Cursor::widgetAt(Cursor::position())); });
    const double askedAt = microsecondsPerCall(calls, [&] { count(Cursor::widgetAt(over)); });
    out << QStringLiteral("  widget under the cursor, tracked: %1 us per lookup (%2 of %3 found "
                          "the button)\n")
               .arg(tracked, 0, 'f', 3)
               .arg(foundTracked)
               .arg(calls);
    out << QStringLiteral("  cursor position and widget asked of the window system: %1 us\n")
               .arg(asked, 0, 'f', 3);
    out << QStringLiteral("  widget at a given point (window system): %1 us\n")
               .arg(askedAt, 0, 'f', 3);
}

// Moves the pointer off a hovered button and reports how long its state took to follow: at
// most one 20 ms beat after the move reaches the program, sleeping or not.
void leaveHover(QTextStream &out, QWidget &window, GButton *button)
{
    const SharedTimer *tmr = button->findChild<SharedTimer *>(QStringLiteral("tmr"));
    struct Watch
    {
        QElapsedTimer elapsed;
        int ticks = 0;
    };
    const auto watch = std::make_shared<Watch>();
    QObject::connect(tmr, &SharedTimer::timeout, button, [&out, button, watch] {
        ++watch->ticks;
        if (button->buttonState() != GButton::StateNormal)
            return;
        out << QStringLiteral("  pointer moved off %1: normal again after %2 ms, %3 tick(s)\n")
                   .arg(button->objectName())
                   .arg(double(watch->elapsed.nsecsElapsed()) / 1e6, 0, 'f', 1)
                   .arg(watch->ticks);
        QApplication::quit();
    });
    watch->elapsed.start();
    QCursor::setPos(window.mapToGlobal(QPoint(window.width() / 2, window.height() - 10)));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QTextStream out(stdout);

    QWidget window;
    window.setFixedSize(mainWindowSize());
    window.setLayoutDirection(Qt::RightToLeft);
    const QList<GButton *> buttons = addMainButtons(&window);
    GButton *showAll = window.findChild<GButton *>(QStringLiteral("cmdShowAll"));
    // The pointer rests over a button, so that every tick of every button walks the widgets.
    const QPoint pointer = QCursor::pos();
    window.move(pointer - showAll->geometry().center());
    window.show();

    int ticks = 0;
    for (GButton *button : buttons) {
        const SharedTimer *tmr = button->findChild<SharedTimer *>(QStringLiteral("tmr"));
        QObject::connect(tmr, &SharedTimer::timeout, &app, [&ticks] { ++ticks; });
    }

    // Let the window settle (map, expose, first paints) before measuring.
    double cpuStart = 0;
    QElapsedTimer wall;
    QTimer::singleShot(1000, &app, [&] {
        ticks = 0;
        cpuStart = processCpuSeconds();
        wall.start();
        QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &app, [&] {
            const double cpu = processCpuSeconds() - cpuStart;
            const double elapsed = double(wall.nsecsElapsed()) / 1e9;
            out << QStringLiteral("platform %1, %2 buttons shown, %3 s at rest, pointer over %4\n")
                       .arg(QGuiApplication::platformName())
                       .arg(buttons.size())
                       .arg(elapsed, 0, 'f', 2)
                       .arg(Cursor::widgetUnderCursor() ? Cursor::widgetUnderCursor()->objectName()
                                                        : QStringLiteral("nothing of ours"));
            out << QStringLiteral("  timer ticks: %1 (%2 per second)\n")
                       .arg(ticks)
                       .arg(ticks / elapsed, 0, 'f', 1);
            out << QStringLiteral("  process CPU: %1 ms = %2 % of one core\n")
                       .arg(cpu * 1e3, 0, 'f', 1)
                       .arg(100.0 * cpu / elapsed, 0, 'f', 3);
            int sleeping = 0;
            for (GButton *button : buttons)
                sleeping += button->findChild<SharedTimer *>(QStringLiteral("tmr"))->isSleeping();
            out << QStringLiteral("  hover timers sleeping: %1 of %2\n")
                       .arg(sleeping)
                       .arg(buttons.size());
            lookups(out, showAll);
            leaveHover(out, window, showAll);
        });
    });
    const int rc = QApplication::exec();

    return rc;
}
