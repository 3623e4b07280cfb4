// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The window's designed faces exist only on the desktop it was drawn on. Each is resolved once
// to the installed faces that stand in for it, so Qt is never asked for a face that is not
// installed: every such miss makes it sort all installed fonts into a fallback list.
namespace Fonts {

struct Resolution
{
    QStringList windowFaces; // for "MS Sans Serif"
    QStringList titleFaces;  // for "Simplified Arabic"
    bool arabicMissing = false;
};

// Pure, so it can be tried against any set of installed fonts.
Resolution resolve(const QStringList &installedFamilies, const QStringList &arabicFamilies);

// The installed fonts, resolved at the first call.
const Resolution &installed();

// Which texts a font is for. Any text (what the user types) gets every stand-in, so a letter
// the first lacks comes from the next, and naming a second face makes Qt build its fallback
// list at once. The program's own texts are covered by the first stand-in alone, which leaves
// that list unbuilt.
enum class Texts
{
    Any,
    Own
};

// The installed faces standing in for a designed face; empty when none is installed (the
// toolkit's default font then serves).
QStringList facesFor(const QString &designedFace);
QFont font(const QString &designedFace, qreal points, int weight, Texts texts = Texts::Any);

// Shown and printed when no installed font has the Arabic letters.
QString missingArabicNotice();
// Prints the notice on stderr when needed.
void reportMissingArabic();

} // namespace Fonts
