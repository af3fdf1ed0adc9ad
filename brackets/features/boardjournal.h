// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardwindow.h"
#include "journal.h"
#include "keptstates.h"

#include <QObject>

class QMenu;

// A board's journal: its brackets kept on disk, and the Restore Bracket menu that brings one
// back. Each opening of the board that changes it, and each new field drawn on it, keeps its
// bracket in a file of its own.
class BoardJournal : public QObject
{
    Q_OBJECT

public:
    BoardJournal(BoardWindow *board, const QString &folder);

    QMenu *restoreMenu() const;

    // Something on the board changed.
    void changed();
    // A new tournament begins on the board: the bracket so far stays kept as it is.
    void startAnew();

private:
    KeptStates::Window hooks();
    Journal::State stateOf(const BoardLooks &looks) const;
    BoardLooks looksOf(const Journal::State &state) const;
    std::optional<Journal::Entry> entryIn(const QByteArray &bytes) const;
    int names(const Journal::State &state) const;

    BoardWindow *m_board;
    Journal::Layout m_layout;
    QList<bool> m_listed; // whether each widget of the table is in the slot list
    QList<std::pair<QString, QString>> m_entrySlots; // the names typed in, as each opened
    KeptStates *m_kept;
};
