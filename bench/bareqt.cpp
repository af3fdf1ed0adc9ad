// SPDX-License-Identifier: GPL-3.0-or-later
#include "bareqt.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

#include <algorithm>

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

long long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

namespace {

// Notes every window that has painted something; installed on the application, so it sees a
// window's first paint however early it comes.
class PaintLog : public QObject
{
public:
    QSet<const QWidget *> painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            painted.insert(static_cast<QWidget *>(watched)->window());
        return false;
    }
};

PaintLog &paintLog()
{
    static PaintLog *log = [] {
        auto *installed = new PaintLog;
        installed->setParent(qApp);
        qApp->installEventFilter(installed);
        return installed;
    }();
    return *log;
}

} // namespace

void startWatchingPaints()
{
    paintLog().painted.clear();
}

void waitForPaint(const QWidget *window)
{
    const auto start = Clock::now();
    // A window paints while its expose or update request is handled, all of it in one go, so
    // once that event has been handled the painting is done.
    while (!paintLog().painted.contains(window)) {
        QCoreApplication::processEvents();
        if (millisecondsSince(start) > 10000)
            qFatal("%s was never painted", qPrintable(window->objectName()));
    }
}

BareWindow::BareWindow(const Recipe &recipe)
{
    setObjectName(QStringLiteral("bare"));
    setFixedSize(recipe.size);
    if (recipe.picture) {
        static const QPixmap picture(QStringLiteral("gfx/background.jpg"));
        m_picture = picture;
    }
    for (const Child &child : recipe.children) {
        QWidget *made = nullptr;
        switch (child.kind) {
        case Kind::Edit:
            made = new QLineEdit(child.text, this);
            break;
        case Kind::Label:
            made = new QLabel(child.text, this);
            break;
        case Kind::Image: {
            static const QPixmap banner(QStringLiteral("gfx/banner.jpg"));
            auto *image = new QLabel(this);
            image->setPixmap(banner);
            made = image;
            break;
        }
        case Kind::Button:
            made = new QPushButton(child.text, this);
            break;
        case Kind::Option:
            made = new QRadioButton(child.text, this);
            break;
        case Kind::Frame:
            made = new QGroupBox(child.text, this);
            break;
        case Kind::List:
            made = new QListWidget(this);
            break;
        }
        made->setGeometry(child.geometry);
        made->setVisible(child.visible);
    }
}

BareWindow::Recipe BareWindow::recipeOf(const QWidget *window)
{
    Recipe recipe {window->size(), true, {}};
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue; // a part of a Qt widget, not one of the window's own
        Kind kind = Kind::Label;
        QString text;
        if (auto *edit = qobject_cast<const QLineEdit *>(widget)) {
            kind = Kind::Edit;
            text = edit->text();
        } else if (auto *option = qobject_cast<const QRadioButton *>(widget)) {
            kind = Kind::Option;
            text = option->text();
        } else if (auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            kind = Kind::Button;
            text = button->text();
        } else if (auto *frame = qobject_cast<const QGroupBox *>(widget)) {
            kind = Kind::Frame;
            text = frame->title();
        } else if (qobject_cast<const QListWidget *>(widget)) {
            kind = Kind::List;
        } else if (auto *label = qobject_cast<const QLabel *>(widget)) {
            kind = label->pixmap().isNull() ? Kind::Label : Kind::Image;
            text = label->text();
        }
        const QRect geometry(widget->mapTo(window, QPoint()), widget->size());
        recipe.children.push_back({kind, geometry, text, widget->isVisibleTo(window)});
    }
    return recipe;
}

void BareWindow::writeRecipes(const QString &file, const std::vector<Recipe> &recipes)
{
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    QDataStream stream(&out);
    stream << qint32(recipes.size());
    for (const Recipe &recipe : recipes) {
        stream << recipe.size << recipe.picture << qint32(recipe.children.size());
        for (const Child &child : recipe.children)
            stream << qint32(child.kind) << child.geometry << child.text << child.visible;
    }
}

std::vector<BareWindow::Recipe> BareWindow::readRecipes(const QString &file)
{
    QFile in(file);
    in.open(QIODevice::ReadOnly);
    QDataStream stream(&in);
    qint32 count = 0;
    stream >> count;
    std::vector<Recipe> recipes(size_t(std::max(count, 0)));
    for (Recipe &recipe : recipes) {
        qint32 children = 0;
        stream >> recipe.size >> recipe.picture >> children;
        recipe.children.resize(size_t(std::max(children, 0)));
        for (Child &child : recipe.children) {
            qint32 kind = 0;
            stream >> kind >> child.geometry >> child.text >> child.visible;
            child.kind = Kind(kind);
        }
    }
    return recipes;
}

void BareWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::gray);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
}
