// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fonts.h"
#include "propertybag.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <QVariant>

// The main window's stored design: every control with its place (twips), tab index, texts,
// font, colours and settings, listed front to back. The window is built from this table alone;
// its rules are written above the rows, in design.cpp.
namespace Design {

enum class Kind { Timer, Button, ComboBox, TextBox, Label, Image };
enum class Picture { None, Bar, Panel };

struct Font
{
    QString face; // empty: the window's font
    qreal points = 0;
    int weight = 400;
    int charset = 0;

    QFont toQFont(Fonts::Texts texts = Fonts::Texts::Any) const;
};

struct Control
{
    Kind kind = Kind::Label;
    QString name;
    int index = -1; // member of a control array; -1 for a single control
    QRectF twips;   // Left, Top, Width, Height
    int tabIndex = -1;
    QString text;
    QString accessibleName; // what a screen reader calls a control that shows no text of its own
    Font font;
    quint32 foreColor = 0; // 0x00BBGGRR
    quint32 backColor = 0; // 0x00BBGGRR; labels and pictures are transparent

    // Labels
    bool autoSize = false;
    bool wordWrap = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;

    Picture picture = Picture::None;

    // Timer
    bool enabled = true;
    int interval = 0;

    // A button's stored properties, keys as stored.
    PropertyBag properties;

    QString displayName() const;
};

struct Window
{
    QString caption;
    QRectF clientTwips;
    quint32 backColor;
    Font font;
};

const Window &window();
const QList<Control> &controls();

// The shape of a label's row: in the window's font and colour, sized to its text.
Control label(const char *name, int index, QRectF twips, int tabIndex, const QString &text);

} // namespace Design
