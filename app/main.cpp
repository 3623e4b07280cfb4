// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "fonts.h"
#include "mainfrm.h"
#include "program.h"
#include "quitsignals.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = CommandLine::answer(argc, argv))
        return *status;
    CommandLine::beginPlatformStart();
    QApplication app(argc, argv);
    CommandLine::endPlatformStart();
    QuitSignals::closeWindowsOnQuitSignals();
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    // Lets desktops match the window to its launcher entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Orvane"));
    Program::translateQt();
    Fonts::reportMissingArabic();

    MainFrm window;
    window.show();
    return app.exec();
}
