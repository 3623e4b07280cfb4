// SPDX-License-Identifier: GPL-3.0-or-later
#include "sharedtimer.h"

#include "ambient.h"
#include "cursor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>

// The one system timer behind all running SharedTimers of an interval.
class SharedBeat : public QObject
{
public:
    SharedBeat(int interval, QObject *parent) : QObject(parent), m_interval(interval)
    {
        // Found by name among the application's objects, to see how often the program wakes.
        m_timer.setParent(this);
        m_timer.setObjectName(QStringLiteral("SharedBeat %1").arg(interval));
        m_timer.setInterval(interval);
        connect(&m_timer, &QTimer::timeout, this, &SharedBeat::tick);
    }

    static QHash<int, QPointer<SharedBeat>> &beats()
    {
        static QHash<int, QPointer<SharedBeat>> all;
        return all;
    }

    static SharedBeat *forInterval(int interval)
    {
        QPointer<SharedBeat> &beat = beats()[interval];
        if (!beat)
            beat = new SharedBeat(interval, QCoreApplication::instance());
        return beat;
    }

    void add(SharedTimer *timer)
    {
        m_running.append(timer);
        if (timer->sleepsWhileCursorRests())
            watchCursor();
        if (!m_timer.isActive() && !m_asleep) {
            m_timer.start(m_interval);
            m_lastBeat.start();
        }
        wake();
    }

    void remove(SharedTimer *timer)
    {
        m_running.removeOne(timer);
        if (m_running.isEmpty()) {
            m_timer.stop();
            m_asleep = false;
        } else {
            wake();
        }
    }

    // Something a sleeping timer's tick may depend on has changed.
    void wake()
    {
        m_changed = true;
        if (!m_asleep)
            return;
        m_asleep = false;
        // The next tick comes where the beat would have put it had it never slept: on the first
        // beat of the old grid from now on, never on the beat that was the last one.
        const qint64 sinceLast = m_lastBeat.elapsed();
        const qint64 interval = std::max(m_interval, 1);
        const qint64 beats = std::max<qint64>(1, (sinceLast + interval - 1) / interval);
        m_timer.start(int(beats * interval - sinceLast));
    }

    // A tick that may rest depends on the widget under the cursor and on the ambient UserMode.
    void watchCursor()
    {
        if (m_watchingCursor)
            return;
        m_watchingCursor = Cursor::onSceneChange(this, [this] { wake(); }) &&
                           Ambient::onUserModeChange(this, [this] { wake(); });
    }

    bool isAsleep() const { return m_asleep; }

private:
    void tick()
    {
        m_lastBeat.start();
        // Woken between two beats: back to the full interval from this one.
        if (m_timer.interval() != m_interval)
            m_timer.start(m_interval);
        const bool quietSinceLastBeat = !m_changed;
        m_changed = false;
        const bool mayRest =
            m_watchingCursor && !m_running.isEmpty() &&
            std::all_of(m_running.cbegin(), m_running.cend(),
                        [](const SharedTimer *t) { return t->sleepsWhileCursorRests(); });
        const QPointer<QWidget> under = mayRest ? Cursor::widgetUnderCursor() : nullptr;

        // A handler may stop, start or delete any timer: tick a copy of the list, and only the
        // timers still running on this beat.
        const QList<QPointer<SharedTimer>> due(m_running.cbegin(), m_running.cend());
        for (const QPointer<SharedTimer> &timer : due) {
            if (timer && m_running.contains(timer.data()))
                emit timer->timeout();
        }

        // Every running timer has ticked on this beat and the last with the same widget under
        // the cursor, so the next tick would change nothing until something does. The second
        // look catches a handler that changed the widget under the cursor without an event.
        const bool rest = mayRest && quietSinceLastBeat && !m_changed && under == m_lastUnder &&
                          under == Cursor::widgetUnderCursor();
        m_lastUnder = under;
        if (rest) {
            m_timer.stop();
            m_asleep = true;
        }
    }

    const int m_interval;
    QTimer m_timer;
    QList<SharedTimer *> m_running;
    QElapsedTimer m_lastBeat;
    QPointer<QWidget> m_lastUnder;
    bool m_changed = true;
    bool m_asleep = false;
    bool m_watchingCursor = false;
};

SharedTimer::SharedTimer(QObject *parent) : QObject(parent) {}

SharedTimer::~SharedTimer()
{
    stop();
}

void SharedTimer::setInterval(int msec)
{
    if (msec == m_interval)
        return;
    const bool wasActive = m_active;
    stop();
    m_interval = msec;
    if (wasActive)
        start();
}

void SharedTimer::start()
{
    // Starting a running timer changes nothing for it, but its owner may have changed what its
    // next tick does: a sleeping beat must look again.
    if (m_active) {
        SharedBeat::forInterval(m_interval)->wake();
        return;
    }
    m_active = true;
    SharedBeat::forInterval(m_interval)->add(this);
}

void SharedTimer::stop()
{
    if (!m_active)
        return;
    m_active = false;
    SharedBeat::forInterval(m_interval)->remove(this);
}

void SharedTimer::setSleepsWhileCursorRests(bool sleeps)
{
    if (sleeps == m_sleepsWhileCursorRests)
        return;
    m_sleepsWhileCursorRests = sleeps;
    if (!m_active)
        return;
    SharedBeat *beat = SharedBeat::forInterval(m_interval);
    if (sleeps)
        beat->watchCursor();
    beat->wake();
}

bool SharedTimer::isSleeping() const
{
    return m_active && SharedBeat::forInterval(m_interval)->isAsleep();
}
