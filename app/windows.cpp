#include "shell.h"

#include "boardwindow.h"
#include "four/fourboard.h"
#include "mainmenu.h"
// eight-man board header

#include "sixteen/sixteenboard.h"

// thirty-two-man board header

// tools headers

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

    windows.setFactory(WindowId::Sixteen, board(shell, sixteenManBoard));

    // thirty-two-man board

    // tools
}
