// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QMetaObject>
#include <QPixmap>
#include <QPoint>

#include <functional>

class QObject;
class QWidget;

// The mouse cursor: where it is, which widget lies under it, and its shape by number.
namespace Cursor {

// Where the cursor is on the screen, asked of the window system (a round trip on X11).
QPoint position();

// The widget under a screen point: the topmost visible, enabled widget whose area and mask hold
// the point. A hidden or disabled widget is never the answer; what lies beneath it is.
// nullptr outside the program's windows.
QWidget *widgetAt(const QPoint &globalPos);

// widgetAt() for the last place the cursor was seen in the program's windows, kept from the
// events those windows receive, so that nothing waits on the window system: cheap enough to
// poll on a timer. nullptr while the cursor is outside them. Starts following the cursor on its
// first call; call startTracking() earlier to know the place from the start.
QWidget *widgetUnderCursor();
void startTracking();

// Calls slot, on the user-interface thread, after every event that may change what
// widgetUnderCursor() answers: any mouse event or crossing of the program's windows, and any
// widget or window shown, hidden, enabled, disabled, moved, resized, restacked, reparented,
// deleted, activated or changing its window state. Qt reports no event for a new mask: one set
// outside a resize or show goes unannounced. The connection ends with context; an invalid
// connection means nothing can be announced (no application yet).
QMetaObject::Connection onSceneChange(QObject *context, std::function<void()> slot);

// How many mouse presses the program's windows have received, the second press of a double
// click included. Counted before any widget sees the press.
quint64 pressCount();

// Gives the widget the cursor of a mouse-pointer number: 0 default (no cursor of the widget's
// own), 1 arrow, 2 cross, 3 I-beam, 4 icon, 5 size, 6 NE-SW, 7 N-S, 8 NW-SE, 9 W-E, 10 up arrow,
// 11 hourglass, 12 no drop, 13 arrow and hourglass, 14 arrow and question mark, 15 size all,
// 99 the given icon (default when it is null). Any other number gives the default.
void setMousePointer(QWidget &widget, int mousePointer, const QPixmap &icon = {});

} // namespace Cursor
