// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainfrm.h"

#include "card.h"
#include "cursor.h"
#include "design.h"
#include "fonts.h"
#include "gbutton.h"
#include "melementsinformations.h"
#include "program.h"
#include "search.h"
#include "systemcolors.h"
#include "textservices.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QMetaMethod>
#include <QPainter>
#include <QResource>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <utility>

using MElementsInformations::ElementCount;
using MElementsInformations::Elements;

namespace {

constexpr int HourglassPointer = 11;
constexpr int DefaultPointer = 0;
constexpr int RevealStep = 5;

void setColours(QWidget &widget, std::initializer_list<QPalette::ColorRole> roles, quint32 colour)
{
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : roles)
        palette.setColor(role, SystemColors::toQColor(colour));
    widget.setPalette(palette);
}

// A field's palette: the designed colours behind and of its text, the window's own colour
// around it, and the style's standard colours for every other role, all of them set. A role left
// unset would come from the desktop's palette, where a dark one puts light arrows on the
// drop-down list's light scroll bar.
QPalette fieldPalette(const Design::Control &field)
{
    QPalette palette = QApplication::style()->standardPalette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    palette.setColor(QPalette::Window, SystemColors::toQColor(Design::window().backColor));
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button})
        palette.setColor(role, SystemColors::toQColor(field.backColor));
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, SystemColors::toQColor(field.foreColor));
    return palette;
}

// An image over pixels compiled into the program, read in place. Such an image wants its data
// on a 4-byte boundary, where compilers put it; were it not, a copy is.
QImage imageOver(const uchar *pixels, int width, int height, QImage::Format format)
{
    const QImage image(pixels, width, height, width * 4, format);
    return quintptr(pixels) % 4 == 0 ? image : image.copy();
}

// The 32-bit images of the program's icon, as the window hands them to the desktop and in that
// order. They are stored premultiplied, as little-endian 0xAARRGGBB words: the form a pixmap
// keeps, so a pixmap takes them in place, with no image plug-in, decoding or conversion before
// the window maps.
QIcon windowIconImages()
{
    QIcon icon;
    const QResource raw(QStringLiteral(":/icons/orvane-icon.argb32pm"));
    qsizetype at = 0;
    for (int size : {48, 32, 16, 128}) {
        const qsizetype bytes = qsizetype(size) * size * 4;
        if (at + bytes > raw.size())
            break;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        icon.addPixmap(QPixmap::fromImage(
            imageOver(raw.data() + at, size, size, QImage::Format_ARGB32_Premultiplied)));
#else
        // The bytes are blue, green, red and alpha: read as red, green, blue and alpha, swapped.
        icon.addPixmap(QPixmap::fromImage(
            imageOver(raw.data() + at, size, size, QImage::Format_RGBA8888_Premultiplied)
                .rgbSwapped()));
#endif
        at += bytes;
    }
    return icon;
}

// A band picture as raw pixels (red, green, blue, unused; rows from the top), read in place:
// no image plug-in and no decoding before the window maps. Both pictures are 41 pixels wide.
QImage bandPicture(Design::Picture picture)
{
    constexpr int Width = 41;
    const QResource raw(picture == Design::Picture::Bar ? QStringLiteral(":/pictures/bar.rgbx")
                                                        : QStringLiteral(":/pictures/panel.rgbx"));
    return imageOver(raw.data(), Width, int(raw.size() / (Width * 4)), QImage::Format_RGBX8888);
}

QString aboutText()
{
    return QStringLiteral("Orvane\r\nالإصـدار الثاني\r\nبرمجة وتصميم: فريق Orvane\r\n"
                          "  برنامج مجاني للجميع  ");
}

} // namespace

MainFrm::MainFrm(QWidget *parent) : MainFrm(Design::controls(), parent) {}

MainFrm::MainFrm(const QList<Design::Control> &controls, QWidget *parent) : QWidget(parent)
{
    createControls(controls);
    Form_Load();
    // Without an Arabic font every Arabic text is blank: say why until the first card.
    if (Fonts::installed().arabicMissing)
        lblDescription()->setCaption(Fonts::missingArabicNotice());
}

MainFrm::~MainFrm() = default;

void MainFrm::createControls(const QList<Design::Control> &controls)
{
    const Design::Window &design = Design::window();
    setWindowTitle(design.caption);
    setWindowIcon(windowIconImages());
    setFont(design.font.toQFont());
    // Fixed single border: a caption bar with the system menu, no resizing, no maximising.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(Twips::toPixels(design.clientTwips).size());
    setColours(*this, {QPalette::Window}, design.backColor);
    setAutoFillBackground(true);

    // Created back to front, so each label lies over the ones listed after it. The child
    // windows then go in front of every label, as the window paints labels and pictures itself.
    QList<QWidget *> childWindows;
    for (auto it = controls.crbegin(); it != controls.crend(); ++it) {
        QObject *control = createControl(*it);
        control->setObjectName(it->displayName());
        auto *widget = qobject_cast<QWidget *>(control);
        if (widget && !qobject_cast<Label *>(widget))
            childWindows << widget;
    }
    for (QWidget *widget : std::as_const(childWindows))
        widget->raise();
    setUpTabOrder(controls);
}

QObject *MainFrm::createControl(const Design::Control &c)
{
    switch (c.kind) {
    case Design::Kind::Timer:
        return handled(createTimer(c), c, &QTimer::timeout, "_Timer()");
    case Design::Kind::Button:
        return handled(createButton(c), c, &GButton::Click, "_Click()");
    case Design::Kind::ComboBox:
        return handled(createField<ComboBox>(c), c, &ComboBox::Click, "_Click()");
    case Design::Kind::TextBox:
        return createField<TextBox>(c);
    case Design::Kind::Label:
        return createLabel(c);
    case Design::Kind::Image:
        return createImage(c);
    }
    Q_UNREACHABLE();
}

// A control's event reaches the slot named after the control and the event (cmdSearch_Click),
// found by that name as a form designer's are: a control without one does nothing when used.
template<typename T, typename Signal>
T *MainFrm::handled(T *control, const Design::Control &c, Signal event, const char *handler)
{
    const int slot = metaObject()->indexOfSlot(c.displayName().toLatin1() + handler);
    if (slot >= 0)
        connect(control, QMetaMethod::fromSignal(event), this, metaObject()->method(slot));
    return control;
}

QTimer *MainFrm::createTimer(const Design::Control &c)
{
    auto *timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(c.interval);
    if (c.enabled)
        timer->start();
    return timer;
}

GButton *MainFrm::createButton(const Design::Control &c)
{
    auto *button = new GButton(this);
    button->ReadProperties(c.properties);
    button->setGeometry(Twips::toPixels(c.twips));
    return button;
}

template<typename Field>
Field *MainFrm::createField(const Design::Control &c)
{
    auto *field = new Field(this);
    field->setGeometry(Twips::toPixels(c.twips));
    // Setting the window's own font again would cost the start a fifth of a millisecond.
    if (const QFont font = fontOf(c, Fonts::Texts::Any); font != this->font())
        field->setFont(font);
    field->setPalette(fieldPalette(c));
    field->setAccessibleName(c.accessibleName);
    return field;
}

Label *MainFrm::createLabel(const Design::Control &c)
{
    auto *label = new Label(this);
    label->setFont(fontOf(c, Fonts::Texts::Own));
    setColours(*label, {QPalette::WindowText}, c.foreColor);
    label->setAlignment(c.alignment);
    label->setWordWrap(c.wordWrap);
    label->setCaption(c.text);
    label->setDesignedGeometry(c.twips);
    label->setAutoSize(c.autoSize);
    return label;
}

Image *MainFrm::createImage(const Design::Control &c)
{
    auto *image = new Image(this);
    image->setPicture(bandPicture(c.picture));
    image->setDesignedGeometry(c.twips);
    m_images.append(image);
    return image;
}

QFont MainFrm::fontOf(const Design::Control &c, Fonts::Texts texts) const
{
    return c.font.face.isEmpty() ? font() : c.font.toQFont(texts);
}

void MainFrm::setUpTabOrder(const QList<Design::Control> &controls)
{
    // The keyboard visits the controls that take the focus in the order of their tab indexes;
    // the first one holds the focus when the window first shows.
    QMap<int, QWidget *> chain;
    for (const Design::Control &c : controls) {
        if (c.tabIndex < 0)
            continue;
        if (QWidget *widget = findChild<QWidget *>(c.displayName());
            widget && widget->focusPolicy() != Qt::NoFocus)
            chain.insert(c.tabIndex, widget);
    }
    QWidget *previous = nullptr;
    for (QWidget *widget : chain) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
    if (!chain.isEmpty())
        chain.first()->setFocus();
}

float MainFrm::Width() const
{
    return Twips::fromPixels(frameGeometry().width());
}

float MainFrm::Height() const
{
    return Twips::fromPixels(frameGeometry().height());
}

void MainFrm::paintEvent(QPaintEvent *)
{
    // The pictures lie under everything else, the first listed in front.
    QPainter painter(this);
    for (const Image *image : m_images)
        image->paint(painter, this);
}

void MainFrm::Move(float left, float top)
{
    move(Twips::toPixels(left), Twips::toPixels(top));
}

void MainFrm::setMousePointer(int pointer)
{
    m_mousePointer = pointer;
    Cursor::setMousePointer(*this, pointer);
    emit mousePointerChanged(pointer);
}

std::optional<QPointF> MainFrm::centredPosition(QSizeF screenTwips, QSizeF windowTwips)
{
    const float left = (float(screenTwips.width()) - float(windowTwips.width())) / 2.0f;
    const float top = (float(screenTwips.height()) - float(windowTwips.height())) / 2.0f;
    if (!std::isfinite(left) || !std::isfinite(top))
        return std::nullopt;
    return QPointF(double(std::max(left, 0.0f)), double(std::max(top, 0.0f)));
}

void MainFrm::Form_Load()
{
    // Right to left before the window is first shown; every other window setting stays.
    setLayoutDirection(Qt::RightToLeft);
    CenterForm(*this);
    MElementsInformations::LoadElements();
    lblAbout()->setCaption(aboutText());
}

void MainFrm::CenterForm(MainFrm &window)
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect screenPixels = screen->geometry();
    const QSizeF screenTwips(Twips::fromPixels(screenPixels.width()),
                             Twips::fromPixels(screenPixels.height()));
    // The place is the screen's own; the screen need not start where the desktop does.
    if (const auto place = centredPosition(screenTwips, QSizeF(Width(), Height())))
        window.Move(float(place->x()) + Twips::fromPixels(screenPixels.x()),
                    float(place->y()) + Twips::fromPixels(screenPixels.y()));
}

void MainFrm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Before its first show the window knows no frame, so Form_Load centres the client area.
    // The frame is known by the first expose, which comes before the first paint.
    if (!m_centredByFrame && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool MainFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && !m_centredByFrame) {
        m_centredByFrame = true;
        watched->removeEventFilter(this);
        if (frameGeometry().size() != size())
            CenterForm(*this);
    }
    return QWidget::eventFilter(watched, event);
}

void MainFrm::Form_Unload(qint16 &Cancel)
{
    Q_UNUSED(Cancel); // closing is never refused
    MElementsInformations::ClearElements();
    endProgram();
}

void MainFrm::closeEvent(QCloseEvent *event)
{
    if (m_ended) {
        event->accept();
        return;
    }
    qint16 cancel = 0;
    Form_Unload(cancel);
    event->setAccepted(cancel == 0);
}

void MainFrm::cmdExit_Click()
{
    endProgram();
}

void MainFrm::endProgram()
{
    // Nothing of ours may run after this: timers stop and say nothing more (hidden, the buttons
    // stop their own), and any fill that is yielding stops at its next step.
    m_ended = true;
    for (QTimer *timer : findChildren<QTimer *>(Qt::FindDirectChildrenOnly)) {
        timer->stop();
        timer->blockSignals(true);
    }
    hide();
    QCoreApplication::exit(0);
}

bool MainFrm::yieldWithin(int fill)
{
    Program::yield();
    if (m_ended)
        return false;
    if (fill != m_fill) {
        // The newer fill ran to its end inside the yield; do not leave our hourglass behind.
        setMousePointer(DefaultPointer);
        return false;
    }
    return true;
}

void MainFrm::setRevealRunning(bool running)
{
    // Enabling the running timer changes nothing, as with the platform's own timers.
    if (running && !tm()->isActive())
        tm()->start();
    else if (!running)
        tm()->stop();
}

void MainFrm::cmdShowAll_Click()
{
    if (m_ended)
        return;
    const int fill = beginFill();
    cmbR()->Clear();
    for (int i = 1; i <= ElementCount; ++i) {
        cmbR()->AddItem(Elements(i).Name);
        if (!yieldWithin(fill))
            return;
    }
    cmbR()->setListIndex(0);
    setRevealRunning(true);
}

void MainFrm::cmdSearch_Click()
{
    if (m_ended)
        return;
    if (FillElementList())
        setRevealRunning(true);
}

bool MainFrm::FillElementList()
{
    const int fill = beginFill();
    cmbR()->Clear();
    DescriptionText.clear();
    lblTitle(0).setCaption(QString());
    lblTitle(1).setCaption(QString());

    if (TextServices::trimSpaces(txtSearch()->Text()).isEmpty()) {
        Program::beep();
        DescriptionText = Card::noSearchTextMessage();
        return true;
    }

    setMousePointer(HourglassPointer);
    Search::Matcher matcher;
    for (int i = 1; i <= ElementCount; ++i) {
        // The text is read afresh for every record: the user may type during the yields.
        if (matcher.matches(Elements(i), txtSearch()->Text())) {
            cmbR()->AddItem(Elements(i).Name);
            setMousePointer(DefaultPointer);
        }
        if (!yieldWithin(fill))
            return false;
    }

    if (cmbR()->ListCount() == 0) {
        Program::beep();
        DescriptionText = Card::notFoundMessage();
    } else {
        cmbR()->setListIndex(0);
    }
    setMousePointer(DefaultPointer);
    return true;
}

void MainFrm::cmbR_Click()
{
    if (m_ended)
        return;
    setMousePointer(HourglassPointer);
    const QString text = cmbR()->Text();
    for (int i = 1; i <= ElementCount; ++i) {
        const ElementInfo &element = Elements(i);
        if (!TextServices::equalsIgnoringCase(text, element.Name))
            continue;
        DescriptionText = Card::compose(element);
        lblTitle(0).setCaption(element.Name);
        lblTitle(1).setCaption(element.Name);
        lblTitle(0).Move((Width() - lblTitle(0).Width()) / 2.0f);
        lblTitle(1).Move(lblTitle(0).Left() - 20, lblTitle(0).Top() - 20);
    }
    setMousePointer(DefaultPointer);
    setRevealRunning(true);
}

void MainFrm::tm_Timer()
{
    if (m_ended)
        return;
    const qint32 length = qint32(DescriptionText.size());
    if (RevealLength - RevealStep > length) {
        RevealLength = 0;
        setRevealRunning(false);
        // A text replaced by a shorter one mid-reveal would otherwise leave a prefix of the
        // earlier text on screen.
        lblDescription()->setCaption(DescriptionText);
    } else {
        lblDescription()->setCaption(DescriptionText.left(RevealLength));
        RevealLength += RevealStep;
    }
    lblDescription()->setAccessibleText(DescriptionText);
}
