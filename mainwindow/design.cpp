// SPDX-License-Identifier: GPL-3.0-or-later
#include "design.h"

#include <optional>

namespace Design {
namespace {

const Font windowFont{QStringLiteral("MS Sans Serif"), 8.25, 400, 0};
const Font titleFont{QStringLiteral("Simplified Arabic"), 18, 700, 178};
const Font buttonFont{QStringLiteral("MS Sans Serif"), 8.25, 400, 178};

constexpr quint32 darkGrey = 0x00404040;
constexpr quint32 midGrey = 0x00808080;
constexpr quint32 face = 0x00E7E6D8;

Control control(Kind kind, const char *name, int index, QRectF twips, int tabIndex)
{
    Control c;
    c.kind = kind;
    c.name = QLatin1String(name);
    c.index = index;
    c.twips = twips;
    c.tabIndex = tabIndex;
    return c;
}

Control timer(const char *name, bool enabled, int interval)
{
    Control c = control(Kind::Timer, name, -1, QRectF(), -1);
    c.enabled = enabled;
    c.interval = interval;
    return c;
}

Control button(const char *name, QRectF twips, int tabIndex, const QString &caption, int extentX,
               std::optional<quint32> focusColor = std::nullopt)
{
    Control c = control(Kind::Button, name, -1, twips, tabIndex);
    c.text = caption;
    c.properties = {
        {QStringLiteral("_extentx"), extentX},
        {QStringLiteral("_extenty"), 661},
        {QStringLiteral("backcolor"), face},
        {QStringLiteral("forecolor"), darkGrey},
        {QStringLiteral("font"), buttonFont.toQFont(Fonts::Texts::Own)},
        {QStringLiteral("caption"), caption},
    };
    // Stored only where it differs from the default.
    if (focusColor)
        c.properties.WriteProperty(QStringLiteral("focuscolor"), *focusColor);
    return c;
}

Control field(Kind kind, const char *name, QRectF twips, int tabIndex)
{
    Control c = control(kind, name, -1, twips, tabIndex);
    c.font = windowFont;
    c.foreColor = darkGrey;
    c.backColor = face;
    return c;
}

Control label(const char *name, int index, QRectF twips, int tabIndex, const QString &text)
{
    Control c = control(Kind::Label, name, index, twips, tabIndex);
    c.text = text;
    c.font = windowFont;
    c.foreColor = darkGrey;
    c.autoSize = true;
    return c;
}

Control centred(Control c)
{
    c.alignment = Qt::AlignHCenter | Qt::AlignTop;
    return c;
}

Control title(int index, QRectF twips, int tabIndex, quint32 colour)
{
    Control c = centred(label("lblTitle", index, twips, tabIndex, QString()));
    c.font = titleFont;
    c.foreColor = colour;
    return c;
}

Control image(int index, QRectF twips, Picture picture)
{
    Control c = control(Kind::Image, "img00001", index, twips, -1);
    c.picture = picture;
    return c;
}

QList<Control> makeControls()
{
    Control description = centred(label("lblDescription", -1, {-22, 3720, 5775, 2415}, 8, {}));
    description.autoSize = false;
    description.wordWrap = true;

    return {
        timer("tm", false, 1),
        button("cmdShowAll", {1215, 2160, 1290, 375}, 6, QStringLiteral("عـرض الكـل"), 2275),
        field(Kind::ComboBox, "cmbR", {3653, 2505, 1905, 315}, 4),
        field(Kind::TextBox, "txtSearch", {3653, 2160, 1905, 345}, 3),
        button("cmdSearch", {2505, 2160, 1110, 375}, 2, QStringLiteral("بـحـــث"), 1958,
               0x00FFFFFF),
        button("cmdExit", {120, 2160, 1095, 375}, 9, QStringLiteral("خـروج"), 1931),
        title(1, {2693, 3240, 135, 600}, 11, midGrey),
        title(0, {2723, 3255, 135, 600}, 10, darkGrey),
        label("lbl0001", 0, {675, 1560, 4380, 195}, 1, QStringLiteral("أكتب اسم العنصر أو جزءا منه (بالعربية) أو رمزه ثم إضغط  بـحـــث")),
        centred(label("lblAbout", -1, {2625, 80, 480, 195}, 0, QStringLiteral("lblbout"))),
        label("lbl0001", 3, {315, 1815, 5100, 195}, 7, QStringLiteral("أو اضغط عرض الكل لإضافة جميع العناصر  الموجودة في البرنامج الى القائمة")),
        image(5, {0, 6240, 5775, 615}, Picture::Bar),
        label("lbl0001", 2, {2160, 2600, 3240, 195}, 5, QStringLiteral("اختر أحد العناصر من القائمة لعرض معلومات عنه  ")),
        image(3, {0, 3000, 5775, 375}, Picture::Bar),
        image(2, {0, 960, 5775, 375}, Picture::Bar),
        image(1, {0, 0, 5775, 975}, Picture::Panel),
        image(0, {0, 1200, 5775, 1815}, Picture::Panel),
        description,
        image(4, {0, 1320, 5775, 5535}, Picture::Panel),
    };
}

} // namespace

QFont Font::toQFont(Fonts::Texts texts) const
{
    return Fonts::font(face, points, weight, texts);
}

QString Control::displayName() const
{
    return index < 0 ? name : name + u'(' + QString::number(index) + u')';
}

const Window &window()
{
    static const Window design{QStringLiteral(" Orvane"), QRectF(0, 0, 5730, 6795), 0x00E9E8E7,
                               windowFont};
    return design;
}

const QList<Control> &controls()
{
    static const QList<Control> design = makeControls();
    return design;
}

} // namespace Design
