// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every test of the program uses: its dialogs faked, its windows driven, its boards known.
#include "boardlists.h"
#include "boardwindow.h"
#include "dialogs.h"
#include "randomgenerator.h"
#include "shell.h"
#include "windowlist.h"

#include <QAbstractButton>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <functional>

class QAction;
class QTimer;

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
    std::function<void(const QString &)> afterAnswer; // runs as a file dialog closes
    QList<Message> messages;
    QString printFile; // where a print goes, as PDF; empty: the print dialog is cancelled
    int printDialogs = 0;
    QStringList notices;
    QQueue<std::optional<QString>> texts; // answers to askText; nothing is a cancel
    std::function<bool(QDialog &)> fillIn; // answers a dialog of the program's own: true is OK

    QString chosenFilter; // the file type the user chooses; none: as the dialog offers
    bool replace = true; // the answer to "Do you want to replace it?"
    QString saveFileName(QWidget *, const QString &start, const QString &filter,
                         QString *chosen) override
    {
        if (chosen && !chosenFilter.isEmpty())
            *chosen = chosenFilter;
        return answer(start, filter);
    }
    QString openFileName(QWidget *, const QString &start, const QString &filter) override
    {
        return answer(start, filter);
    }
    void warn(QWidget *, const QString &title, const QString &text) override
    {
        messages.append({true, title, text});
    }
    void inform(QWidget *, const QString &title, const QString &text) override
    {
        messages.append({false, title, text});
    }
    bool confirm(QWidget *, const QString &title, const QString &text) override
    {
        messages.append({false, title, text});
        return replace;
    }
    void about(QWidget *, const QString &title, const QString &text) override
    {
        messages.append({false, title, text});
    }
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    void notice(QWidget *, const QString &text) override { notices << text; }
    std::optional<QString> askText(QWidget *, const QString &, const QString &, const QString &,
                                   int) override;
    bool exec(QDialog &dialog) override;

private:
    QString answer(const QString &start, const QString &filter);
};

// A program as main() builds it, with fake dialogs, folders of its own for documents and
// pictures, and the boards' journal off (a shell starts without a journal folder): no test reads
// or writes the user's own files.
class TestProgram
{
public:
    TestProgram();
    ~TestProgram();

    QTemporaryDir folders;
    FakeDialogs dialogs;
    Shell shell;
    int endings = 0; // how often the program has ended

    WindowRegistry &windows() { return shell.windows(); }
    QWidget *open(WindowId id) { return windows().show(id); }
    // Opens the window and waits, however long it takes, until it is active and, for a board,
    // until its keys and menu are made.
    QWidget *openActive(WindowId id);
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
// Types into an entry slot, or writes a label's text as a button would.
void type(QWidget *window, const QString &name, const QString &text);
bool shown(QWidget *window, const QString &name);
// The names Tab visits from the named widget on, skipping what takes no focus or is hidden.
QStringList tabChain(QWidget *window, const QString &from, qsizetype count);
// Every widget's name, its text if it holds a name, whether it is hidden and its font size.
QStringList stateOf(QWidget *window);
// The window's menu entry whose text starts with the given text, or whose key it is.
QAction *action(QWidget *window, const QString &textOrKey);
// Keys pressed with the focus on the widget, once its window is active.
void press(QWidget *target, const QKeySequence &keys);
// Fires the timer at once, without waiting for it.
void tick(QTimer *timer);
} // namespace Ui

// Adds a column "id" and a row for each bracket board.
void addBoards();

// What a click moves where on a board.
namespace Wiring {

// Gives every named slot a text of its own, "<name>", so that a copy shows where it came from.
void mark(QWidget *board, const QStringList &slots);

// After mark() and a click: each "A<-B" copy has A holding B's mark, and every other slot its
// own. Returns what differs, or an empty text.
QString differences(QWidget *board, const QStringList &slots, const QStringList &copies);

// A match as the tests write it:
// "upper upperButton lower lowerButton > winner... [/ loser] [: pick]".
struct Match
{
    QString upper, upperButton, lower, lowerButton;
    QStringList winners;
    QString loser, pick;
};
Match parse(const QString &line);

// The copies of advancing one contender: into every winner slot, the other into the loser slot.
QStringList advancing(const Match &match, bool upper);

} // namespace Wiring

namespace Files {
QByteArray read(const QString &path);
void write(const QString &path, const QByteArray &bytes);
QByteArray lines(const QStringList &texts); // each followed by CR LF
} // namespace Files

// A board opened in a program of its own, with a folder for its files.
class BoardFixture
{
public:
    explicit BoardFixture(WindowId id);

    QString path(const QString &name = QStringLiteral("bracket.txt")) const;
    // Saves through the board's dialog and returns what was written.
    QByteArray save();
    // Writes the bytes to a file and loads it through the board's dialog.
    void load(const QByteArray &bytes);
    QStringList texts(const QStringList &slots) const;

    TestProgram program;
    QWidget *board;

private:
    QTemporaryDir m_dir;
    const BoardList &m_list;
};
