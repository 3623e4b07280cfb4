// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window's buttons, normal, pressed and disabled, into one PNG, four
// times enlarged, with a row at device pixel ratio 2 below.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_gbutton_demo [out.png]
#include "mainbuttons.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTextStream>

namespace {

void press(GButton *button)
{
    const QPointF at(button->width() / 2.0, button->height() / 2.0);
    QMouseEvent event(QEvent::MouseButtonPress, at, button->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &event);
}

QImage renderRow(QWidget &container, qreal ratio)
{
    QImage image(container.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(0xD8, 0xE6, 0xE7));
    container.render(&image);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString out =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gbutton-demo.png");

    QWidget container;
    container.setLayoutDirection(Qt::RightToLeft);
    const QList<GButton *> buttons = addMainButtons(&container);
    // As wide and as high as the buttons, with the margins they have at the left and the top.
    QRect span;
    for (const GButton *b : buttons)
        span |= b->geometry();
    container.setFixedSize(span.right() + 1 + span.left(), span.bottom() + 1 + span.top());
    container.show();

    constexpr int zoom = 4;
    QList<QImage> rows;
    rows.append(renderRow(container, 1));
    for (GButton *b : buttons)
        press(b);
    rows.append(renderRow(container, 1));
    for (GButton *b : buttons) {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(b, &release);
        b->setEnabled(false);
    }
    rows.append(renderRow(container, 1));
    for (GButton *b : buttons)
        b->setEnabled(true);
    const QImage hiDpi = renderRow(container, 2);

    const QSize cell = container.size() * zoom;
    QImage sheet(cell.width(), cell.height() * 3 + hiDpi.height() * 2, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < rows.size(); ++i)
        painter.drawImage(QRect(QPoint(0, i * cell.height()), cell), rows[i]);
    const QSize hiSize(hiDpi.width() * 2, hiDpi.height() * 2);
    QImage plain = hiDpi;
    plain.setDevicePixelRatio(1);
    painter.drawImage(QRect(QPoint(0, 3 * cell.height()), hiSize), plain);
    painter.end();
    if (!sheet.save(out)) {
        QTextStream(stderr) << "cannot write " << out << '\n';
        return 1;
    }
    QTextStream(stdout) << "rows: normal, pressed, disabled (x4); normal at ratio 2 (x2): " << out
                        << '\n';
    return 0;
}
