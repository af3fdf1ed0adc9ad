#include "form.h"

#include "shell.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

#include <algorithm>

using namespace Form;

namespace {

// Names as long as anything a bracket file can hold must fit in an entry slot.
constexpr int LongestName = 65535;

const Look &lookOf(const Row &row)
{
    if (row.look)
        return *row.look;
    return row.kind == Kind::Button ? ButtonLook : DefaultLook;
}

void paint(QWidget *widget, const Look &look)
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
        widget->setAutoFillBackground(true);
    }
    // An option button fills with its button colour, and its circle stays black on white
    // whatever its colours, so the choice can be seen on any fill.
    if (qobject_cast<QRadioButton *>(widget)) {
        palette.setColor(QPalette::Button, palette.color(QPalette::Window));
        palette.setColor(QPalette::Base, QColor::fromRgb(White));
        palette.setColor(QPalette::Text, QColor::fromRgb(Black));
    }
    widget->setPalette(palette);
}

QWidget *makeTextBox(const Row &row, QWidget *parent)
{
    auto *edit = new QLineEdit(QString::fromUtf8(row.text), parent);
    edit->setMaxLength(LongestName);
    edit->setCursorPosition(0);
    return edit;
}

QWidget *makeButton(const Row &row, const Look &look, QWidget *parent)
{
    auto *button = new Form::Button(QString::fromUtf8(row.text), parent);
    // Enter presses the focused button, as it does in every other desktop program.
    button->setAutoDefault(true);
    QPalette palette(QColor::fromRgb(look.fill));
    palette.setColor(QPalette::ButtonText, QColor::fromRgb(look.ink));
    button->setPalette(palette);
    return button;
}

QWidget *makeLabel(const Row &row, const Look &look, QWidget *parent)
{
    auto *label = new Form::Label(look.autoSize, parent);
    label->setWordWrap(look.wordWrap);
    label->setCaption(QString::fromUtf8(row.text));
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
    if (event->type() == QEvent::FontChange)
        fit();
}

void Form::Label::fit()
{
    if (!m_autoSize)
        return;
    const QFontMetrics metrics(font());
    const int width = text().isEmpty() ? 3 : metrics.horizontalAdvance(text()) + 2;
    resize(width, metrics.height());
}

void Form::Button::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame = rect();
    const bool sunken = isDown() || isChecked();
    const QBrush fill = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, frame, palette(), sunken, &fill);

    QRect textArea = frame.adjusted(1, 1, -1, -1);
    if (sunken)
        textArea.translate(1, 1);
    style()->drawItemText(&painter, textArea,
                          Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap, palette(),
                          isEnabled(), text(), QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = frame.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
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
    for (const Row &row : rows)
        create(row);
    setTabOrders(rows);
}

QWidget *FormWindow::create(const Row &row)
{
    QWidget *parent = row.frame ? widget(row.frame) : this;
    const Look &look = lookOf(row);
    QWidget *made = nullptr;
    switch (row.kind) {
    case Kind::TextBox:
        made = makeTextBox(row, parent);
        break;
    case Kind::Label:
        made = makeLabel(row, look, parent);
        break;
    case Kind::Button:
        made = makeButton(row, look, parent);
        break;
    case Kind::ListBox:
        made = new QListWidget(parent);
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
    if (row.kind != Kind::Button)
        paint(made, look);
    made->setFont(m_shell.fonts().font(look.family, look.points, look.bold));
    auto *label = qobject_cast<Form::Label *>(made);
    if (row.kind == Kind::Image)
        made->setGeometry(pixels(row.left), pixels(row.top), made->sizeHint().width(),
                          made->sizeHint().height());
    else if (label && label->autoSizes())
        made->move(pixels(row.left), pixels(row.top));
    else
        made->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
    made->setVisible(row.visible);
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

void FormWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
}
