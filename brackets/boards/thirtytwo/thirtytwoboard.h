// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardtable.h"

// "32-Man Single Elmination Tournament": four quarters of eight play towards the middle, the
// quarter winners meet in two semi-finals, and the final names the champion. Every match is
// decided by hand.
const Board::Table &thirtyTwoManBoard();
