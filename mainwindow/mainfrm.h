// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controlarray.h"
#include "controls.h"
#include "fonts.h"

#include <QPointF>
#include <QSizeF>
#include <QTimer>
#include <QWidget>

#include <optional>

class GButton;
namespace Design {
struct Control;
}

// The program's only window. It is built from its stored design, loads (Form_Load) as it is
// constructed, and is then shown by the caller. Its controls carry their designed names as
// object names, and a control's event reaches the slot named after both (cmdSearch_Click) when
// there is one; its handlers and state are its own.
class MainFrm : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int MousePointer READ MousePointer NOTIFY mousePointerChanged)

public:
    explicit MainFrm(QWidget *parent = nullptr);
    // Built from a design other than the stored one.
    explicit MainFrm(const QList<Design::Control> &controls, QWidget *parent = nullptr);
    ~MainFrm() override;

    // The window's outer size (frame included), in twips.
    float Width() const;
    float Height() const;

    int MousePointer() const { return m_mousePointer; }

    // Where CenterForm puts a window on the screen: half the difference of the sizes, in single
    // precision and not rounded; but never above or left of the screen, where the title bar
    // could not be reached. Empty when the arithmetic fails.
    static std::optional<QPointF> centredPosition(QSizeF screenTwips, QSizeF windowTwips);

signals:
    void mousePointerChanged(int pointer);

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    // Found by their names, not connected by hand.
    void cmdExit_Click();
    void cmdSearch_Click();
    void cmdShowAll_Click();
    void cmbR_Click();
    void tm_Timer();

private:
    friend class TestMainWindow;

    void Form_Load();
    void Form_Unload(qint16 &Cancel);
    void CenterForm(MainFrm &window);
    void Move(float left, float top);
    void setMousePointer(int pointer);
    bool FillElementList();
    void setRevealRunning(bool running);

    void createControls(const QList<Design::Control> &controls);
    QObject *createControl(const Design::Control &c);
    QTimer *createTimer(const Design::Control &c);
    GButton *createButton(const Design::Control &c);
    template<typename Field>
    Field *createField(const Design::Control &c);
    Label *createLabel(const Design::Control &c);
    Image *createImage(const Design::Control &c);
    QFont fontOf(const Design::Control &c, Fonts::Texts texts) const;
    template<typename T, typename Signal>
    T *handled(T *control, const Design::Control &c, Signal event, const char *handler);
    void setUpTabOrder(const QList<Design::Control> &controls);

    // Starts a list fill; a newer one overtakes it.
    int beginFill() { return ++m_fill; }
    // Yields to the event loop; false when the fill must stop at once because the program
    // ended or a newer fill overtook it meanwhile.
    bool yieldWithin(int fill);
    void endProgram();

    // The controls the handlers drive, found by their designed names.
    template<typename T>
    T *named(const QString &name) const
    {
        return &namedControl<T>(*this, name);
    }
    QTimer *tm() const { return named<QTimer>(QStringLiteral("tm")); }
    ComboBox *cmbR() const { return named<ComboBox>(QStringLiteral("cmbR")); }
    TextBox *txtSearch() const { return named<TextBox>(QStringLiteral("txtSearch")); }
    Label *lblAbout() const { return named<Label>(QStringLiteral("lblAbout")); }
    Label *lblDescription() const { return named<Label>(QStringLiteral("lblDescription")); }
    ControlArray<Label> lblTitle{this, "lblTitle"};

    // The whole text the reveal shows, and how many of its characters the next tick shows.
    QString DescriptionText;
    qint32 RevealLength = 0;

    // The pictures, back to front.
    QList<const Image *> m_images;
    int m_mousePointer = 0;
    int m_fill = 0;
    bool m_ended = false;
    bool m_centredByFrame = false;
};
