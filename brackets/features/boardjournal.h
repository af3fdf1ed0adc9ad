// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardwindow.h"
#include "journal.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>

class QMenu;
class QTimer;

// A board's journal on disk while the board is open, and the Restore Bracket menu that brings
// back the brackets kept before. Each opening of the board that changes it keeps its bracket in
// a file of its own. Changes arm a timer, so a click costs next to nothing: the bracket is
// written at most once per half second, and at once when the board is unloaded. A safe save waits
// for the disk (10 to 30 ms is common), so the files are written on a thread of the journal's own.
class BoardJournal : public QObject
{
    Q_OBJECT

public:
    BoardJournal(BoardWindow *board, const QString &folder);

    QMenu *restoreMenu() const { return m_menu; }

    // Something on the board changed.
    void changed();
    // A new tournament begins on the board: the bracket so far stays kept as it is, and the
    // board's next changes are kept as a bracket of their own.
    void startAnew();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Journal::State stateOf(const BoardLooks &looks) const;
    BoardLooks looksOf(const Journal::State &state) const;
    void writeNow();
    void warnOnce(const QString &error);
    void refresh();
    void addEntry(const Journal::Kept &kept, const Journal::State &now, bool &newestFound);
    void restore(const Journal::State &state);
    void restoreNewest();
    int names(const Journal::State &state) const;

    BoardWindow *m_board;
    QString m_folder;
    QString m_ownPath; // this opening's bracket
    Journal::Layout m_layout;
    QList<bool> m_listed; // whether each widget of the table is in the slot list
    QList<std::pair<QString, QString>> m_entrySlots; // the names typed in, as each opened
    QList<Journal::Kept> m_kept; // as last read, newest first, this opening's own left out
    QTimer *m_timer;
    QMenu *m_menu;
    bool m_changed = false;
    std::atomic_bool m_warned = false;
    QThreadPool m_writer; // last, so that it is gone, its writes done, before the rest
};
