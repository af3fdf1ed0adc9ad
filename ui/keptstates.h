// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keeping.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>

class QMenu;
class QTimer;
class QWidget;

// A window's journal: its state kept on disk while it is open, and the Restore menu that lists the
// states kept before, newest first, and brings one back. Each opening of the window that changes it
// keeps its state in a file of its own. Changes arm a timer, so a change costs next to nothing: the
// state is written at most once per half second, and at once when the window goes. A safe save
// waits for the disk (10 to 30 ms is common), so the files are written on a thread of their own.
class KeptStates : public QObject
{
    Q_OBJECT

public:
    // A kept file as the Restore menu lists it: "left today at 21:14, 14 names", or why it cannot
    // be used.
    struct Entry
    {
        QString text;
        bool usable = false;
    };

    // What the window tells its journal.
    struct Window
    {
        Journal::Kind kind;
        QString what; // "the four board's last bracket", for the one warning it may give
        QString damaged; // the entry of a file that cannot be used: "A damaged bracket"
        QString noneKept; // the menu's one entry while nothing is kept: "No brackets kept yet"
        // The state to keep now, as a file's bytes; nothing while the window is as it opened.
        std::function<std::optional<QByteArray>()> now;
        std::function<Entry(const QByteArray &)> describe;
        // Whether the window shows what the file holds.
        std::function<bool(const QByteArray &)> shows;
        // Brings back what the file holds, as one step of the window's undo history.
        std::function<void(const QByteArray &)> restore;
    };

    KeptStates(QWidget *window, const QString &folder, Window hooks, const QString &menuTitle);

    QMenu *menu() const { return m_menu; }

    // Something in the window changed.
    void changed();
    // Something new begins in the window: what it holds so far stays kept as it is, and the next
    // changes are kept in a file of their own.
    void startAnew();
    // The window is about to go, with everything in it still there.
    void leaving();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void writeNow();
    void warnOnce(const QString &error);
    void refresh();
    void restoreNewest();

    QWidget *m_window;
    QString m_folder;
    Window m_hooks;
    QString m_ownPath; // this opening's file
    // As last read, the last written first, this opening's own left out: a file, and its bytes
    // when it is a regular file.
    QList<std::pair<Journal::Stored, std::optional<QByteArray>>> m_stored;
    QTimer *m_timer;
    QMenu *m_menu;
    bool m_changed = false;
    std::atomic_bool m_warned = false;
    QThreadPool m_writer; // last, so that it is gone, its writes done, before the rest
};
