#include "controls.h"

#include "twips.h"

#include <QEvent>
#include <QPainter>

#include <limits>

void TwipsPlacement::apply(QWidget *control) const
{
    const QWidget *container = control->parentWidget();
    QRectF place = twips;
    if (container && container->layoutDirection() == Qt::RightToLeft)
        place = Twips::mirrored(twips, Twips::fromPixels(container->width()));
    control->setGeometry(Twips::toPixels(place));
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
    setAccessibleName(displayText(text));
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

Image::Image(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void Image::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void Image::setDesignedGeometry(const QRectF &twips)
{
    m_place.twips = twips;
    m_place.apply(this);
}

void Image::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    // Stretched without smoothing: the pictures are bands of one colour a row, and smoothing
    // would blend neighbouring bands.
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

void Image::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        m_place.apply(this);
}

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, &ComboBox::Click);
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
