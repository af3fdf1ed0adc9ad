// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "listbox.h"
#include "shell.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

using namespace Form;

namespace {

// Names as long as anything a bracket file can hold must fit in an entry slot.
constexpr int LongestName = 65535;

// A long name is first set this much narrower (in percent of its face's width), then smaller, but
// never below this size, so that it can still be read.
constexpr int NarrowestStretch = 80;
constexpr int StretchStep = 5;
constexpr qreal SmallestPoints = 6.5;
constexpr qreal PointStep = 0.25;

// QLineEdit keeps this many pixels clear on either side of its text.
constexpr int TextBoxMargin = 2;

const Look &lookOf(const Row &row)
{
    if (row.look)
        return *row.look;
    return row.kind == Kind::Button ? ButtonLook : DefaultLook;
}

// The colours a widget of its class gets from its look.
QPalette paletteOf(const QWidget *widget, const Look &look)
{
    QPalette palette = widget->palette();
    const QColor ink = QColor::fromRgb(look.ink);
    palette.setColor(QPalette::WindowText, ink);
    palette.setColor(QPalette::Text, ink);
    palette.setColor(QPalette::ButtonText, ink);
    if (qAlpha(look.fill)) {
        const QColor fill = QColor::fromRgb(look.fill);
        palette.setColor(QPalette::Window, fill);
        palette.setColor(QPalette::Base, fill);
    }
    // An option button fills with its button colour, and its circle stays black on white
    // whatever its colours, so the choice can be seen on any fill.
    if (qobject_cast<const QRadioButton *>(widget)) {
        palette.setColor(QPalette::Button, palette.color(QPalette::Window));
        palette.setColor(QPalette::Base, QColor::fromRgb(White));
        palette.setColor(QPalette::Text, QColor::fromRgb(Black));
    }
    return palette;
}

QWidget *makeTextBox(QWidget *parent)
{
    auto *edit = new Form::TextBox(QString(), parent);
    edit->setMaxLength(LongestName);
    return edit;
}

QWidget *makeButton(const Row &row, QWidget *parent)
{
    auto *button = new Form::Button(QString::fromUtf8(row.text), parent);
    // Enter presses the focused button, as it does in every other desktop program.
    button->setAutoDefault(true);
    return button;
}

QWidget *makeLabel(const Look &look, QWidget *parent)
{
    auto *label = new Form::Label(look.autoSize, parent);
    label->setWordWrap(look.wordWrap);
    return label;
}

QWidget *makeFrame(const Row &row, QWidget *parent)
{
    return new QGroupBox(QString::fromUtf8(row.text), parent);
}

QWidget *makeOption(const Row &row, QWidget *parent)
{
    return new Form::OptionButton(QString::fromUtf8(row.text), parent);
}

QWidget *makeImage(Shell &shell, const Row &row, QWidget *parent)
{
    auto *image = new QLabel(parent);
    image->setPixmap(shell.pictures().load(QString::fromUtf8(row.text)));
    return image;
}

} // namespace

bool NameFit::fit(const QString &text, qreal room)
{
    if (m_fitted && text == m_text && room == m_room)
        return m_whole;
    m_fitted = true;
    m_text = text;
    m_room = room;
    m_whole = fitAnew(text, room);
    return m_whole;
}

// Shaping a text to measure it costs about as much as drawing it; adding up the letters' own
// widths is quick. Kerning draws most pairs of letters closer and moves only a few a fraction of
// a pixel apart, so a name whose letters fit one by one with a twentieth of the room to spare
// fits; a name nearer the edge is measured exactly.
bool NameFit::surelyFits(const QString &text, qreal room) const
{
    const QFontMetricsF metrics(m_specified);
    const qreal limit = room * 0.95 - 1;
    qreal sum = 0;
    for (const QChar letter : text) {
        sum += metrics.horizontalAdvance(letter);
        if (sum > limit)
            return false;
    }
    return true;
}

bool NameFit::fitAnew(const QString &text, qreal room)
{
    const auto width = [&](const QFont &font) {
        return QFontMetricsF(font, m_slot).horizontalAdvance(text);
    };
    if (surelyFits(text, room)) {
        show(m_specified, QString());
        return true;
    }
    const qreal natural = width(m_specified);
    if (natural <= room) {
        show(m_specified, QString());
        return true;
    }
    // Narrowed in steps, so that slots share a few font faces rather than each needing its own;
    // then smaller, from an estimate (glyphs snap to pixels, so widths scale only roughly).
    QFont shown = m_specified;
    const int stretch
            = std::max(NarrowestStretch, int(100 * room / natural) / StretchStep * StretchStep);
    shown.setStretch(stretch);
    const qreal narrowed = natural * stretch / 100;
    qreal points = shown.pointSizeF();
    if (narrowed > room)
        points = std::floor(points * room / narrowed / PointStep) * PointStep;
    qreal shownWidth = 0;
    for (;;) {
        shown.setPointSizeF(std::max(points, SmallestPoints));
        shownWidth = width(shown);
        if (points <= SmallestPoints || shownWidth <= room)
            break;
        points -= PointStep;
    }
    show(shown, text);
    return shownWidth <= room;
}

void NameFit::show(const QFont &font, const QString &toolTip)
{
    if (m_slot->font() != font) {
        m_applying = true;
        m_slot->setFont(font);
        m_applying = false;
    }
    if (m_slot->toolTip() != toolTip)
        m_slot->setToolTip(toolTip);
}

bool NameFit::fontChanged()
{
    if (m_applying)
        return false;
    m_specified = m_slot->font();
    m_fitted = false;
    return true;
}

Form::Label::Label(bool autoSize, QWidget *parent) : QLabel(parent), m_autoSize(autoSize)
{
    // Names are shown exactly as typed: "<b>" or "&" in a name is not markup.
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Form::Label::setCaption(const QString &caption)
{
    setText(caption);
    fit();
}

void Form::Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_fit.fontChanged())
        fit();
}

void Form::Label::moveEvent(QMoveEvent *event)
{
    QLabel::moveEvent(event);
    if (m_autoSize)
        fit();
}

void Form::Label::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (!m_autoSize)
        fit();
}

// A label that grows with its caption may grow as far as its window's edge; any other keeps to
// its own box.
qreal Form::Label::room() const
{
    if (!m_autoSize)
        return contentsRect().width();
    const QWidget *window = parentWidget();
    return window ? window->width() - x() - 2 : QWIDGETSIZE_MAX;
}

void Form::Label::fit()
{
    // A label that has not been given its box yet has nothing to fit into, and text that wraps
    // within its box has room enough by design.
    if ((!m_autoSize && !testAttribute(Qt::WA_Resized)) || wordWrap())
        return;
    m_cut = !m_fit.fit(text(), room());
    if (!m_autoSize)
        return;
    const QFontMetrics metrics(font());
    const int width = text().isEmpty() ? 3 : metrics.horizontalAdvance(text()) + 2;
    resize(std::min(width, int(room()) + 2), metrics.height());
}

// Like a button, a label paints itself from its two colours: working out a palette for each of a
// board's many labels would cost more than drawing them.
void Form::Label::setColours(QRgb fill, QRgb ink)
{
    m_fill = QColor::fromRgba(fill);
    m_ink = QColor::fromRgb(ink);
    update();
}

void Form::Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_fill.alpha())
        painter.fillRect(rect(), m_fill);
    const QRect box = contentsRect();
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.setPen(m_ink);
    painter.drawText(box, flags,
                     m_cut ? fontMetrics().elidedText(text(), Qt::ElideRight, box.width())
                           : text());
}

Form::TextBox::TextBox(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] { fit(); });
}

void Form::TextBox::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_fit.fontChanged()) {
        m_room = -1;
        fit();
    }
}

void Form::TextBox::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    m_room = -1;
    fit();
}

// A name that does not fit even at the smallest size scrolls as the user types, like any text box.
void Form::TextBox::fit()
{
    if (!testAttribute(Qt::WA_Resized))
        return;
    if (m_room < 0)
        m_room = room();
    m_fit.fit(text(), m_room);
}

int Form::TextBox::room() const
{
    QStyleOptionFrame frame;
    initStyleOption(&frame);
    const QRect box = style()->subElementRect(QStyle::SE_LineEditContents, &frame, this)
                              .marginsRemoved(textMargins());
    // The cursor takes a pixel after the last letter.
    return box.width() - 2 * TextBoxMargin - 1;
}

void Form::Button::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame = rect();
    const bool sunken = isDown() || isChecked();
    drawBevel(painter, sunken);

    QRect textArea = frame.adjusted(1, 1, -1, -1);
    if (sunken)
        textArea.translate(1, 1);
    // Breaking a caption into lines is slow, and only a caption of several words that is wider
    // than its button needs it.
    if (m_textWidth < 0) {
        const QString caption = QString(text()).remove(QLatin1Char('&'));
        m_textWidth
                = caption.contains(QLatin1Char(' ')) ? fontMetrics().horizontalAdvance(caption) : 0;
    }
    const int wrap = m_textWidth > textArea.width() ? Qt::TextWordWrap : 0;
    painter.setPen(m_ink);
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic | wrap, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = frame.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// A button paints itself from its fill and ink, with the lighter and darker shades of its fill
// that a classic button's bevel takes.
void Form::Button::setColours(QRgb fill, QRgb ink)
{
    m_fill = QColor::fromRgb(fill);
    m_light = m_fill.lighter(150);
    m_dark = m_fill.darker(200);
    m_ink = QColor::fromRgb(ink);
    update();
}

// The classic two-pixel bevel, light over dark when raised and dark over light when pressed,
// drawn as filled strips, which the raster engine draws far quicker than lines.
void Form::Button::drawBevel(QPainter &painter, bool sunken) const
{
    const QColor shadow = Qt::black;
    const QColor &outerTopLeft = sunken ? shadow : m_light;
    const QColor &outerBottomRight = sunken ? m_light : shadow;
    const QColor &innerTopLeft = sunken ? m_dark : m_fill;
    const QColor &innerBottomRight = sunken ? m_fill : m_dark;
    const int w = width(), h = height();
    if (w < 2 || h < 2)
        return;
    painter.fillRect(0, 0, 1, h - 1, outerTopLeft);
    painter.fillRect(1, 0, w - 2, 1, outerTopLeft);
    painter.fillRect(0, h - 1, w, 1, outerBottomRight);
    painter.fillRect(w - 1, 0, 1, h - 1, outerBottomRight);
    if (w <= 4 || h <= 4)
        return;
    painter.fillRect(1, 1, 1, h - 3, innerTopLeft);
    painter.fillRect(2, 1, w - 4, 1, innerTopLeft);
    painter.fillRect(1, h - 2, w - 2, 1, innerBottomRight);
    painter.fillRect(w - 2, 1, 1, h - 3, innerBottomRight);
    painter.fillRect(2, 2, w - 4, h - 4, m_fill);
}

void Form::Button::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_textWidth = -1;
}

void Form::OptionButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &indicator, &painter, this);

    const QRect textArea = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    style()->drawItemText(&painter, textArea,
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic
                                  | Qt::TextWordWrap,
                          palette(), isEnabled(), text(), foregroundRole());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->itemTextRect(fontMetrics(), textArea,
                                           Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                                           isEnabled(), text());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

Slot::Slot(QWidget *widget) : m_widget(widget), m_isEntry(qobject_cast<QLineEdit *>(widget))
{
    Q_ASSERT(m_isEntry || qobject_cast<Form::Label *>(widget));
}

bool Slot::isSlot(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const Form::Label *>(widget);
}

QString Slot::text() const
{
    if (m_isEntry)
        return static_cast<QLineEdit *>(m_widget)->text();
    return static_cast<Form::Label *>(m_widget)->text();
}

void Slot::setText(const QString &text) const
{
    if (m_isEntry) {
        auto *edit = static_cast<QLineEdit *>(m_widget);
        edit->setText(text);
        edit->setCursorPosition(0);
    } else {
        static_cast<Form::Label *>(m_widget)->setCaption(text);
    }
}

FormWindow::FormWindow(Shell &shell, const WindowSpec &spec, std::span<const Row> rows)
    : m_shell(shell), m_background(QColor::fromRgb(spec.background))
{
    setObjectName(QString::fromLatin1(spec.name));
    setWindowTitle(QString::fromUtf8(spec.caption));
    setFixedSize(pixels(spec.width), pixels(spec.height));
    if (spec.picture)
        m_picture = shell.pictures().load(QString::fromLatin1(spec.picture));
    // Widgets in the window's most common font, and text boxes in their most common colours,
    // inherit them from the window instead of each setting its own: one change instead of dozens.
    const Look *common = mostCommonLook(rows, [](const Row &) { return true; });
    m_font = fontOf(common ? *common : DefaultLook);
    setFont(m_font);
    m_entryLook = mostCommonLook(rows, [](const Row &row) { return row.kind == Kind::TextBox; });
    if (m_entryLook) {
        QPalette entries = palette();
        if (qAlpha(m_entryLook->fill))
            entries.setColor(QPalette::Base, QColor::fromRgb(m_entryLook->fill));
        entries.setColor(QPalette::Text, QColor::fromRgb(m_entryLook->ink));
        setPalette(entries);
    }
    // The picture and the background colour cover every pixel; Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (const Row &row : rows)
        create(row);
    setTabOrders(rows);
    m_palettes.clear();
}

QFont FormWindow::fontOf(const Look &look) const
{
    return m_shell.fonts().font(look.family, look.points, look.bold);
}

const Look *FormWindow::mostCommonLook(std::span<const Row> rows,
                                       const std::function<bool(const Row &)> &among)
{
    QHash<const Look *, int> uses;
    for (const Row &row : rows) {
        if (among(row))
            ++uses[&lookOf(row)];
    }
    const auto most
            = std::max_element(uses.constKeyValueBegin(), uses.constKeyValueEnd(),
                               [](const auto &a, const auto &b) { return a.second < b.second; });
    return most == uses.constKeyValueEnd() ? nullptr : most->first;
}

// Buttons and labels paint themselves from their two colours. Other widgets of one class and look
// share one palette, worked out once per window; text boxes in the window's colours need none.
void FormWindow::paint(QWidget *widget, const Look &look)
{
    if (auto *button = qobject_cast<Form::Button *>(widget)) {
        button->setColours(look.fill, look.ink);
        return;
    }
    if (auto *label = qobject_cast<Form::Label *>(widget)) {
        label->setColours(look.fill, look.ink);
        return;
    }
    const bool textBox = qobject_cast<QLineEdit *>(widget);
    if (textBox && &look == m_entryLook && widget->parentWidget() == this)
        return;
    const auto key = std::make_pair(widget->metaObject(), &look);
    auto it = m_palettes.find(key);
    if (it == m_palettes.end())
        it = m_palettes.insert(key, paletteOf(widget, look));
    widget->setPalette(*it);
    // A text box fills itself with its base colour.
    if (qAlpha(look.fill) && !textBox)
        widget->setAutoFillBackground(true);
}

QWidget *FormWindow::create(const Row &row)
{
    QWidget *parent = row.frame ? widget(row.frame) : this;
    const Look &look = lookOf(row);
    QWidget *made = nullptr;
    switch (row.kind) {
    case Kind::TextBox:
        made = makeTextBox(parent);
        break;
    case Kind::Label:
        made = makeLabel(look, parent);
        break;
    case Kind::Button:
        made = makeButton(row, parent);
        break;
    case Kind::ListBox:
        made = new Form::ListBox(parent);
        break;
    case Kind::Image:
        made = makeImage(m_shell, row, parent);
        break;
    case Kind::Frame:
        made = makeFrame(row, parent);
        break;
    case Kind::Option:
        made = makeOption(row, parent);
        break;
    }
    const QString name = QString::fromLatin1(row.name);
    if (m_widgets.contains(name))
        qFatal("%s: widget %s is named twice", qPrintable(objectName()), row.name);
    made->setObjectName(name);
    paint(made, look);
    if (const QFont font = fontOf(look); parent != this || font != m_font)
        made->setFont(font);
    auto *label = qobject_cast<Form::Label *>(made);
    if (row.kind == Kind::Image)
        made->setGeometry(pixels(row.left), pixels(row.top), made->sizeHint().width(),
                          made->sizeHint().height());
    else if (label && label->autoSizes())
        made->move(pixels(row.left), pixels(row.top));
    else
        made->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
    // Names go in last, in their final font and box, so each is laid out once.
    if (Slot::isSlot(made))
        Slot(made).setText(QString::fromUtf8(row.text));
    // A child shows with its window unless hidden beforehand.
    if (!row.visible)
        made->hide();
    m_widgets.insert(name, made);
    return made;
}

void FormWindow::setTabOrders(std::span<const Row> rows)
{
    std::vector<std::pair<int, QWidget *>> chain;
    for (const Row &row : rows) {
        QWidget *w = widget(row.name);
        if (row.tab != NoTab && w->focusPolicy() != Qt::NoFocus)
            chain.emplace_back(row.tab, w);
    }
    std::stable_sort(chain.begin(), chain.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
    // The window opens with the focus on its first visible widget in tab order.
    for (const auto &[tab, w] : chain) {
        if (!w->isHidden()) {
            w->setFocus();
            break;
        }
    }
}

QWidget *FormWindow::widget(const char *name) const
{
    QWidget *found = m_widgets.value(QString::fromLatin1(name));
    if (!found)
        qFatal("%s: no widget named %s", qPrintable(objectName()), name);
    return found;
}

void FormWindow::connectNavigation(const char *button, std::vector<NavStep> steps)
{
    connect(widget<QAbstractButton>(button), &QAbstractButton::clicked, this,
            [this, steps = std::move(steps)] {
                WindowRegistry &windows = m_shell.windows();
                const bool available = std::all_of(steps.begin(), steps.end(), [&](NavStep step) {
                    return step.op != NavOp::Show || windows.isAvailable(step.window);
                });
                if (available)
                    windows.run(steps);
            });
}

// The background colour shows only where the picture does not reach.
void FormWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRegion uncovered
            = event->region() - QRect(QPoint(), m_picture.deviceIndependentSize().toSize());
    for (const QRect &part : uncovered)
        painter.fillRect(part, m_background);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
}
