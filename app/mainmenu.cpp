// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainmenu.h"

#include "form.h"
#include "shell.h"

#include <QAction>

using namespace Form;

namespace {

// Faces the machine may lack fall back to a sans-serif face of the same size and weight.
constexpr Look ShanghaiLook {"Shanghai", 12, true, Black, Blue};
constexpr Look ImpactLook {"Impact", 12, false, Black, Blue};
constexpr Look StuntmanLook {"Stuntman", 12, true, Black, Blue};
constexpr Look JapanLargeLook {"Japan", 14.25, false, Black, Blue};
constexpr Look JapanLook {"Japan", 12, false, Black, Blue};
constexpr Look TimesLook {"Times New Roman", 12, true, Black, Blue};
constexpr Look BlackoutLook {"Blackout", 20.25, false, Black, Blue};

constexpr WindowSpec Menu {"frmMain", "Main Menu", 11580, 6720, Grey, "gfx\\background.jpg"};

// clang-format off
constexpr Row Rows[] = {
    // Only "Random Winners" and "Gimmick Generator" of the left column are on show.
    { "cmdRandom",      Kind::Button, "Random Winners",     840, 3480, 2295, 495, 9, &ShanghaiLook },
    { "cmdGimmick",     Kind::Button, "Gimmick Generator",  840, 4080, 2295, 495, 6, &ImpactLook },
    // The left column's next place, in Gimmick Generator's look; Tab reaches it right after.
    { "cmdRoundRobin",  Kind::Button, "Round Robin",        840, 4680, 2295, 495, 6, &ImpactLook },
    { "cmdFeudPlanner", Kind::Button, "Feud Planner",       840, 4680, 2295, 495, 7, &StuntmanLook, false },
    { "cmdWinLoss",     Kind::Button, "Win-Loss Records",   840, 5280, 2295, 495, 8, &JapanLargeLook, false },
    { "cmdEnterRoster", Kind::Button, "Roster Tracker",     840, 5880, 2295, 495, 5, &ShanghaiLook, false },
    { "cmdFourman",     Kind::Button, "4-Man Tournament",  8520, 3480, 2295, 495, 1, &JapanLook },
    { "cmdEight",       Kind::Button, "8-Man Tournament",  8520, 4080, 2295, 495, 2, &StuntmanLook },
    { "cmdsixteen",     Kind::Button, "16-Man Tournament", 8520, 4680, 2295, 495, 3, &TimesLook },
    { "cmdthritytwo",   Kind::Button, "32-Man Tournament", 8520, 5280, 2295, 495, 4, &ImpactLook },
    { "cmdExit",        Kind::Button, "E&xit",             8520, 5880, 2295, 495, 0, &BlackoutLook },
    { "imgBanner",      Kind::Image,  "gfx\\banner.jpg",   3360,  960, 1215, 495 },
};
// clang-format on

constexpr NavStep unloadMenu {NavOp::Unload, WindowId::Main};

NavStep showing(WindowId window)
{
    return {NavOp::Show, window};
}

} // namespace

std::unique_ptr<QWidget> makeMainMenu(Shell &shell)
{
    auto menu = std::make_unique<FormWindow>(shell, Menu, Rows);
    // The sixteen-man board only hides the menu, so Back finds it as it was left.
    menu->connectNavigation("cmdFourman", {showing(WindowId::Four), unloadMenu});
    menu->connectNavigation("cmdEight", {showing(WindowId::Eight), unloadMenu});
    menu->connectNavigation("cmdsixteen",
                            {showing(WindowId::Sixteen), {NavOp::Hide, WindowId::Main}});
    menu->connectNavigation("cmdthritytwo", {showing(WindowId::ThirtyTwo), unloadMenu});
    menu->connectNavigation("cmdRandom", {unloadMenu, showing(WindowId::Random)});
    menu->connectNavigation("cmdGimmick", {unloadMenu, showing(WindowId::Roster)});
    menu->connectNavigation("cmdRoundRobin", {unloadMenu, showing(WindowId::RoundRobin)});
    menu->connectNavigation("cmdEnterRoster", {unloadMenu, showing(WindowId::Roster)});
    menu->connectNavigation("cmdFeudPlanner", {unloadMenu, showing(WindowId::FeudPlanner)});
    menu->connectNavigation("cmdExit", {{NavOp::EndProgram, WindowId::Main}});
    // The menu's own menu: the help (F1 opens it too) and About.
    Help &help = shell.help();
    auto *helpEntry = new QAction(QObject::tr("Help\tF1"), menu.get());
    QObject::connect(helpEntry, &QAction::triggered, &help, &Help::show);
    auto *about = new QAction(QObject::tr("About Kayfabe Kit"), menu.get());
    QObject::connect(about, &QAction::triggered, menu.get(),
                     [&help, window = menu.get()] { help.about(window); });
    menu->addActions({helpEntry, about});
    menu->setContextMenuPolicy(Qt::ActionsContextMenu);
    return menu;
}
