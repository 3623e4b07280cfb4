// What a window at rest with the main window's three buttons costs: process CPU time over a
// stretch of idleness, while every button's 20 ms hover timer ticks. Then the cost of one
// lookup of the widget under the cursor, tracked (what a tick uses) and asked of the window
// system (what a release uses).
// Run: bench/idle.sh (starts a headless X server), or with any X display:
//      DISPLAY=:99 QT_QPA_PLATFORM=xcb build/bench/bench_gbutton_idle [seconds]
#include "cursor.h"
#include "mainbuttons.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

#include <ctime>

namespace {

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

template<typename F>
double microsecondsPerCall(int calls, F f)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        f();
    return double(timer.nsecsElapsed()) / 1e3 / calls;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QTextStream out(stdout);

    QWidget window;
    window.setFixedSize(382, 453);
    window.setLayoutDirection(Qt::RightToLeft);
    const QList<GButton *> buttons = addMainButtons(&window);
    window.show();

    int ticks = 0;
    for (GButton *button : buttons) {
        const QTimer *tmr = button->findChild<QTimer *>(QStringLiteral("tmr"));
        QObject::connect(tmr, &QTimer::timeout, &app, [&ticks] { ++ticks; });
    }

    // Let the window settle (map, expose, first paints) before measuring.
    double cpuStart = 0;
    double wallStart = 0;
    QElapsedTimer wall;
    QTimer::singleShot(1000, &app, [&] {
        ticks = 0;
        cpuStart = processCpuSeconds();
        wall.start();
        QTimer::singleShot(seconds * 1000, &app, [&] {
            const double cpu = processCpuSeconds() - cpuStart;
            const double elapsed = double(wall.nsecsElapsed()) / 1e9;
            out << QStringLiteral("platform %1, %2 buttons shown, %3 s at rest\n")
                       .arg(QGuiApplication::platformName())
                       .arg(buttons.size())
                       .arg(elapsed, 0, 'f', 2);
            out << QStringLiteral("  timer ticks: %1 (%2 per second)\n")
                       .arg(ticks)
                       .arg(ticks / elapsed, 0, 'f', 1);
            out << QStringLiteral("  process CPU: %1 ms = %2 % of one core\n")
                       .arg(cpu * 1e3, 0, 'f', 1)
                       .arg(100.0 * cpu / elapsed, 0, 'f', 3);
            QApplication::quit();
        });
        Q_UNUSED(wallStart)
    });
    const int rc = QApplication::exec();

    const QPoint over = buttons.first()->mapToGlobal(QPoint(20, 10));
    const int calls = 2000;
    QWidget *sink = nullptr;
    const double tracked = microsecondsPerCall(calls, [&] { sink = Cursor::widgetUnderCursor(); });
    const double asked =
        microsecondsPerCall(calls, [&] { sink = Cursor::widgetAt(Cursor::position()); });
    const double askedAt = microsecondsPerCall(calls, [&] { sink = Cursor::widgetAt(over); });
    Q_UNUSED(sink)
    out << QStringLiteral("  widget under the cursor, tracked: %1 us per lookup\n")
               .arg(tracked, 0, 'f', 3);
    out << QStringLiteral("  cursor position and widget asked of the window system: %1 us\n")
               .arg(asked, 0, 'f', 3);
    out << QStringLiteral("  widget at a given point (window system): %1 us\n").arg(askedAt, 0, 'f', 3);
    return rc;
}
