// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibraryInfo>
#include <QString>

class QTranslator;

// Services of the runtime the program and the window's handlers call.
namespace Program {

// Puts Qt's own texts (the standard edit and scroll-bar menus) into Arabic, the program's only
// language, whatever the desktop's, and so lays Qt's own windows out right to left. The
// translator belongs to the application; nullptr, and everything stays as it was, when Qt's
// Arabic translation is not installed in the folder.
QTranslator *translateQt(
    const QString &folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

// Lets the event loop handle every pending event, then returns.
void yield();

// Sounds the system beep. Every beep is counted, so tests can see them.
void beep();
int beepCount();

} // namespace Program
