// SPDX-License-Identifier: GPL-3.0-or-later
#include "xbell.h"

#include <X11/XKBlib.h>

XBell::XBell() : m_display(XOpenDisplay(nullptr))
{
    int opcode = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion, base = -1;
    if (m_display && XkbQueryExtension(m_display, &opcode, &base, &error, &major, &minor) &&
        XkbSelectEvents(m_display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask)) {
        XSync(m_display, False);
        m_eventBase = base;
    }
}

XBell::~XBell()
{
    if (m_display)
        XCloseDisplay(m_display);
}

int XBell::rung()
{
    if (!listening())
        return 0;
    XSync(m_display, False);
    while (XPending(m_display)) {
        XkbEvent event;
        XNextEvent(m_display, &event.core);
        if (event.type == m_eventBase && event.any.xkb_type == XkbBellNotify)
            ++m_rung;
    }
    return m_rung;
}
