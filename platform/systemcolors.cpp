// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemcolors.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <optional>

namespace SystemColors {

namespace {

struct PaletteColor
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Windows system colour indexes 0 to 30 and the palette entry that plays each part. Index 25
// has no colour on Windows either.
constexpr QPalette::ColorGroup Active = QPalette::Active;
constexpr QPalette::ColorGroup Inactive = QPalette::Inactive;
constexpr QPalette::ColorGroup Disabled = QPalette::Disabled;
const std::array<std::optional<PaletteColor>, 31> roles = {{
    PaletteColor{Active, QPalette::Mid},               // 0 scroll bar
    PaletteColor{Active, QPalette::Dark},              // 1 desktop
    PaletteColor{Active, QPalette::Highlight},         // 2 active caption
    PaletteColor{Inactive, QPalette::Highlight},       // 3 inactive caption
    PaletteColor{Active, QPalette::Window},            // 4 menu
    PaletteColor{Active, QPalette::Base},              // 5 window
    PaletteColor{Active, QPalette::Shadow},            // 6 window frame
    PaletteColor{Active, QPalette::WindowText},        // 7 menu text
    PaletteColor{Active, QPalette::Text},              // 8 window text
    PaletteColor{Active, QPalette::HighlightedText},   // 9 caption text
    PaletteColor{Active, QPalette::Button},            // 10 active border
    PaletteColor{Inactive, QPalette::Button},          // 11 inactive border
    PaletteColor{Active, QPalette::Mid},               // 12 application workspace
    PaletteColor{Active, QPalette::Highlight},         // 13 highlight
    PaletteColor{Active, QPalette::HighlightedText},   // 14 highlighted text
    PaletteColor{Active, QPalette::Button},            // 15 button face
    PaletteColor{Active, QPalette::Dark},              // 16 button shadow
    PaletteColor{Disabled, QPalette::Text},            // 17 grey text
    PaletteColor{Active, QPalette::ButtonText},        // 18 button text
    PaletteColor{Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    PaletteColor{Active, QPalette::Light},             // 20 button highlight
    PaletteColor{Active, QPalette::Shadow},            // 21 3D dark shadow
    PaletteColor{Active, QPalette::Midlight},          // 22 3D light
    PaletteColor{Active, QPalette::ToolTipText},       // 23 tooltip text
    PaletteColor{Active, QPalette::ToolTipBase},       // 24 tooltip background
    std::nullopt,                                      // 25
    PaletteColor{Active, QPalette::Link},              // 26 hot-tracked item
    PaletteColor{Active, QPalette::Highlight},         // 27 active caption gradient
    PaletteColor{Inactive, QPalette::Highlight},       // 28 inactive caption gradient
    PaletteColor{Active, QPalette::Highlight},         // 29 menu highlight
    PaletteColor{Active, QPalette::Window},            // 30 menu bar
}};

} // namespace

quint32 sysColor(int index)
{
    if (index < 0 || index >= int(roles.size()) || !roles[size_t(index)])
        return 0;
    const PaletteColor &entry = *roles[size_t(index)];
    const QColor c = QGuiApplication::palette().color(entry.group, entry.role);
    return quint32(c.red()) | quint32(c.green()) << 8 | quint32(c.blue()) << 16;
}

QColor toQColor(quint32 rgb)
{
    return QColor(int(rgb & 0xFF), int(rgb >> 8 & 0xFF), int(rgb >> 16 & 0xFF));
}

} // namespace SystemColors
