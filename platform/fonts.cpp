// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFont>
#include <QStringList>

namespace Fonts {

void installSubstitutions()
{
    // DejaVu Sans first: its lines are as tall as the designed 8.25 pt face's (13 pixels), so
    // the card's twelve lines fit its label; Noto Sans Arabic's are half as tall again.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Arabic")});
    QFont::insertSubstitutions(QStringLiteral("Simplified Arabic"),
                               {QStringLiteral("Noto Naskh Arabic"), QStringLiteral("DejaVu Sans")});
}

} // namespace Fonts
