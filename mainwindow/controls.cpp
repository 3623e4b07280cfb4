// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "twips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

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

// 32 bits a pixel, as the window's backing store takes it.
QImage asPixels(const QImage &picture)
{
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
}

// Nearest neighbour: the source pixel (column or row) under the centre of a target one.
int sourceIndex(int target, int targetSize, int sourceSize)
{
    return int((2 * target + 1) * qint64(sourceSize) / (2 * targetSize));
}

// The picture stretched to a size, by nearest neighbour and by hand: Qt's own stretching paints
// through the raster engine, which starts helper threads for it.
QImage stretched(const QImage &source, QSize size)
{
    QImage target(size, source.format());
    if (source.isNull() || target.isNull())
        return target;
    std::vector<int> columns(size_t(size.width()));
    for (int x = 0; x < size.width(); ++x)
        columns[size_t(x)] = sourceIndex(x, size.width(), source.width());
    for (int y = 0, previous = -1; y < size.height(); ++y) {
        const int row = sourceIndex(y, size.height(), source.height());
        auto *to = reinterpret_cast<QRgb *>(target.scanLine(y));
        if (row == previous) {
            std::memcpy(to, target.constScanLine(y - 1), size_t(target.bytesPerLine()));
            continue;
        }
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(row));
        for (int x = 0; x < size.width(); ++x)
            to[x] = from[columns[size_t(x)]];
        previous = row;
    }
    return target;
}

// The colour of each row of an opaque picture whose every row is one colour; empty for any
// other picture.
std::vector<QRgb> rowColours(const QImage &picture)
{
    if (picture.hasAlphaChannel())
        return {};
    const QImage pixels = asPixels(picture);
    std::vector<QRgb> colours;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        if (!std::all_of(row, row + pixels.width(), [row](QRgb pixel) { return pixel == row[0]; }))
            return {};
        colours.push_back(row[0]);
    }
    return colours;
}

// Qt hands a fill or a blend clipped around child windows to helper threads once it has more
// than about a hundred row pieces; a band of this many rows stays below that.
constexpr int BandRows = 16;

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
    // An empty caption needs no measuring, and measuring it would load the font before the
    // window shows (the title labels' large face, for nothing).
    if (text().isEmpty()) {
        m_place.twips.setWidth(0);
        m_place.apply(this);
        return;
    }
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

void Image::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_rowColours = rowColours(picture);
    m_stretched = QPixmap();
    m_stretchedTo = QSize();
}

QRect Image::geometry(const QWidget *container) const
{
    return m_place.geometry(container);
}

void Image::paint(QPainter &painter, const QWidget *container) const
{
    if (m_picture.isNull())
        return;
    // Stretched by nearest neighbour in device pixels, with no smoothing: the pictures are bands
    // of one colour a row, and smoothing would blend neighbouring bands.
    const QRect place = geometry(container);
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (ratio != std::floor(ratio)) {
        // At a fractional scale the picture's edges fall between device pixels, and the
        // painter's own stretching decides which pixels they cover.
        painter.drawImage(place, m_picture);
        return;
    }
    const QSize pixels = place.size() * int(ratio);
    const auto band = [&](int y, int rows) {
        return QRectF(place.left(), place.top() + y / ratio, place.width(), rows / ratio);
    };
    if (!m_rowColours.empty()) {
        // Rows of one colour each: every run of device rows that takes one colour is filled,
        // with no stretched copy to make or keep.
        const auto colourAt = [&](int y) {
            return m_rowColours[size_t(sourceIndex(y, pixels.height(), int(m_rowColours.size())))];
        };
        for (int y = 0, end = 0; y < pixels.height(); y = end) {
            const QRgb colour = colourAt(y);
            for (end = y + 1; end < pixels.height() && end - y < BandRows; ++end) {
                if (colourAt(end) != colour)
                    break;
            }
            painter.fillRect(band(y, end - y), QColor::fromRgb(colour));
        }
        return;
    }
    // Any other picture is stretched once to the size it covers and then only copied, a band of
    // rows at a time.
    if (m_stretchedTo != pixels) {
        m_stretched = QPixmap::fromImage(stretched(asPixels(m_picture), pixels));
        m_stretched.setDevicePixelRatio(ratio);
        m_stretchedTo = pixels;
    }
    for (int y = 0; y < pixels.height(); y += BandRows) {
        const int rows = qMin(BandRows, pixels.height() - y);
        painter.drawPixmap(band(y, rows), m_stretched, QRectF(0, y, pixels.width(), rows));
    }
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
        // A press on the box builds the list before it opens, under the menu-like style, which
        // turns the list's scroll bar off for good.
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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
    connect(this, &QLineEdit::textChanged, this, &TextBox::takeEdit);
}

void TextBox::takeEdit(const QString &text)
{
    // Qt's history keeps a record of every character an edit inserts or removes, for as long as
    // the box lives: 60,000 characters pasted over as many cost it 2 MB. An edit touches at most
    // the characters before and after it, which bounds what the history can have taken in.
    m_undoCharge += m_lastLength + text.size();
    m_lastLength = text.size();
    if (m_undoCharge <= UndoBudget)
        return;
    m_undoCharge = 0;
    const int cursor = cursorPosition();
    const int start = selectionStart();
    const int length = selectionLength();
    setText(text); // the same text: only the history goes, with the cursor and the selection
    if (length > 0 && cursor == start)
        setSelection(start + length, -length);
    else if (length > 0)
        setSelection(start, length);
    else
        setCursorPosition(cursor);
}
