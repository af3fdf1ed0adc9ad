// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bracket.h"
#include "results.h"

#include <QHash>

// A bracket's results as a report: every match whose two contenders hold names, round by round,
// and the champion once the board shows one.
namespace Results {

// What a slot shows: its text, whether it is on screen (a grand final hides the finalist who
// lost, and a champion line clicked earlier may stay behind, hidden), and the text it showed when
// its board opened. No slot holds a name while it shows any slot's opening text ("Winner",
// "Loser 2", "#1 Wrestler"...): the board copies those along when a match is advanced before its
// contenders are known.
struct Shown
{
    QString text;
    bool visible = true;
    QString opening;
};

// The bracket's slots by name; a slot left out reads as empty.
using BoardState = QHash<QString, Shown>;

// Every slot the results read: the contenders and winners of the matches and finals.
QStringList slotsRead(const Board::Bracket &bracket);

// Reads the bracket as it stands, under the heading given.
Report read(const Board::Bracket &bracket, const BoardState &state, const QString &heading);

} // namespace Results
