// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include <QApplication>

namespace Program {
namespace {

int beeps = 0;

} // namespace

void yield()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void beep()
{
    ++beeps;
    QApplication::beep();
}

int beepCount()
{
    return beeps;
}

} // namespace Program
