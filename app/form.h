#pragma once

#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRgb>
#include <QWidget>

#include "windowregistry.h"

#include <span>
#include <vector>

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

// A label that keeps to its caption's size when its look says so.
class Label : public QLabel
{
    Q_OBJECT

public:
    Label(bool autoSize, QWidget *parent);
    void setCaption(const QString &caption);
    bool autoSizes() const { return m_autoSize; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void fit();
    bool m_autoSize;
};

// A command button in the graphical style: a flat fill of its colour inside a raised bevel.
class Button : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
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

    Shell &m_shell;
    QColor m_background;
    QPixmap m_picture;
    QHash<QString, QWidget *> m_widgets;
};

template<class T> T *FormWindow::widget(const char *name) const
{
    T *typed = qobject_cast<T *>(widget(name));
    if (!typed)
        qFatal("%s: widget %s is not a %s", qPrintable(objectName()), name,
               T::staticMetaObject.className());
    return typed;
}
