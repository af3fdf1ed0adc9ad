// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bracketfile.h"
#include "form.h"
#include "windowregistry.h"

#include <vector>

// A bracket board is data: its widgets, its matches, the steps of its other buttons and its slot
// list. One engine (BoardWindow) runs every board from such a table.
namespace Board {

// What one step of a click does to the board.
enum class Op {
    Copy, // target's text becomes source's text
    SetText, // target's text becomes the given text
    ChampionLine, // target's text becomes "Winner: " and the finalist's name
    Hide,
    Show,
    PointSize, // target's font takes the given size
};

struct Step
{
    Op op;
    const char *target;
    const char *source = nullptr; // a slot, or the text of SetText
    qreal points = 0;
};

inline Step copy(const char *to, const char *from)
{
    return {Op::Copy, to, from};
}
inline Step setText(const char *to, const char *text)
{
    return {Op::SetText, to, text};
}
// When target and finalist are the same label the line is rebuilt in place, and a "Winner: "
// already in front of the name is not added a second time.
inline Step championLine(const char *to, const char *finalist)
{
    return {Op::ChampionLine, to, finalist};
}
inline Step hide(const char *widget)
{
    return {Op::Hide, widget};
}
inline Step show(const char *widget)
{
    return {Op::Show, widget};
}
inline Step pointSize(const char *widget, qreal points)
{
    return {Op::PointSize, widget, nullptr, points};
}

// A button and what its click does, in order.
struct Action
{
    const char *button;
    std::vector<Step> steps;
    const char *spokenName = nullptr; // what a screen reader says for a terse caption ("Win")
};

// The draw a pick button makes: a coin flip (0 or 1) or a scaled draw of 2 (0, 1 or 2).
enum class Draw { CoinFlip, ScaledTwo };

// What a pick does on one draw result: the same as another button, or steps of its own.
struct Outcome
{
    int draw;
    const char *asButton = nullptr;
    std::vector<Step> steps = {};
};

struct Pick
{
    const char *button;
    Draw draw;
    std::vector<Outcome> outcomes; // a draw with no outcome changes nothing
    const char *spokenName = nullptr; // what a screen reader says for "Random"
};

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

// A round of the tournament: the titles of its matches and finals. A board's rounds come in an
// order in which they can be played, no match before one that feeds it.
struct Round
{
    const char *name; // "Semi-finals", "Losers' Round 1", "Grand Final"...
    std::vector<const char *> matches;
};

// How the pick buttons of a board's matches read their draw.
struct PickRule
{
    Draw draw;
    int upperWins;
    int lowerWins;
};

// A line of the board's file and the slot it holds.
struct Line
{
    const char *slot;
    BracketFile::Holder holder;
};

struct Table
{
    Form::WindowSpec window;
    std::vector<Form::Row> widgets;
    std::vector<Match> matches;
    PickRule pickRule {Draw::CoinFlip, 1, 0};
    std::vector<Pick> picks; // pick buttons not tied to a match's advance buttons
    std::vector<Action> actions; // Win, Reset and whatever else the board does its own way
    std::vector<Line> slotList; // the order of Save, Load and (usually) Reset
    const char *saveButton;
    const char *loadButton;
    const char *resetButton; // the steps are among the actions; pictures leave it out
    const char *backButton;
    std::vector<NavStep> back;
    const char *id; // short and lasting: names the board's journal file
    std::vector<Final> finals = {};
    std::vector<Round> rounds = {}; // every match and final in exactly one round
};

// Steps that empty every slot of the list, in list order.
std::vector<Step> clearing(const std::vector<Line> &slotList);

} // namespace Board
