// SPDX-License-Identifier: GPL-3.0-or-later
#include "gbutton.h"

#include "ambient.h"
#include "cursor.h"
#include "gbuttonaccessible.h"
#include "input.h"
#include "propertybag.h"
#include "roundrect.h"
#include "sharedtimer.h"
#include "systemcolors.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScopeGuard>
#include <QScopedValueRollback>

#include <algorithm>
#include <stdexcept>

namespace {

// A new button placed in a container: 3135 x 660 twips.
constexpr QSize InitialSize(209, 44);
constexpr int TimerInterval = 20;
// The measuring rectangle's margins, one pixel each side.
constexpr int CaptionMargin = 1;

constexpr quint32 DefaultBackColor = 0x8000000F;
constexpr quint32 DefaultForeColor = 0x80000012;
constexpr quint32 DefaultFocusColor = 0x00FF0000;
constexpr int ButtonHighlight = 20;
constexpr int ButtonShadow = 16;
// X11 sends each repeat of a held key as a release and a press with the same time, and Qt marks
// the pair as a repeat only when the press has arrived by the time it handles the release. An
// unmarked release waits this long (ms) for its press before its KeyUp is raised.
constexpr int RepeatPressWait = 50;

qint16 narrow16(qint64 value)
{
    if (value < -32768 || value > 32767)
        throw std::overflow_error("16-bit overflow");
    return qint16(value);
}

// The pixels of a line from (x1, y1) to (x2, y2) without its last point, which is how the
// surface draws lines; a line whose ends coincide draws nothing. Only straight horizontal and
// vertical lines occur here.
QRect lineRect(int x1, int y1, int x2, int y2)
{
    const auto span = [](int from, int to) {
        return from < to ? std::pair(from, to - 1) : std::pair(to + 1, from);
    };
    if (y1 == y2 && x1 != x2) {
        const auto [lo, hi] = span(x1, x2);
        return QRect(lo, y1, hi - lo + 1, 1);
    }
    if (x1 == x2 && y1 != y2) {
        const auto [lo, hi] = span(y1, y2);
        return QRect(x1, lo, 1, hi - lo + 1);
    }
    return {};
}

void line(QPainter &painter, int x1, int y1, int x2, int y2, quint32 colour)
{
    const QRect r = lineRect(x1, y1, x2, y2);
    if (!r.isEmpty())
        painter.fillRect(r, SystemColors::toQColor(colour));
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&GButtonAccessible::create);
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace

GButton::GButton(QWidget *parent) : QWidget(parent), tmr(new SharedTimer(this))
{
    tmr->setObjectName(QStringLiteral("tmr"));
    tmr->setInterval(TimerInterval);
    connect(tmr, &SharedTimer::timeout, this, &GButton::tmr_Timer);
    // A tick reads only the widget under the cursor, the mode and State, and State changes
    // between ticks only while tmr is stopped, so at rest a tick finds nothing new.
    tmr->setSleepsWhileCursorRests(true);
    tmr->start();

    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Every paint covers the whole surface, erasing included.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(InitialSize);
    installAccessibility();
    Cursor::startTracking();
    m_keyUpTimer.setSingleShot(true);
    m_keyUpTimer.setInterval(RepeatPressWait);
    connect(&m_keyUpTimer, &QTimer::timeout, this, &GButton::raiseKeyUp);

    CanRedraw = true;
    Redraw();
}

// Properties ------------------------------------------------------------------------------------

quint32 GButton::BackColor() const
{
    return m_backColor;
}

void GButton::setBackColor(quint32 New_BackColor)
{
    m_backColor = New_BackColor;
    emit PropertyChanged(QStringLiteral("BackColor"));
    Redraw();
}

quint32 GButton::ForeColor() const
{
    return m_foreColor;
}

void GButton::setForeColor(quint32 New_ForeColor)
{
    m_foreColor = New_ForeColor;
    emit PropertyChanged(QStringLiteral("ForeColor"));
    if (CanRedraw)
        Redraw();
}

bool GButton::Enabled() const
{
    return !testAttribute(Qt::WA_ForceDisabled);
}

QFont GButton::Font() const
{
    return font();
}

void GButton::changeEvent(QEvent *event)
{
    // QWidget's own handler schedules the repaint.
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && Enabled() != m_enabled) {
        m_enabled = Enabled();
        if (!m_loading)
            emit PropertyChanged(QStringLiteral("Enabled"));
    } else if (event->type() == QEvent::FontChange && !m_loading) {
        emit PropertyChanged(QStringLiteral("Font"));
    }
}

QString GButton::Caption() const
{
    return CaptionValue;
}

void GButton::setCaption(const QString &New_Caption)
{
    CaptionValue = New_Caption;
    emit PropertyChanged(QStringLiteral("Caption"));
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    Redraw();
}

QPixmap GButton::MouseIcon() const
{
    return m_mouseIcon;
}

void GButton::setMouseIcon(const QPixmap &New_MouseIcon)
{
    m_mouseIcon = New_MouseIcon;
    if (!m_loading)
        applyMousePointer();
    emit PropertyChanged(QStringLiteral("MouseIcon"));
}

qint32 GButton::MousePointer() const
{
    return m_mousePointer;
}

void GButton::setMousePointer(qint32 New_MousePointer)
{
    m_mousePointer = narrow16(New_MousePointer);
    applyMousePointer();
    emit PropertyChanged(QStringLiteral("MousePointer"));
}

quint32 GButton::FocusColor() const
{
    return FocusColorValue;
}

void GButton::setFocusColor(quint32 New_FocusColor)
{
    // Kept and saved only; nothing is drawn with it.
    FocusColorValue = New_FocusColor;
    emit PropertyChanged(QStringLiteral("FocusColor"));
}

void GButton::SetFocus()
{
    if (!isVisible() || !isEnabled())
        throw std::runtime_error(
            "GButton::SetFocus: a hidden or disabled button cannot take the focus");
    setFocus(Qt::OtherFocusReason);
}

void GButton::applyMousePointer()
{
    Cursor::setMousePointer(*this, m_mousePointer, m_mouseIcon);
}

// Persistence -----------------------------------------------------------------------------------

void GButton::InitProperties()
{
    const QScopedValueRollback loading(m_loading, true);
    setFont(Ambient::font(*this));
    FocusColorValue = DefaultFocusColor;
}

void GButton::ReadProperties(const PropertyBag &bag)
{
    // Each value is stored before the next key is read, so a failing key keeps those before it.
    // Only the MouseIcon setter announces; the cursor takes icon and pointer once, at the end.
    const QScopedValueRollback loading(m_loading, true);
    const auto cursor = qScopeGuard([this] { applyMousePointer(); });
    m_backColor = bag.readColor(QStringLiteral("BackColor"), DefaultBackColor);
    m_foreColor = bag.readColor(QStringLiteral("ForeColor"), DefaultForeColor);
    setEnabled(bag.readBool(QStringLiteral("Enabled"), true));
    setFont(bag.readFont(QStringLiteral("Font"), Ambient::font(*this)));
    CaptionValue = bag.readString(QStringLiteral("Caption"));
    setMouseIcon(bag.readPicture(QStringLiteral("MouseIcon")));
    m_mousePointer = bag.readInt16(QStringLiteral("MousePointer"), 0);
    FocusColorValue = bag.readColor(QStringLiteral("FocusColor"), DefaultFocusColor);
}

void GButton::WriteProperties(PropertyBag &bag) const
{
    // Colours are written as unsigned 32-bit numbers, the picture as a QPixmap (none: empty).
    bag.WriteProperty(QStringLiteral("BackColor"), m_backColor, DefaultBackColor);
    bag.WriteProperty(QStringLiteral("ForeColor"), m_foreColor, DefaultForeColor);
    bag.WriteProperty(QStringLiteral("Enabled"), Enabled(), true);
    bag.WriteProperty(QStringLiteral("Font"), font(), Ambient::font(*this));
    bag.WriteProperty(QStringLiteral("Caption"), CaptionValue, QString());
    const QPixmap icon = MouseIcon();
    bag.WriteProperty(QStringLiteral("MouseIcon"), icon.isNull() ? QVariant() : QVariant(icon),
                      QVariant());
    bag.WriteProperty(QStringLiteral("MousePointer"), int(m_mousePointer), 0);
    bag.WriteProperty(QStringLiteral("FocusColor"), FocusColorValue, DefaultFocusColor);
}

// Painting --------------------------------------------------------------------------------------

void GButton::Redraw()
{
    // Every paint covers the whole button, so one scheduled paint serves any number of changes.
    update();
}

void GButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const quint32 colour = ResolveColor(BackColor());
    // The surface is erased in its own, unshaded colour; the last row and column keep it.
    painter.fillRect(rect(), SystemColors::toQColor(colour));
    const Shades shades = shadesFor(colour, State);
    drawFace(painter, shades);
    drawBevel(painter, shades);
    drawOutline(painter);
    DrawCaption(painter, State);
}

GButton::Shades GButton::shadesFor(quint32 colour, ButtonState state)
{
    Shades s{};
    if (state == StatePressed) {
        s.face = ShadeColor(colour, 20);
        s.topLeftOuter = ShadeColor(s.face, 25);
        s.topLeftInner = ShadeColor(s.face, 12);
        s.bottomRightOuter = ShadeColor(s.face, -10);
        s.bottomRightInner = ShadeColor(s.face, -5);
    } else {
        s.face = ShadeColor(colour, -10);
        s.topLeftOuter = ShadeColor(s.face, -10);
        s.topLeftInner = ShadeColor(s.face, -5);
        s.bottomRightOuter = ShadeColor(s.face, 60);
        s.bottomRightInner = ShadeColor(s.face, 55);
    }
    return s;
}

void GButton::drawFace(QPainter &painter, const Shades &shades)
{
    // Rows 1 to H - 1, each a line from (1, y) to (W - 1, y): one rectangle of those pixels.
    const int W = LastColumn;
    const int H = LastRow;
    const QRect row = lineRect(1, 0, W - 1, 0);
    if (row.isEmpty() || H - 1 < 1)
        return;
    painter.fillRect(QRect(row.left(), 1, row.width(), H - 1), SystemColors::toQColor(shades.face));
}

void GButton::drawBevel(QPainter &painter, const Shades &s)
{
    const int W = LastColumn;
    const int H = LastRow;
    line(painter, 2, 1, W - 2, 1, s.topLeftOuter);
    line(painter, 2, 2, W - 2, 2, s.topLeftInner);
    line(painter, 1, 2, 1, H - 2, s.topLeftOuter);
    line(painter, 2, 2, 2, H - 2, s.topLeftInner);
    line(painter, 2, H - 2, W - 2, H - 2, s.bottomRightOuter);
    line(painter, 2, H - 3, W - 2, H - 3, s.bottomRightInner);
    line(painter, W - 2, 2, W - 2, H - 2, s.bottomRightOuter);
    line(painter, W - 3, 2, W - 3, H - 2, s.bottomRightInner);
}

void GButton::drawOutline(QPainter &painter)
{
    // The outline is drawn in the surface's own pen colour, switched to black for it; the two
    // switches go through the property and so are announced, but must not repaint.
    CanRedraw = false;
    const quint32 remembered = ForeColor();
    setForeColor(0);
    const int W = LastColumn;
    const int H = LastRow;
    // A one-pixel rounded outline with 5 x 5 corners, right and bottom exclusive.
    const QRegion outline = Shapes::roundRect(QRect(0, 0, W, H), 5, 5) -
                            Shapes::roundRect(QRect(1, 1, W - 2, H - 2), 3, 3);
    const QColor pen = SystemColors::toQColor(ResolveColor(ForeColor()));
    for (const QRect &r : outline)
        painter.fillRect(r, pen);
    setForeColor(remembered);
    CanRedraw = true;
}

void GButton::DrawCaption(QPainter &painter, const ButtonState &state)
{
    if (CaptionValue.isEmpty())
        return;
    const int W = LastColumn;
    const int H = LastRow;
    // Measured with word wrap in the rectangle (1, 0) to (W, H) less its margins; the size
    // includes the margins. Drawn as one line at the place that centres that size.
    const QRect r(QPoint(1, 0), QPoint(W - 1, H - 1));
    painter.setFont(font());
    painter.setLayoutDirection(Qt::LayoutDirectionAuto);
    const int wrapWidth = std::max(0, r.width() - 2 * CaptionMargin);
    const QRect needed = painter.fontMetrics().boundingRect(
        QRect(0, 0, wrapWidth, 32767), Qt::TextWordWrap | Qt::TextShowMnemonic, CaptionValue);
    const int tw = needed.width() + 2 * CaptionMargin;
    const int th = needed.height();
    const int off = state == StatePressed ? 1 : 0;
    const int x = r.left() + (W - tw - 1) / 2 + off;
    const int y = r.top() + (H - th - 1) / 2 + off;

    const auto draw = [&](int atX, int atY, const QColor &colour) {
        painter.setPen(colour);
        painter.drawText(QRect(atX, atY, 0, 0),
                         Qt::AlignLeft | Qt::AlignTop | Qt::AlignAbsolute | Qt::TextSingleLine |
                             Qt::TextShowMnemonic | Qt::TextDontClip,
                         CaptionValue);
    };
    if (Enabled()) {
        draw(x, y, SystemColors::toQColor(ResolveColor(ForeColor())));
    } else {
        // Embossed: a light copy one pixel right and down under a dark copy.
        draw(x + 1, y + 1, SystemColors::toQColor(SystemColors::sysColor(ButtonHighlight)));
        draw(x, y, SystemColors::toQColor(SystemColors::sysColor(ButtonShadow)));
    }
}

quint32 GButton::ShadeColor(quint32 colour, qint16 amount)
{
    Channels c = SplitColor(colour);
    c.blue = narrow16(qint64(c.blue) - amount);
    c.green = narrow16(qint64(c.green) - amount);
    c.red = narrow16(qint64(c.red) - amount);
    const auto channel = [](qint16 v) {
        return quint32(std::clamp<int>(v, 0, 255));
    };
    return channel(c.red) + 256 * channel(c.green) + 65536 * channel(c.blue);
}

quint32 GButton::ResolveColor(quint32 colour)
{
    if (colour <= 0x00FFFFFF)
        return colour;
    return SystemColors::sysColor(int(colour & 0x00FFFFFF));
}

GButton::Channels GButton::SplitColor(quint32 colour)
{
    return {narrow16(colour % 256), narrow16(colour / 256 % 256), narrow16(colour / 256 / 256)};
}

// Size and visibility ---------------------------------------------------------------------------

void GButton::takeSize()
{
    LastRow = height() - 1;
    LastColumn = width() - 1;
}

void GButton::resizeEvent(QResizeEvent *)
{
    takeSize();
    setMask(Shapes::roundRect(QRect(0, 0, LastColumn + 1, LastRow + 1), 4, 4));
    Redraw();
}

void GButton::showEvent(QShowEvent *)
{
    takeSize();
    Redraw();
    if (Ambient::userMode())
        tmr->start();
    else
        tmr->stop();
}

void GButton::hideEvent(QHideEvent *)
{
    // A hidden button is never under the cursor; showing it starts the timer again.
    tmr->stop();
}

// Interaction -----------------------------------------------------------------------------------

void GButton::setState(ButtonState state)
{
    const ButtonState before = State;
    State = state;
    Redraw();
    if (before != state && QAccessible::isActive()) {
        QAccessible::State changed;
        changed.pressed = before == StatePressed || state == StatePressed;
        changed.hotTracked = before == StateHover || state == StateHover;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void GButton::mouseDownSteps(qint16 &Button, qint16 &Shift, float &X, float &Y)
{
    tmr->stop();
    if (Button == 1 && Ambient::userMode()) {
        setState(StatePressed);
        // The container's MouseDown handler runs with the sunken face already on screen.
        repaint();
    }
    DownButton = Button;
    DownShift = Shift;
    DownX = X;
    DownY = Y;
    emit MouseDown(Button, Shift, X, Y);
}

void GButton::mousePressEvent(QMouseEvent *event)
{
    m_pressCount = Cursor::pressCount();
    qint16 Button = Input::mouseButtons(event->button());
    qint16 Shift = Input::shiftMask(event->modifiers());
    float X = float(event->position().x());
    float Y = float(event->position().y());
    mouseDownSteps(Button, Shift, X, Y);
}

void GButton::mouseMoveEvent(QMouseEvent *event)
{
    qint16 Button = Input::mouseButtons(event->buttons());
    qint16 Shift = Input::shiftMask(event->modifiers());
    float X = float(event->position().x());
    float Y = float(event->position().y());
    emit MouseMove(Button, Shift, X, Y);
}

void GButton::mouseReleaseEvent(QMouseEvent *event)
{
    // The capture a double click takes ends with the next release, as an ordinary press's does.
    if (m_doubleClickCapture) {
        m_doubleClickCapture = false;
        releaseMouse();
    }
    qint16 Button = Input::mouseButtons(event->button());
    qint16 Shift = Input::shiftMask(event->modifiers());
    float X = float(event->position().x());
    float Y = float(event->position().y());
    const QPointer<GButton> alive(this);
    if (Ambient::userMode()) {
        setState(StateHover);
        tmr->start();
    }
    emit MouseUp(Button, Shift, X, Y);
    // Where the cursor is now decides, not where the release was reported.
    if (alive && (Button & 1) && Cursor::widgetAt(Cursor::position()) == this)
        click();
}

void GButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The double click stands in for the second press of the left button, when the first press
    // was this button's; Qt also reports one whose first click went to another widget.
    const bool secondPressHere =
        event->button() == Qt::LeftButton && Cursor::pressCount() == m_pressCount + 1;
    if (!secondPressHere) {
        mousePressEvent(event);
        return;
    }
    m_pressCount = Cursor::pressCount();
    grabMouse();
    m_doubleClickCapture = true;
    mouseDownSteps(DownButton, DownShift, DownX, DownY);
}

void GButton::keyPressEvent(QKeyEvent *event)
{
    const QPointer<GButton> alive(this);
    if (m_keyRelease) {
        const KeyRelease &r = *m_keyRelease;
        // The press that comes with the time of an unmarked release is its repeat: the key never
        // went up.
        if (event->key() == r.key && event->nativeScanCode() == r.scanCode &&
            event->timestamp() == r.time) {
            m_keyRelease.reset();
            m_keyUpTimer.stop();
        } else {
            raiseKeyUp();
            if (!alive)
                return;
        }
    }
    qint16 KeyCode = Input::keyCode(*event);
    qint16 Shift = Input::shiftMask(event->modifiers());
    emit KeyDown(KeyCode, Shift);
    if (alive && KeyCode == 13)
        click();
    // The characters the key types follow its key-down, one key press each; a character
    // above U+7FFF comes out negative, as a 16-bit value.
    const QString text = event->text();
    for (const QChar ch : text) {
        if (!alive)
            return;
        qint16 KeyAscii = qint16(ch.unicode());
        emit KeyPress(KeyAscii);
    }
}

void GButton::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats its key-down only; the key-up comes when it is let go.
    if (event->isAutoRepeat())
        return;
    const QPointer<GButton> alive(this);
    raiseKeyUp();
    if (!alive)
        return;
    m_keyRelease = KeyRelease{event->key(), event->nativeScanCode(), event->timestamp(),
                              Input::keyCode(*event), Input::shiftMask(event->modifiers())};
    m_keyUpTimer.start();
}

void GButton::raiseKeyUp()
{
    if (!m_keyRelease)
        return;
    KeyRelease r = *m_keyRelease;
    m_keyRelease.reset();
    m_keyUpTimer.stop();
    emit KeyUp(r.KeyCode, r.Shift);
}

void GButton::focusOutEvent(QFocusEvent *event)
{
    // The key was let go while the focus was here.
    const QPointer<GButton> alive(this);
    raiseKeyUp();
    if (alive)
        QWidget::focusOutEvent(event);
}

void GButton::click()
{
    emit Click();
}

void GButton::tmr_Timer()
{
    if (!Ambient::userMode())
        return;
    const bool over = Cursor::widgetUnderCursor() == this;
    if (!over && State == StateHover)
        setState(StateNormal);
    else if (over && State != StateHover)
        setState(StateHover);
}
