// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFontDatabase>

#include <cstdio>

namespace Fonts {

namespace {

QStringList installedOf(const QStringList &wanted, const QStringList &installedFamilies)
{
    QStringList faces;
    for (const QString &face : wanted) {
        if (installedFamilies.contains(face, Qt::CaseInsensitive))
            faces.append(face);
    }
    return faces;
}

} // namespace

Resolution resolve(const QStringList &installedFamilies, const QStringList &arabicFamilies)
{
    // DejaVu Sans first for the window font: its lines are as tall as the designed 8.25 pt
    // face's (13 pixels), so the card's twelve lines fit its label; Noto Sans Arabic's are half
    // as tall again. The second face serves letters the first lacks (U+06D2 and its kin).
    Resolution r;
    r.windowFaces = installedOf({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Arabic")},
                                installedFamilies);
    r.titleFaces = installedOf({QStringLiteral("Noto Naskh Arabic"), QStringLiteral("DejaVu Sans")},
                               installedFamilies);
    r.arabicMissing = arabicFamilies.isEmpty();
    return r;
}

const Resolution &installed()
{
    static const Resolution resolution =
        resolve(QFontDatabase::families(), QFontDatabase::families(QFontDatabase::Arabic));
    return resolution;
}

QStringList facesFor(const QString &designedFace)
{
    if (designedFace == u"Simplified Arabic")
        return installed().titleFaces;
    if (designedFace == u"MS Sans Serif")
        return installed().windowFaces;
    return {};
}

QFont font(const QString &designedFace, qreal points, int weight, Texts texts)
{
    QFont font;
    const QStringList faces = facesFor(designedFace);
    if (!faces.isEmpty())
        font.setFamilies(texts == Texts::Own ? faces.mid(0, 1) : faces);
    font.setPointSizeF(points);
    font.setWeight(QFont::Weight(weight));
    return font;
}

QString missingArabicNotice()
{
    return QStringLiteral("No installed font has Arabic letters.\r\n"
                          "Install fonts-dejavu-core or fonts-noto-core.\r\n"
                          "لا يوجد خط عربي مثبت: ثبّت fonts-dejavu-core أو fonts-noto-core");
}

void reportMissingArabic()
{
    if (installed().arabicMissing)
        std::fputs("orvane: no installed font has Arabic letters; install fonts-dejavu-core or "
                   "fonts-noto-core\n",
                   stderr);
}

} // namespace Fonts
