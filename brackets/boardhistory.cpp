// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardhistory.h"

#include "boardwindow.h"

#include <QUndoStack>

namespace {

class Step : public QUndoCommand
{
public:
    Step(BoardWindow &board, const QString &what, BoardLooks before, BoardLooks after)
        : QUndoCommand(what), m_board(board), m_before(std::move(before)), m_after(std::move(after))
    { }

    void undo() override { m_board.showLooks(m_before, &m_after); }
    void redo() override { m_board.showLooks(m_after, &m_before); }

private:
    BoardWindow &m_board;
    BoardLooks m_before;
    BoardLooks m_after;
};

} // namespace

BoardHistory::BoardHistory(BoardWindow &board)
    : QObject(&board), m_board(board), m_stack(new QUndoStack(this))
{ }

void BoardHistory::record(const QString &what, const std::function<void()> &change)
{
    BoardLooks before = m_board.looks();
    change();
    BoardLooks after = m_board.looks();
    if (before != after)
        m_stack->push(new Step(m_board, what, std::move(before), std::move(after)));
}
