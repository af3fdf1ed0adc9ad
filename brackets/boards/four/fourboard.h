// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardtable.h"

// "The 4 Man Final Four Mode": two semi-finals, a winners' final, a losers' path and a grand
// final decided by hand, by coin flip or with "Win".
const Board::Table &fourManBoard();
