// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// A repeating timer like QTimer, except that all running SharedTimers of one interval take
// their ticks from a single system timer: however many there are, they wake the program once
// per interval and tick in the same turn of the event loop, in the order they were started.
// The first tick after start() comes within one interval rather than exactly one interval on.
//
// A timer whose handler only follows the cursor may also let the program sleep while the cursor
// rests (setSleepsWhileCursorRests). Once every running timer of an interval allows it, their
// system timer stops after a beat in which nothing changed since the beat before: neither the
// cursor's place, nor the widget under it, nor the running timers. The first change that
// Cursor::onSceneChange() announces, a new ambient UserMode, and any start (of a running timer
// too) or stop resume the beat on the grid it kept, so every tick that could find something new
// comes when it would have come.
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

    // Lets the timer sleep while the cursor rests. Its owner promises that a tick depends only
    // on the widget under the cursor (Cursor::widgetUnderCursor), the ambient UserMode and state
    // that changes only in ticks or while the timer is stopped, so that a tick right after one
    // that saw the same widget changes nothing. Off by default: a plain timer ticks every
    // interval and keeps every timer of its interval awake.
    void setSleepsWhileCursorRests(bool sleeps);
    bool sleepsWhileCursorRests() const { return m_sleepsWhileCursorRests; }
    // Whether this running timer's ticks are held back because the cursor rests.
    bool isSleeping() const;

signals:
    void timeout();

private:
    int m_interval = 0;
    bool m_active = false;
    bool m_sleepsWhileCursorRests = false;

    friend class SharedBeat;
};
