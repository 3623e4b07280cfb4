#include "sharedtimer.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTimer>

// The one system timer behind all running SharedTimers of an interval.
class SharedBeat : public QObject
{
public:
    SharedBeat(int interval, QObject *parent) : QObject(parent)
    {
        m_timer.setInterval(interval);
        connect(&m_timer, &QTimer::timeout, this, &SharedBeat::tick);
    }

    static SharedBeat *forInterval(int interval)
    {
        static QHash<int, QPointer<SharedBeat>> beats;
        QPointer<SharedBeat> &beat = beats[interval];
        if (!beat)
            beat = new SharedBeat(interval, QCoreApplication::instance());
        return beat;
    }

    void add(SharedTimer *timer)
    {
        m_running.append(timer);
        if (!m_timer.isActive())
            m_timer.start();
    }

    void remove(SharedTimer *timer)
    {
        m_running.removeOne(timer);
        if (m_running.isEmpty())
            m_timer.stop();
    }

private:
    void tick()
    {
        // A handler may stop, start or delete any timer: tick a copy of the list, and only the
        // timers still running on this beat.
        const QList<QPointer<SharedTimer>> due(m_running.cbegin(), m_running.cend());
        for (const QPointer<SharedTimer> &timer : due) {
            if (timer && m_running.contains(timer.data()))
                emit timer->timeout();
        }
    }

    QTimer m_timer;
    QList<SharedTimer *> m_running;
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
    if (m_active)
        return;
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
