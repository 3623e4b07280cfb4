// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design.h"
#include "gbutton.h"
#include "twips.h"

#include <QList>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <utility>

// The main window's buttons from its stored design, in the program's installed faces, for the
// demo and the benchmarks: named as designed, at their designed places moved up together until
// the highest is 4 pixels from the container's top.
inline QList<GButton *> addMainButtons(QWidget *container)
{
    QList<GButton *> buttons;
    int top = INT_MAX;
    for (const Design::Control &c : Design::controls()) {
        if (c.kind != Design::Kind::Button)
            continue;
        auto *button = new GButton(container);
        button->setObjectName(c.name);
        button->ReadProperties(c.properties);
        button->setGeometry(Twips::toPixels(c.twips));
        top = std::min(top, button->y());
        buttons.append(button);
    }
    for (GButton *button : std::as_const(buttons))
        button->move(button->x(), button->y() - top + 4);
    return buttons;
}

// The size of the main window's client area, from its stored design.
inline QSize mainWindowSize()
{
    return Twips::toPixels(Design::window().clientTwips).size();
}
