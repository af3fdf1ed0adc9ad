// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell.h"

#include "boardextras.h"
#include "boardwindow.h"
#include "bracketfilecontrol.h"
#include "eight/eightboard.h"
#include "four/fourboard.h"
#include "mainmenu.h"
#include "sixteen/sixteenboard.h"
#include "thirtytwo/thirtytwoboard.h"

#include "tools/feudplanner.h"
#include "tools/gimmickgenerator.h"
#include "tools/randomwinners.h"

#include <memory>

namespace {

// A board as the program shows it: the engine, the Save and Load behind its buttons, and, once
// it is on screen, everything else a board offers.
WindowRegistry::Factory board(Shell &shell, const Board::Table &(*table)(),
                              std::shared_ptr<Drawing::Memory> drawMemory)
{
    return [&shell, table, drawMemory] {
        auto board = std::make_unique<BoardWindow>(shell, table());
        std::vector<BracketFileControl::Entry> entries;
        for (const Board::Line &line : board->table().slotList)
            entries.push_back({board->slot(line.slot), line.holder});
        auto *files = new BracketFileControl(board.get(), std::move(entries));
        QObject::connect(board.get(), &BoardWindow::saveClicked, files, &BracketFileControl::save);
        QObject::connect(board.get(), &BoardWindow::loadClicked, files, &BracketFileControl::load);
        board->attachLater([files, drawMemory](BoardWindow &built) {
            new BoardExtras(&built, files, *drawMemory);
        });
        return board;
    };
}

} // namespace

void registerWindows(Shell &shell)
{
    // The draw dialog's choices and each board's last field, for as long as the program runs.
    const auto drawMemory = std::make_shared<Drawing::Memory>();
    WindowRegistry &windows = shell.windows();
    windows.setFactory(WindowId::Main, [&shell] { return makeMainMenu(shell); });
    windows.setFactory(WindowId::Four, board(shell, fourManBoard, drawMemory));
    windows.setFactory(WindowId::Eight, board(shell, eightManBoard, drawMemory));
    windows.setFactory(WindowId::Sixteen, board(shell, sixteenManBoard, drawMemory));
    windows.setFactory(WindowId::ThirtyTwo, board(shell, thirtyTwoManBoard, drawMemory));
    windows.setFactory(WindowId::Random, [&shell] { return makeRandomWinners(shell); });
    windows.setFactory(WindowId::Roster, [&shell] { return makeGimmickGenerator(shell); });
    windows.setFactory(WindowId::FeudPlanner, [&shell] { return makeFeudPlanner(shell); });
}
