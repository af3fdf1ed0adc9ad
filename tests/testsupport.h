#pragma once

#include "dialogs.h"
#include "randomgenerator.h"
#include "shell.h"

#include <QQueue>
#include <QStringList>
#include <QWidget>

// Answers the program's dialogs for a test: each file dialog takes the next queued answer (an
// empty text is a cancel) and every message is recorded instead of shown.
class FakeDialogs : public Dialogs
{
public:
    struct Message
    {
        bool warning;
        QString title;
        QString text;
    };

    QQueue<QString> answers;
    QStringList startPaths; // what each file dialog offered
    QStringList filters; // the file types each file dialog offered
    QList<Message> messages;
    QString printFile; // where a print goes, as PDF; empty: the print dialog is cancelled
    int printDialogs = 0;
    QStringList notices;

    QString saveFileName(QWidget *parent, const QString &start, const QString &filter) override;
    QString openFileName(QWidget *parent, const QString &start, const QString &filter) override;
    void warn(QWidget *parent, const QString &title, const QString &text) override;
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    void notice(QWidget *at, const QString &text) override;

private:
    QString answer(const QString &start, const QString &filter);
};

// A program as main() builds it, with fake dialogs.
class TestProgram
{
public:
    TestProgram();
    ~TestProgram();

    FakeDialogs dialogs;
    Shell shell;

    WindowRegistry &windows() { return shell.windows(); }
    QWidget *open(WindowId id) { return windows().show(id); }
    // Lets queued work (ending the program, destroying unloaded windows) happen.
    static void settle();
};

// Starts the process-wide generator afresh, as at the program's start, and puts the earlier state
// back afterwards.
class FreshGenerator
{
public:
    FreshGenerator();
    ~FreshGenerator();

    // Makes the generator's next value x / 2^24.
    static void nextValueWillBe(quint32 x);

private:
    quint32 m_saved;
};

namespace Ui {
QWidget *find(QWidget *window, const QString &name);
// Clicks a button the way a user can: it must be on screen and enabled.
void click(QWidget *window, const QString &name);
QString text(QWidget *window, const QString &name);
void type(QWidget *window, const QString &name, const QString &text);
bool shown(QWidget *window, const QString &name);
// The names Tab visits from the named widget on, skipping what takes no focus or is hidden.
QStringList tabChain(QWidget *window, const QString &from, qsizetype count);
} // namespace Ui
