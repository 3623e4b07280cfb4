// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gbutton.h"
#include "propertybag.h"

#include <QFont>
#include <QList>
#include <QWidget>

// The main window's three buttons as its design stores them, at their places on screen (in
// pixels), for the demo and the benchmarks.
inline QList<GButton *> addMainButtons(QWidget *container)
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Noto Sans Arabic"), QStringLiteral("DejaVu Sans")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    struct Stored
    {
        const char *name;
        QString caption;
        int extentX;
        QRect place;
    };
    const Stored stored[] = {
        {"cmdExit", QStringLiteral("خـروج"), 1931, QRect(8, 4, 73, 25)},
        {"cmdShowAll", QStringLiteral("عـرض الكـل"), 2275, QRect(81, 4, 86, 25)},
        {"cmdSearch", QStringLiteral("بـحـــث"), 1958, QRect(167, 4, 74, 25)},
    };
    QList<GButton *> buttons;
    for (const Stored &s : stored) {
        auto *button = new GButton(container);
        button->setObjectName(QString::fromLatin1(s.name));
        button->ReadProperties(PropertyBag{
            {QStringLiteral("_extentx"), s.extentX},
            {QStringLiteral("_extenty"), 661},
            {QStringLiteral("backcolor"), 0x00E7E6D8},
            {QStringLiteral("forecolor"), 0x00404040},
            {QStringLiteral("font"), font},
            {QStringLiteral("caption"), s.caption},
        });
        button->setGeometry(s.place);
        buttons.append(button);
    }
    return buttons;
}
