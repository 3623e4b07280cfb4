// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one full paint of a button: a synchronous repaint on screen (face, bevel, outline,
// caption measured and drawn, flushed to the window) and a render into an image.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_gbutton_paint   (or under X11 with xcb)
#include "mainbuttons.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);

    QWidget window;
    window.setFixedSize(mainWindowSize());
    addMainButtons(&window);
    window.show();
    for (int i = 0; i < 50; ++i)
        QCoreApplication::processEvents();

    GButton *button = window.findChild<GButton *>(QStringLiteral("cmdShowAll"));
    const int rounds = 2000;
    for (int i = 0; i < 100; ++i)
        button->repaint();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        button->repaint();
    const double onScreen = double(timer.nsecsElapsed()) / 1e3 / rounds;

    QImage image(button->size(), QImage::Format_ARGB32_Premultiplied);
    timer.restart();
    for (int i = 0; i < rounds; ++i)
        button->render(&image);
    const double intoImage = double(timer.nsecsElapsed()) / 1e3 / rounds;

    out << QStringLiteral("platform %1, button %2 x %3, caption \"%4\"\n")
               .arg(QGuiApplication::platformName())
               .arg(button->width())
               .arg(button->height())
               .arg(button->Caption());
    out << QStringLiteral("  repaint on screen: %1 us per paint\n").arg(onScreen, 0, 'f', 1);
    out << QStringLiteral("  render into an image: %1 us per paint\n").arg(intoImage, 0, 'f', 1);
    return 0;
}
