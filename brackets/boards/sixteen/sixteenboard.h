// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardtable.h"

// "16-manTournament": sixteen wrestlers in two halves of eight, double elimination with a losers'
// side for each half, a winners' final, a losers' final and a grand final, all decided by hand.
const Board::Table &sixteenManBoard();
