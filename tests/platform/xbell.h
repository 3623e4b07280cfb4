// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct _XDisplay;

// The X server's bell as another client hears it: XKB tells each client that asks of every
// bell rung on the core keyboard, whoever rang it. Apart from the tests, as Xlib's names
// (Cursor, KeyPress, None, ...) clash with ours and Qt's.
class XBell
{
public:
    // Connects to $DISPLAY; listening() is false without an X server or its XKB extension.
    XBell();
    ~XBell();
    XBell(const XBell &) = delete;
    XBell &operator=(const XBell &) = delete;

    bool listening() const { return m_eventBase >= 0; }
    // The bells the server has told of since construction.
    int rung();

private:
    _XDisplay *m_display;
    int m_eventBase = -1;
    int m_rung = 0;
};
