// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <optional>

class PropertyBag;
class QPainter;
class SharedTimer;

// The program's rounded push button: owner-drawn face, two-line bevel that sinks while pressed,
// black outline, centred caption. It follows the cursor with a 20 ms timer (hover paints like
// normal) that sleeps while the cursor rests, and raises its own events, whose arguments a
// directly connected handler may change.
//
// Colours are quint32 values 0x00BBGGRR; 0x80000000 + n is system colour n (see SystemColors).
// Enabled and Font are set with QWidget's setEnabled() and setFont(); a change of either is
// announced like any other property's. Property accessors that fail throw to their caller:
// setMousePointer() std::overflow_error, ReadProperties() PropertyTypeError, SetFocus()
// std::runtime_error.
class GButton : public QWidget
{
    Q_OBJECT

public:
    enum ButtonState
    {
        StateNormal = 0,
        StatePressed = 1,
        StateHover = 2
    };
    Q_ENUM(ButtonState)

    explicit GButton(QWidget *parent = nullptr);

    quint32 BackColor() const;
    void setBackColor(quint32 New_BackColor);
    quint32 ForeColor() const;
    void setForeColor(quint32 New_ForeColor);
    // The button's own setting; a disabled container does not change it.
    bool Enabled() const;
    QFont Font() const;
    QString Caption() const;
    void setCaption(const QString &New_Caption);
    QPixmap MouseIcon() const;
    void setMouseIcon(const QPixmap &New_MouseIcon);
    qint32 MousePointer() const;
    void setMousePointer(qint32 New_MousePointer);
    quint32 FocusColor() const;
    void setFocusColor(quint32 New_FocusColor);
    void SetFocus();

    // The container gives a new button its defaults, or a stored one its saved properties.
    void InitProperties();
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // What the button shows: pressed, hovered or neither.
    ButtonState buttonState() const { return State; }

public slots:
    // Raises Click, as a left release over the button or Enter does.
    void click();

signals:
    void Click();
    void KeyDown(qint16 &KeyCode, qint16 &Shift);
    void KeyPress(qint16 &KeyAscii);
    void KeyUp(qint16 &KeyCode, qint16 &Shift);
    void MouseDown(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void MouseMove(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void MouseUp(qint16 &Button, qint16 &Shift, float &X, float &Y);
    // A property was set; name is its stored key ("BackColor", "Caption", ...).
    void PropertyChanged(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Channels
    {
        qint16 red;
        qint16 green;
        qint16 blue;
    };
    struct Shades
    {
        quint32 face;
        quint32 topLeftOuter;
        quint32 topLeftInner;
        quint32 bottomRightOuter;
        quint32 bottomRightInner;
    };
    // A key release not marked as a repeat, and what its KeyUp carries.
    struct KeyRelease
    {
        int key;
        quint32 scanCode;
        quint64 time;
        qint16 KeyCode;
        qint16 Shift;
    };

    void Redraw();
    void DrawCaption(QPainter &painter, const ButtonState &state);
    static quint32 ShadeColor(quint32 colour, qint16 amount);
    static quint32 ResolveColor(quint32 colour);
    static Channels SplitColor(quint32 colour);
    static Shades shadesFor(quint32 colour, ButtonState state);

    void drawFace(QPainter &painter, const Shades &shades);
    void drawBevel(QPainter &painter, const Shades &shades);
    void drawOutline(QPainter &painter);

    void takeSize();
    void applyMousePointer();
    void setState(ButtonState state);
    void mouseDownSteps(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void raiseKeyUp();
    void tmr_Timer();

    // Member state
    qint32 LastRow = 0;
    qint32 LastColumn = 0;
    qint16 DownButton = 0;
    qint16 DownShift = 0;
    QString CaptionValue;
    ButtonState State = StateNormal;
    float DownX = 0;
    float DownY = 0;
    bool CanRedraw = false;
    quint32 FocusColorValue = 0;

    // What the hosting object keeps; Enabled and Font are the widget's own.
    quint32 m_backColor = 0x8000000F;
    quint32 m_foreColor = 0x80000012;
    QPixmap m_mouseIcon;
    qint16 m_mousePointer = 0;
    SharedTimer *tmr;

    // Loading stores values without announcing them.
    bool m_loading = false;
    // The Enabled setting last seen, so that a container's change is not taken for ours.
    bool m_enabled = true;
    // Cursor::pressCount() at this button's last press: a double click is ours only when its
    // first press was.
    quint64 m_pressCount = 0;
    bool m_doubleClickCapture = false;
    std::optional<KeyRelease> m_keyRelease;
    QTimer m_keyUpTimer;
};
