// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardtable.h"
#include "draw.h"

#include <QWidget>

#include <memory>

class Shell;

// Builds a bracket board as the program shows it: the engine, Save and Load behind its buttons,
// and, once the board is on screen, what a board offers beyond its buttons (keys and menus, the
// journal, results, the draw). It keeps what those remember while the program runs: the draw's
// choices and each board's last field.
class BoardMaker
{
public:
    explicit BoardMaker(Shell &shell) : m_shell(shell) { }

    // The board the registry knows by the id given.
    std::unique_ptr<QWidget> make(const Board::Table &table, WindowId id);

private:
    Shell &m_shell;
    Drawing::Memory m_drawMemory;
};
