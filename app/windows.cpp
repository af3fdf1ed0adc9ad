#include "shell.h"

#include "boardwindow.h"
#include "four/fourboard.h"
#include "mainmenu.h"
// eight-man board header

// sixteen-man board header

// thirty-two-man board header

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
    // eight-man board

    // sixteen-man board

    // thirty-two-man board

    windows.setFactory(WindowId::Random, [&shell] { return makeRandomWinners(shell); });
    windows.setFactory(WindowId::Roster, [&shell] { return makeGimmickGenerator(shell); });
    windows.setFactory(WindowId::FeudPlanner, [&shell] { return makeFeudPlanner(shell); });
}
