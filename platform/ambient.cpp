#include "ambient.h"

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
    running = newRunning;
}

QFont font(const QWidget &control)
{
    const QWidget *container = control.parentWidget();
    return container ? container->font() : QApplication::font();
}

} // namespace Ambient
