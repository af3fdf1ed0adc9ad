// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bracketfile.h"

#include <vector>

// A bracket's structure as plain data: its matches and finals by the names of the slots and
// buttons that hold them, the rounds they are played in, and the slot list of its file. What a
// board shows of it is the board's own; drawing a field, the match graph, the results and the
// journal work on this alone.
namespace Board {

// Two contenders, each with an advance button beside it. Advancing a contender copies it into
// every winner slot in order, then copies the other contender into the loser slot. A screen
// reader calls the buttons after the match's title and where each contender comes from.
struct Match
{
    const char *title; // unique on its board, e.g. "semi-final 1", "the winners' final"
    const char *upper;
    const char *upperButton;
    const char *lower;
    const char *lowerButton;
    std::vector<const char *> winners;
    const char *loser = nullptr;
    const char *pick = nullptr; // decided with the board's pick rule
};

// A match decided by Win buttons instead of advance buttons (the steps of those buttons say what
// they do). What it is matters to drawing a field and to writing the results: its two contenders
// and the slots its winner's name lands in. A final that crowns the champion lands in a champion
// line ("Winner: " and the name).
struct Final
{
    const char *title; // unique on its board among matches and finals
    const char *upper;
    const char *lower;
    std::vector<const char *> winners;
};

// A round of the tournament: the titles of its matches and finals. A bracket's rounds come in an
// order in which they can be played, no match before one that feeds it.
struct Round
{
    const char *name; // "Semi-finals", "Losers' Round 1", "Grand Final"...
    std::vector<const char *> matches;
};

// A line of the bracket's file and the slot it holds.
struct Line
{
    const char *slot;
    BracketFile::Holder holder;
};

struct Bracket
{
    const char *id; // short and lasting: names the board's journal files
    std::vector<Match> matches;
    std::vector<Final> finals;
    std::vector<Round> rounds; // every match and final in exactly one round
    std::vector<Line> slotList; // the order of Save, Load and (usually) Reset
};

} // namespace Board
