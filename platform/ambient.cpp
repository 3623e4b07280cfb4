// SPDX-License-Identifier: GPL-3.0-or-later
#include "ambient.h"

#include "sharedtimer.h"

#include <QApplication>
#include <QWidget>

namespace Ambient {

namespace {
bool running = true;
}

bool userMode()
{
    return running;
}

void setUserMode(bool newRunning)
{
    if (newRunning == running)
        return;
    running = newRunning;
    // Controls' hover timers may sleep while the cursor rests, and their ticks read the mode.
    SharedTimer::wakeAll();
}

QFont font(const QWidget &control)
{
    const QWidget *container = control.parentWidget();
    return container ? container->font() : QApplication::font();
}

} // namespace Ambient
