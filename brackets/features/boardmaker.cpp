// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardmaker.h"

#include "boardextras.h"
#include "boardwindow.h"
#include "bracketfilecontrol.h"

std::unique_ptr<QWidget> BoardMaker::make(const Board::Table &table, WindowId id)
{
    auto board = std::make_unique<BoardWindow>(m_shell, table);
    std::vector<BracketFileControl::Entry> entries;
    for (const Board::Line &line : table.bracket.slotList)
        entries.push_back({board->slot(line.slot), line.holder});
    auto *files = new BracketFileControl(board.get(), std::move(entries));
    QObject::connect(board.get(), &BoardWindow::saveClicked, files, &BracketFileControl::save);
    QObject::connect(board.get(), &BoardWindow::loadClicked, files, &BracketFileControl::load);
    board->attachLater([this, files, id](BoardWindow &built) {
        new BoardExtras(&built, id, files, m_drawMemory);
    });
    return board;
}
