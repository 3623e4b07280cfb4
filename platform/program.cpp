// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include <QApplication>
#include <QTranslator>

namespace Program {
namespace {

int beeps = 0;

} // namespace

QTranslator *translateQt(const QString &folder)
{
    auto *translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_ar"), folder) &&
        QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

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
