// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bracket.h"
#include "form.h"
#include "windowregistry.h"

#include <vector>

// A bracket board is data: its widgets, its bracket (matches, finals, rounds, slot list), and the
// steps of its other buttons. One engine (BoardWindow) runs every board from such a table.
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

// How the pick buttons of a board's matches read their draw.
struct PickRule
{
    Draw draw;
    int upperWins;
    int lowerWins;
};

struct Table
{
    Form::WindowSpec window;
    std::vector<Form::Row> widgets;
    Bracket bracket;
    PickRule pickRule {Draw::CoinFlip, 1, 0};
    std::vector<Pick> picks; // pick buttons not tied to a match's advance buttons
    std::vector<Action> actions; // Win, Reset and whatever else the board does its own way
    const char *saveButton;
    const char *loadButton;
    const char *resetButton; // the steps are among the actions; pictures leave it out
    const char *backButton;
    std::vector<NavStep> back;
};

// Steps that empty every slot of the list, in list order.
std::vector<Step> clearing(const std::vector<Line> &slotList);

// The text a slot shows when its board opens: "" for most, "Winner", "Loser 2" or "#1 Wrestler"
// on some boards.
QString openingText(const Table &table, const char *slot);

} // namespace Board
