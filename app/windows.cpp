// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell.h"

#include "boardwindow.h"
#include "eight/eightboard.h"
#include "four/fourboard.h"
#include "mainmenu.h"

#include "sixteen/sixteenboard.h"

#include "thirtytwo/thirtytwoboard.h"

#include "tools/feudplanner.h"
#include "tools/gimmickgenerator.h"
#include "tools/randomwinners.h"

namespace {

WindowRegistry::Factory board(Shell &shell, const Board::Table &(*table)())
{
    return [&shell, table] { return std::make_unique<BoardWindow>(shell, table()); };
}

} // namespace

void registerWindows(Shell &shell)
{
    WindowRegistry &windows = shell.windows();
    windows.setFactory(WindowId::Main, [&shell] { return makeMainMenu(shell); });
    windows.setFactory(WindowId::Four, board(shell, fourManBoard));
    windows.setFactory(WindowId::Eight, board(shell, eightManBoard));

    windows.setFactory(WindowId::Sixteen, board(shell, sixteenManBoard));

    windows.setFactory(WindowId::ThirtyTwo, board(shell, thirtyTwoManBoard));

    windows.setFactory(WindowId::Random, [&shell] { return makeRandomWinners(shell); });
    windows.setFactory(WindowId::Roster, [&shell] { return makeGimmickGenerator(shell); });
    windows.setFactory(WindowId::FeudPlanner, [&shell] { return makeFeudPlanner(shell); });
}
