// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRgb>
#include <QWidget>

#include "windowregistry.h"

#include <functional>
#include <span>
#include <vector>

class QPainter;
class Shell;

// Windows are described by rows: one per widget, with its name, kind, text, place and look.
// Places are in twips as the layouts give them; 15 twips make one logical pixel, and Qt scales
// logical pixels for dense screens.
namespace Form {

constexpr int pixels(int twips)
{
    return (twips + 7) / 15;
}

constexpr QRgb Blue = qRgb(32, 101, 193); // the program's widget colour
constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb Grey = qRgb(128, 128, 128);
constexpr QRgb ButtonFace = qRgb(240, 240, 240);
constexpr QRgb NoFill = 0; // transparent: the window's picture shows through

struct Look
{
    const char *family = "MS Sans Serif";
    qreal points = 8.25;
    bool bold = false;
    QRgb ink = Black;
    QRgb fill = NoFill;
    bool autoSize = false; // a label that grows and shrinks with its caption
    bool wordWrap = false;
};

// The look of a widget that names none: the window's default font and colours.
inline constexpr Look DefaultLook {};
// Every button of the program is filled with the widget colour.
inline constexpr Look ButtonLook {"MS Sans Serif", 8.25, false, Black, Blue};

enum class Kind { TextBox, Label, Button, ListBox, Image, Frame, Option };

constexpr int NoTab = -1;

struct Row
{
    const char *name;
    Kind kind;
    const char *text; // caption, initial text, or the picture of an image
    int left, top, width, height; // twips, relative to the window or to the row's frame
    int tab = NoTab;
    const Look *look = nullptr; // nullptr: DefaultLook, or ButtonLook for a button
    bool visible = true;
    const char *frame = nullptr; // the frame an option button sits in
};

struct WindowSpec
{
    const char *name;
    const char *caption;
    int width, height; // client area, twips
    QRgb background;
    const char *picture; // drawn at its own size from the top-left corner
};

// How a name is shown in the room its slot has: in the slot's own font whenever it fits; a longer
// name a little narrower, then smaller, down to a size that still reads; only a name too long even
// for that is cut short. Whenever a name is not shown whole in the slot's own font, the slot's
// tooltip holds it.
class NameFit
{
public:
    explicit NameFit(QWidget *slot) : m_slot(slot), m_specified(slot->font()) { }

    // Shows text within room pixels: sets the slot's font and tooltip. False when it is cut.
    bool fit(const QString &text, qreal room);
    // The font the slot's look gives it, whatever a long name shows in.
    QFont specified() const { return m_specified; }
    // Call on every font change: true when the look changed it and the name wants fitting again,
    // false when the change was the fitting's own.
    bool fontChanged();

private:
    bool fitAnew(const QString &text, qreal room);
    bool surelyFits(const QString &text, qreal room) const;
    void show(const QFont &font, const QString &toolTip);

    QWidget *m_slot;
    QFont m_specified;
    bool m_applying = false;
    // The last fitting, which a repeated request (a resize to the same size) reuses.
    bool m_fitted = false;
    QString m_text;
    qreal m_room = 0;
    bool m_whole = true;
};

// A label that shows a name, or any caption: it keeps to its caption's size when its look says
// so, fits a long name into its room, and paints itself in its look's two colours.
class Label : public QLabel
{
    Q_OBJECT

public:
    Label(bool autoSize, QWidget *parent);
    void setCaption(const QString &caption);
    bool autoSizes() const { return m_autoSize; }
    QFont specifiedFont() const { return m_fit.specified(); }
    void setColours(QRgb fill, QRgb ink);

protected:
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fit();
    qreal room() const;
    bool m_autoSize;
    bool m_cut = false;
    QColor m_fill {Qt::transparent}, m_ink {Black};
    NameFit m_fit {this};
};

// An entry slot: a one-line text box whose name shrinks to fit, as a label's does.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    TextBox(const QString &text, QWidget *parent);
    QFont specifiedFont() const { return m_fit.specified(); }

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();
    int room() const;
    NameFit m_fit {this};
    int m_room = -1; // pixels for the text; worked out again after a resize or font change
};

// A command button in the graphical style: a flat fill of its colour inside a raised bevel.
class Button : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;
    void setColours(QRgb fill, QRgb ink);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void drawBevel(QPainter &painter, bool sunken) const;
    QColor m_fill {Blue}, m_light {White}, m_dark {Black}, m_ink {Black};
    int m_textWidth = -1; // a caption of several words: its width on one line, once painted
};

// An option button whose caption wraps onto a second line when it is wider than the button.
class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Form

// The text a contender's name lives in: an entry slot's text or a result slot's caption.
class Slot
{
public:
    Slot() = default;
    explicit Slot(QWidget *widget);

    // Whether the widget holds a name: an entry slot (text box) or a label.
    static bool isSlot(const QWidget *widget);

    QString text() const;
    void setText(const QString &text) const;
    QWidget *widget() const { return m_widget; }
    bool isNull() const { return !m_widget; }

private:
    QWidget *m_widget = nullptr;
    bool m_isEntry = false;
};

// A top-level window built from rows. Unloading destroys it; building it again from the same
// rows gives it back its initial texts.
class FormWindow : public QWidget
{
    Q_OBJECT

public:
    FormWindow(Shell &shell, const Form::WindowSpec &spec, std::span<const Form::Row> rows);

    // Every name is resolved when a window is built; a name that is not in the rows is a fault
    // of the program's tables and stops it at once, so the first test to open the window
    // catches it.
    QWidget *widget(const char *name) const;
    template<class T> T *widget(const char *name) const;
    Slot slot(const char *name) const { return Slot(widget(name)); }

    Shell &shell() const { return m_shell; }

    // Wires a button that moves the user between windows. While a window it would show does not
    // exist in this build, the button does nothing.
    void connectNavigation(const char *button, std::vector<NavStep> steps);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *create(const Form::Row &row);
    void setTabOrders(std::span<const Form::Row> rows);
    QFont fontOf(const Form::Look &look) const;
    static const Form::Look *mostCommonLook(std::span<const Form::Row> rows,
                                            const std::function<bool(const Form::Row &)> &among);
    void paint(QWidget *widget, const Form::Look &look);

    Shell &m_shell;
    QColor m_background;
    QPixmap m_picture;
    QFont m_font;
    const Form::Look *m_entryLook = nullptr; // the text boxes' colours, set on the window
    QHash<QString, QWidget *> m_widgets;
    QHash<std::pair<const QMetaObject *, const Form::Look *>, QPalette> m_palettes; // while built
};

template<class T> T *FormWindow::widget(const char *name) const
{
    T *typed = qobject_cast<T *>(widget(name));
    if (!typed)
        qFatal("%s: widget %s is not a %s", qPrintable(objectName()), name,
               T::staticMetaObject.className());
    return typed;
}
