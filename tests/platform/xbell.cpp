// SPDX-License-Identifier: GPL-3.0-or-later
#include "xbell.h"

#include <X11/XKBlib.h>

namespace XServerBell {

namespace {
Display *display = nullptr;
int xkbEvent = -1;
int bells = 0;
} // namespace

bool listen()
{
    int opcode = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    display = XOpenDisplay(nullptr);
    if (!display || !XkbQueryExtension(display, &opcode, &xkbEvent, &error, &major, &minor) ||
        !XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask))
        return false;
    // Listening from here on: the server has taken the request before any bell to come.
    XSync(display, False);
    return true;
}

int rung()
{
    XSync(display, False);
    while (XPending(display)) {
        XkbEvent event;
        XNextEvent(display, &event.core);
        bells += event.type == xkbEvent && event.any.xkb_type == XkbBellNotify;
    }
    return bells;
}

} // namespace XServerBell
