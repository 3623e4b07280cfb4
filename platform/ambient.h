// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QMetaObject>

#include <functional>

class QObject;
class QWidget;

// What a control reads from its container: the container's font, and whether the program is
// running (true) or a control is being designed or tested in design mode (false).
namespace Ambient {

bool userMode();
void setUserMode(bool running);

// Calls slot after every change of userMode(); the connection ends with context. An invalid
// connection means nothing can be announced (no application yet).
QMetaObject::Connection onUserModeChange(QObject *context, std::function<void()> slot);

// The font of the control's container; the application font for a control without one.
QFont font(const QWidget &control);

} // namespace Ambient
