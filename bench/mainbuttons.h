// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design.h"
#include "gbutton.h"
#include "twips.h"

#include <QList>
#include <QWidget>

#include <algorithm>

// The main window's three buttons from its stored design, in the program's installed faces, for
// the demo and the benchmarks: at their designed columns, 4 pixels from the container's top,
// listed left to right (exit, show all, search).
inline QList<GButton *> addMainButtons(QWidget *container)
{
    QList<GButton *> buttons;
    for (const Design::Control &c : Design::controls()) {
        if (c.kind != Design::Kind::Button)
            continue;
        auto *button = new GButton(container);
        button->setObjectName(c.name);
        button->ReadProperties(c.properties);
        const QRect place = Twips::toPixels(c.twips);
        button->setGeometry(place.translated(0, 4 - place.top()));
        buttons.append(button);
    }
    std::sort(buttons.begin(), buttons.end(),
              [](const GButton *a, const GButton *b) { return a->x() < b->x(); });
    return buttons;
}
