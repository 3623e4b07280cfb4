#pragma once

#include <QObject>

// A repeating timer like QTimer, except that all running SharedTimers of one interval take
// their ticks from a single system timer: however many there are, they wake the program once
// per interval and tick in the same turn of the event loop, in the order they were started.
// The first tick after start() comes within one interval rather than exactly one interval on.
class SharedTimer : public QObject
{
    Q_OBJECT

public:
    explicit SharedTimer(QObject *parent = nullptr);
    ~SharedTimer() override;

    int interval() const { return m_interval; }
    // A running timer goes on running at the new interval.
    void setInterval(int msec);
    bool isActive() const { return m_active; }
    void start();
    void stop();

signals:
    void timeout();

private:
    int m_interval = 0;
    bool m_active = false;

    friend class SharedBeat;
};
