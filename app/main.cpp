// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"
#include "mainfrm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    // Lets desktops match the window to its launcher entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Orvane"));
    Fonts::reportMissingArabic();

    MainFrm window;
    window.show();
    return app.exec();
}
