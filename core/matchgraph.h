// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bracket.h"

#include <QString>

// What a bracket's structure tells of its tournament: whether a slot holds a name, the rounds its
// matches are played in, and the graph of its matches. Drawing a field and writing the results
// build on these, for every board alike.
namespace Board {

// A slot holds a name unless it is blank or still shows the text it opened with.
bool holdsName(const QString &text, const QString &opening);

// Stops the program when a round names a match or final the board lacks, or leaves one out, or
// names one twice: a fault of the board's table, caught by the first test that opens the board.
void checkRounds(const Bracket &bracket);

} // namespace Board

// ---- The draw: the slots a field fills and the bracket they make ----
namespace Board {

// The slots a draw fills: contenders of a match that no match or final fills, in file order.
std::vector<const char *> entrySlots(const Bracket &bracket);

// The matches whose contenders are both entry slots, in the bracket's order.
std::vector<const Match *> firstRound(const Bracket &bracket);

// The entry slots as the bracket reads them: the winners' side (every match and final fed only
// by entry slots and the winners of the winners' side) as a tree from its last match or final
// down, upper contender before lower. Empty when the winners' side is no such tree.
std::vector<const char *> bracketOrder(const Bracket &bracket);

} // namespace Board
