// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "twips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>

#include <limits>

QRect TwipsPlacement::geometry(const QWidget *container) const
{
    QRectF place = twips;
    if (container && container->layoutDirection() == Qt::RightToLeft)
        place = Twips::mirrored(twips, Twips::fromPixels(container->width()));
    return Twips::toPixels(place);
}

void TwipsPlacement::apply(QWidget *control) const
{
    control->setGeometry(geometry(control->parentWidget()));
}

namespace {

// Labels show CR LF (and a CR cut off from its LF by the reveal) as one line break.
QString displayText(QString caption)
{
    caption.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    caption.replace(u'\r', u'\n');
    return caption;
}

} // namespace

Label::Label(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(displayText(caption));
    if (m_autoSize)
        fitToCaption();
}

void Label::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_autoSize)
        fitToCaption();
}

void Label::setDesignedGeometry(const QRectF &twips)
{
    m_place.twips = twips;
    if (m_autoSize)
        fitToCaption();
    else
        m_place.apply(this);
}

void Label::Move(float left)
{
    Move(left, Top());
}

void Label::Move(float left, float top)
{
    m_place.twips.moveTo(double(left), double(top));
    m_place.apply(this);
}

void Label::setAccessibleText(const QString &text)
{
    // Every change is announced to screen readers, and the reveal calls this on every tick.
    const QString name = displayText(text);
    if (name != accessibleName())
        setAccessibleName(name);
}

void Label::fitToCaption()
{
    const QSize size = fontMetrics().size(0, text());
    m_place.twips.setSize(QSizeF(Twips::fromPixels(size.width()), Twips::fromPixels(size.height())));
    m_place.apply(this);
}

void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        m_place.apply(this);
    else if (event->type() == QEvent::FontChange && m_autoSize)
        fitToCaption();
}

QRect Image::geometry(const QWidget *container) const
{
    return m_place.geometry(container);
}

void Image::paint(QPainter &painter, const QWidget *container) const
{
    // Stretched without smoothing: the pictures are bands of one colour a row, and smoothing
    // would blend neighbouring bands.
    if (!m_picture.isNull())
        painter.drawPixmap(geometry(container), m_picture);
}

namespace {

// Styles that drop a combo box's list as a menu place it over the box, as tall as the screen
// allows and ignoring the row count; a list view under the box is what a long list needs.
class DropDownStyle : public QProxyStyle
{
public:
    // Built on a style of the application's kind, found by name among the built-in styles:
    // asking for the desktop's default instead would search the style plugins.
    DropDownStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(VisibleRows);
    connect(this, &QComboBox::activated, this, &ComboBox::Click);
}

void ComboBox::showPopup()
{
    // The list is set up when it is first opened: a new style or a palette for the list builds
    // it at once, and building it with the window would slow every start for a list the user
    // may never open.
    if (!m_dropDownStyle) {
        m_dropDownStyle = new DropDownStyle;
        m_dropDownStyle->setParent(this);
        setStyle(m_dropDownStyle);
    }
    // The list is a window of its own, which the box's palette does not reach by itself.
    view()->setPalette(palette());
    QComboBox::showPopup();
}

void ComboBox::Clear()
{
    clear();
}

void ComboBox::AddItem(const QString &item)
{
    const bool noSelection = currentIndex() < 0;
    addItem(item);
    // QComboBox selects the first entry added to an empty list by itself; keep "none".
    if (noSelection && currentIndex() >= 0)
        setCurrentIndex(-1);
}

void ComboBox::setListIndex(int index)
{
    setCurrentIndex(index);
    emit Click();
}

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
}
