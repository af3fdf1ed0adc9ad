// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardtable.h"

// "8 Man Tournaments": double elimination for eight wrestlers, seven matches on the winners' side,
// six on the losers' side and one grand final, each decided by hand or by "Random".
const Board::Table &eightManBoard();
