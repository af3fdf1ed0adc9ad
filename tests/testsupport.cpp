#include "testsupport.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>

QString FakeDialogs::answer(const QString &start, const QString &filter)
{
    startPaths << start;
    filters << filter;
    if (answers.isEmpty())
        qFatal("a file dialog was shown that the test did not expect");
    return answers.dequeue();
}

QString FakeDialogs::saveFileName(QWidget *, const QString &start, const QString &filter)
{
    return answer(start, filter);
}

QString FakeDialogs::openFileName(QWidget *, const QString &start, const QString &filter)
{
    return answer(start, filter);
}

void FakeDialogs::warn(QWidget *, const QString &title, const QString &text)
{
    messages.append({true, title, text});
}

void FakeDialogs::inform(QWidget *, const QString &title, const QString &text)
{
    messages.append({false, title, text});
}

bool FakeDialogs::choosePrinter(QWidget *, QPrinter &printer)
{
    ++printDialogs;
    if (printFile.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printFile);
    return true;
}

void FakeDialogs::notice(QWidget *, const QString &text)
{
    notices << text;
}

TestProgram::TestProgram() : shell(dialogs)
{
    registerWindows(shell);
}

TestProgram::~TestProgram()
{
    settle();
}

void TestProgram::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

FreshGenerator::FreshGenerator() : m_saved(processRandom().state())
{
    processRandom().setState(RandomGenerator::StartState);
}

FreshGenerator::~FreshGenerator()
{
    processRandom().setState(m_saved);
}

void FreshGenerator::nextValueWillBe(quint32 x)
{
    // The step is a bijection on 24 bits: undo it with the multiplier's inverse modulo 2^24,
    // found by Newton's iteration.
    const quint32 multiplier = 0x43FD43FD;
    quint32 inverse = multiplier;
    for (int i = 0; i < 5; ++i)
        inverse *= 2 - multiplier * inverse;
    processRandom().setState(((x - 0xC39EC3u) * inverse) & 0xFFFFFF);
}

QWidget *Ui::find(QWidget *window, const QString &name)
{
    auto *found = window->findChild<QWidget *>(name);
    if (!found)
        qFatal("%s has no widget %s", qPrintable(window->objectName()), qPrintable(name));
    return found;
}

void Ui::click(QWidget *window, const QString &name)
{
    auto *button = qobject_cast<QAbstractButton *>(find(window, name));
    if (!button || !button->isVisibleTo(window) || !button->isEnabled())
        qFatal("button %s cannot be clicked", qPrintable(name));
    button->click();
}

QString Ui::text(QWidget *window, const QString &name)
{
    QWidget *widget = find(window, name);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    qFatal("widget %s holds no text", qPrintable(name));
}

void Ui::type(QWidget *window, const QString &name, const QString &text)
{
    auto *edit = qobject_cast<QLineEdit *>(find(window, name));
    if (!edit)
        qFatal("widget %s is no text box", qPrintable(name));
    edit->selectAll();
    edit->insert(text);
}

bool Ui::shown(QWidget *window, const QString &name)
{
    return find(window, name)->isVisibleTo(window);
}

QStringList Ui::tabChain(QWidget *window, const QString &from, qsizetype count)
{
    QWidget *widget = find(window, from);
    QStringList seen {widget->objectName()};
    while (seen.size() < count) {
        widget = widget->nextInFocusChain();
        if (widget->isVisibleTo(window) && (widget->focusPolicy() & Qt::TabFocus))
            seen << widget->objectName();
    }
    return seen;
}
