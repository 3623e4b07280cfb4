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

// The size the designer stores for a button, in 1/100 mm: its twips rounded to that unit.
int hundredthsOfMm(qreal twips)
{
    return qRound(twips * 2540 / 1440);
}

} // namespace

Control label(const char *name, int index, QRectF twips, int tabIndex, const QString &text)
{
    Control c = control(Kind::Label, name, index, twips, tabIndex);
    c.text = text;
    c.font = windowFont;
    c.foreColor = darkGrey;
    c.autoSize = true;
    return c;
}

namespace {

Control timer(const char *name, bool enabled, int interval)
{
    Control c = control(Kind::Timer, name, -1, QRectF(), -1);
    c.enabled = enabled;
    c.interval = interval;
    return c;
}

Control button(const char *name, QRectF twips, int tabIndex, const QString &caption,
               std::optional<int> extentX = std::nullopt)
{
    Control c = control(Kind::Button, name, -1, twips, tabIndex);
    c.text = caption;
    c.properties = {
        {QStringLiteral("_extentx"), extentX.value_or(hundredthsOfMm(twips.width()))},
        {QStringLiteral("_extenty"), hundredthsOfMm(twips.height())},
        {QStringLiteral("backcolor"), face},
        {QStringLiteral("forecolor"), darkGrey},
        {QStringLiteral("font"), buttonFont.toQFont(Fonts::Texts::Own)},
        {QStringLiteral("caption"), caption},
    };
    return c;
}

// A focus colour is stored only where it differs from the default.
Control withFocusColor(Control c, quint32 colour)
{
    c.properties.WriteProperty(QStringLiteral("focuscolor"), colour);
    return c;
}

Control field(Kind kind, const char *name, QRectF twips, int tabIndex,
              const QString &accessibleName)
{
    Control c = control(kind, name, -1, twips, tabIndex);
    c.accessibleName = accessibleName;
    c.font = windowFont;
    c.foreColor = darkGrey;
    c.backColor = face;
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

// The window's controls, front to back: a row drawn over the rows below it where they overlap,
// and the child windows (buttons, combo boxes, text boxes) over every label and picture.
// - Places are twips, 15 to a pixel: {Left, Top, Width, Height} in the 5730 x 6795 client area.
// - Buttons, combo boxes and text boxes keep their places. Labels and pictures are mirrored in the
//   right-to-left window: on screen each ends at 5730 - Left, Width to the left of that.
// - Tab indexes are unique among the controls that take the focus (buttons, combo boxes, text
//   boxes), and the lowest has the focus first; pictures and timers have -1.
// - An index of -1 makes a single control; members of a control array share a name, each with an
//   index of its own. A new name needs no code: it is built like its kind's other rows, and its
//   Click (buttons, combo boxes) or Timer reaches MainFrm's slot <name>_Click or <name>_Timer.
// - A row leaves out what its helper fills in: a label's font and colour are the window's and it
//   sizes itself to its text; a button's stored size in 1/100 mm (_extentx, _extenty) is worked
//   out from its twips, and a row gives _extentx only where the stored value differs from that.
QList<Control> makeControls()
{
    Control description = centred(label("lblDescription", -1, {-22, 3720, 5775, 2415}, 8, {}));
    description.autoSize = false;
    description.wordWrap = true;

    return {
        timer("tm", false, 1),
        button("cmdShowAll", {1215, 2160, 1290, 375}, 6, QStringLiteral("عـرض الكـل")),
        field(Kind::ComboBox, "cmbR", {3653, 2505, 1905, 315}, 4, QStringLiteral("قائمة العناصر")),
        field(Kind::TextBox, "txtSearch", {3653, 2160, 1905, 345}, 3,
              QStringLiteral("نص البحث: اسم العنصر أو رمزه")),
        withFocusColor(button("cmdSearch", {2505, 2160, 1110, 375}, 2, QStringLiteral("بـحـــث")),
                       0x00FFFFFF),
        button("cmdExit", {120, 2160, 1095, 375}, 9, QStringLiteral("خـروج")),
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
