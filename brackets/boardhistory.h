// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class BoardWindow;
class QUndoStack;

// A board's undo history. Every click that changes what the board shows (a name moved on, a
// finalist hidden, the champion line's size) is one step; undoing a step puts back what that
// click changed and nothing else, so names typed since then stay. The history lives and dies
// with its window, and it never draws: an undone pick is not drawn again on redo.
class BoardHistory : public QObject
{
    Q_OBJECT

public:
    explicit BoardHistory(BoardWindow &board);

    // Runs a change and keeps it as one step named `what`, unless it changed nothing.
    void record(const QString &what, const std::function<void()> &change);

    QUndoStack *stack() const { return m_stack; }

private:
    BoardWindow &m_board;
    QUndoStack *m_stack;
};
