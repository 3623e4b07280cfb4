// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRectF>

#include <vector>

class QPainter;

// The window's standard controls, with the small interface its handlers use. Places and sizes
// are twips; labels and pictures are placed mirrored once the window lays out right to left,
// the child-window controls (combo box, text box, buttons) keep their designed places.

// Places a label or a picture from its designed twips rectangle. Layout direction mirrors
// neither, so the place is mirrored here.
class TwipsPlacement
{
public:
    QRectF twips;

    // Mirrors when the container lays out right to left.
    QRect geometry(const QWidget *container) const;
    void apply(QWidget *control) const;
};

class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // A self-sizing label takes the size of its caption and keeps its Left and Top.
    void setAutoSize(bool autoSize);

    float Left() const { return float(m_place.twips.left()); }
    float Top() const { return float(m_place.twips.top()); }
    float Width() const { return float(m_place.twips.width()); }
    void setDesignedGeometry(const QRectF &twips);
    void Move(float left);
    void Move(float left, float top);

    // What a screen reader is given instead of the caption (the lblDescription card, whole,
    // while the eye sees it typed out); empty to read the caption itself.
    void setAccessibleText(const QString &text);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitToCaption();

    QString m_caption;
    bool m_autoSize = false;
    TwipsPlacement m_place;
};

// A picture the window paints itself, stretched over the control's rectangle. It has no window
// of its own, takes no input and says nothing to a screen reader: the pictures are decoration.
class Image : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void setPicture(const QImage &picture);
    void setDesignedGeometry(const QRectF &twips) { m_place.twips = twips; }

    // Where the picture lies in its container, mirrored when that lays out right to left.
    QRect geometry(const QWidget *container) const;
    void paint(QPainter &painter, const QWidget *container) const;

private:
    QImage m_picture;
    std::vector<QRgb> m_rowColours; // when every row is one colour, else empty
    mutable QPixmap m_stretched;    // any other picture, stretched to the size it last covered
    mutable QSize m_stretchedTo;    // that size, in device pixels
    TwipsPlacement m_place;
};

// A drop-down list: the user picks an entry and cannot type. ListIndex is -1 until an entry
// is selected, also after entries are added to an empty list. The list drops down under the
// box (above it when there is no room below), eight rows high, reads in the box's direction
// and takes the box's colours.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget *parent = nullptr);

    static constexpr int VisibleRows = 8;

    void Clear();
    void AddItem(const QString &item);
    int ListCount() const { return count(); }
    int ListIndex() const { return currentIndex(); }
    // Selects an entry and raises Click before it returns.
    void setListIndex(int index);
    QString Text() const { return currentText(); }

    void showPopup() override;

signals:
    // An entry was selected: by the user (also the one already shown) or by setListIndex.
    void Click();

private:
    QStyle *m_dropDownStyle = nullptr;
};

// A one-line text box without a length limit. Its undo history is forgotten whenever the edits
// since it was last forgotten may have touched more than UndoBudget characters, so that large
// pastes cannot grow it without end; the text, the cursor and the selection stay.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

    static constexpr qsizetype UndoBudget = 1 << 17;

    QString Text() const { return text(); }

private:
    void takeEdit(const QString &text);

    qsizetype m_lastLength = 0;
    qsizetype m_undoCharge = 0;
};
