// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a plain Qt window of the program's size and kinds of widgets, right
// to left, with no design table, no pictures and no fonts of its own. Its sizes, places and
// texts are copied from the design table by hand, on purpose: the yardstick must not use the
// program's code. Copy a change of the table here when it adds or moves a widget.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral(" Orvane"));
    window.setLayoutDirection(Qt::RightToLeft);
    window.setFixedSize(382, 453);

    auto *search = new QLineEdit(&window);
    search->setGeometry(243, 144, 127, 23);
    auto *list = new QComboBox(&window);
    list->setGeometry(243, 167, 127, 21);
    const QString buttons[] = {QStringLiteral("بـحـــث"), QStringLiteral("عـرض الكـل"),
                               QStringLiteral("خـروج")};
    for (int i = 0; i < 3; ++i)
        (new QPushButton(buttons[i], &window))->setGeometry(167 - 86 * i, 144, 74, 25);
    const QString labels[] = {
        QStringLiteral("أكتب اسم العنصر أو جزءا منه (بالعربية) أو رمزه ثم إضغط  بـحـــث"),
        QStringLiteral("أو اضغط عرض الكل لإضافة جميع العناصر  الموجودة في البرنامج الى القائمة"),
        QStringLiteral("اختر أحد العناصر من القائمة لعرض معلومات عنه  ")};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(labels[i], &window);
        label->move(20, 104 + 17 * i);
        label->adjustSize();
    }

    window.show();
    return app.exec();
}
