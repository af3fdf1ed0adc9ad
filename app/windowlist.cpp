// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowlist.h"

#include "boardmaker.h"
#include "eight/eightboard.h"
#include "feudplanner.h"
#include "four/fourboard.h"
#include "gimmickgenerator.h"
#include "mainmenu.h"
#include "randomwinners.h"
#include "roundrobinwindow.h"
#include "shell.h"
#include "sixteen/sixteenboard.h"
#include "thirtytwo/thirtytwoboard.h"

#include <memory>

void registerWindows(Shell &shell)
{
    // Lives as long as the registry keeps these factories: for the whole run.
    const auto boards = std::make_shared<BoardMaker>(shell);
    const auto board = [boards](const Board::Table &(*table)(), WindowId id) {
        return [boards, table, id] { return boards->make(table(), id); };
    };
    WindowRegistry &windows = shell.windows();
    // F1 opens the help from every window.
    windows.onBuilt([&shell](QWidget *window) { shell.help().offerIn(window); });
    QObject::connect(&windows, &WindowRegistry::programEnded, &shell.help(), [&shell] {
        if (QWidget *help = shell.help().window())
            help->close();
    });
    windows.setFactory(WindowId::Main, [&shell] { return makeMainMenu(shell); });
    windows.setFactory(WindowId::Four, board(fourManBoard, WindowId::Four));
    windows.setFactory(WindowId::Eight, board(eightManBoard, WindowId::Eight));
    windows.setFactory(WindowId::Sixteen, board(sixteenManBoard, WindowId::Sixteen));
    windows.setFactory(WindowId::ThirtyTwo, board(thirtyTwoManBoard, WindowId::ThirtyTwo));
    windows.setFactory(WindowId::Random, [&shell] { return makeRandomWinners(shell); });
    windows.setFactory(WindowId::Roster, [&shell] { return makeGimmickGenerator(shell); });
    windows.setFactory(WindowId::FeudPlanner, [&shell] { return makeFeudPlanner(shell); });
    windows.setFactory(WindowId::RoundRobin, [&shell] { return makeRoundRobin(shell); });
}
