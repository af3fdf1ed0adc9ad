// SPDX-License-Identifier: GPL-3.0-or-later
#include "fourboard.h"

using namespace Board;
using namespace Form;
using BracketFile::Holder;

namespace {

constexpr Look SlotLook {"MS Sans Serif", 8.25, true, White, Blue};
constexpr Look FinalistLook {"MS Sans Serif", 8.25, false, Black, Blue};
constexpr Look VersusLook {"Times New Roman", 15.75, true, Black, NoFill, true};
constexpr Look RandomLook {"MS Sans Serif", 8.25, true, Black, Blue};

// clang-format off
std::vector<Row> widgets()
{
    return {
        { "One",       Kind::TextBox, "Wrestler 1",  120, 1920, 1215, 285,  7, &SlotLook },
        { "two",       Kind::TextBox, "Wrestler 2",  120, 2160, 1215, 285,  6, &SlotLook },
        { "three",     Kind::TextBox, "Wrestler 3",  120, 2640, 1215, 285,  8, &SlotLook },
        { "four",      Kind::TextBox, "Wrestler 4",  120, 2880, 1215, 285,  9, &SlotLook },
        { "Command3",  Kind::Button,  ">",          1320, 1920,  255, 255,  4 },
        { "Command4",  Kind::Button,  ">",          1320, 2160,  255, 255,  3 },
        { "Command5",  Kind::Button,  ">",          1320, 2640,  255, 255,  2 },
        { "Command6",  Kind::Button,  ">",          1320, 2880,  255, 255,  1 },
        { "Command18", Kind::Button,  "Random",     1560, 2040,  855, 255, 31, &RandomLook },
        { "Command19", Kind::Button,  "Random",     1560, 2760,  855, 255, 32, &RandomLook },
        { "Two1",      Kind::Label,   "",           3000, 2040, 1215, 285, 11, &SlotLook },
        { "Two2",      Kind::Label,   "",           3000, 2760, 1215, 285, 12, &SlotLook },
        { "Command2",  Kind::Button,  ">",          4200, 2040,  255, 255,  5 },
        { "Command1",  Kind::Button,  ">",          4200, 2760,  255, 255,  0 },
        { "Command11", Kind::Button,  "Random",     4200, 2400,  855, 255, 30, &RandomLook },
        { "Three1",    Kind::Label,   "",           5040, 2400, 1215, 285, 10, &SlotLook },
        { "loser1",    Kind::Label,   "",            120, 3720, 1215, 285, 18, &SlotLook },
        { "loser2",    Kind::Label,   "",            120, 3960, 1215, 285, 17, &SlotLook },
        { "Command7",  Kind::Button,  ">",          1320, 3720,  255, 255, 16 },
        { "Command10", Kind::Button,  ">",          1320, 3960,  255, 255, 13 },
        { "Command20", Kind::Button,  "Random",     1560, 3840,  855, 255, 33, &RandomLook },
        { "loser3",    Kind::Label,   "",           2520, 3720, 1215, 285, 19, &SlotLook },
        { "loser4",    Kind::Label,   "",           2520, 3960, 1215, 285, 20, &SlotLook },
        { "Command8",  Kind::Button,  ">",          3720, 3720,  255, 255, 15 },
        { "Command9",  Kind::Button,  ">",          3720, 3960,  255, 255, 14 },
        { "Command21", Kind::Button,  "Random",     3960, 3840,  855, 255, 34, &RandomLook },
        { "Four4",     Kind::Label,   "",           7080, 2640, 1575, 375, 25, &FinalistLook },
        { "Command12", Kind::Button,  "Win",        7080, 3000,  735, 255, 22 },
        { "Label5",    Kind::Label,   "VS",         7080, 3360,  405, 360, 24, &VersusLook },
        { "Command13", Kind::Button,  "Win",        7920, 3720,  735, 255, 21 },
        { "four2",     Kind::Label,   "",           7080, 3960, 1575, 375, 23, &FinalistLook },
        { "Command22", Kind::Button,  "Random",     8400, 3240,  855, 255, 35, &RandomLook },
        { "Command15", Kind::Button,  "Save",       4440, 5880, 1215, 495, 27 },
        { "Command14", Kind::Button,  "Load",       5760, 5880, 1215, 495, 26 },
        { "Command16", Kind::Button,  "Reset",      7200, 5880, 1215, 495, 28 },
        { "Command17", Kind::Button,  "Back",       8520, 5880, 1215, 495, 29 },
    };
}

std::vector<Match> matches()
{
    return {
        { "semi-final 1",           "One",    "Command3", "two",    "Command4",  { "Two1" },   "loser1", "Command18" },
        { "semi-final 2",           "three",  "Command5", "four",   "Command6",  { "Two2" },   "loser2", "Command19" },
        { "the winners' final",     "Two1",   "Command2", "Two2",   "Command1",  { "Four4", "Three1" }, "loser4" },
        { "the losers' semi-final", "loser1", "Command7", "loser2", "Command10", { "loser3" }, nullptr,  "Command20" },
        { "the losers' final",      "loser3", "Command8", "loser4", "Command9",  { "four2" },  nullptr,  "Command21" },
    };
}

std::vector<Step> grandFinalWin(const char *finalist)
{
    return { hide("Four4"), hide("four2"), championLine("Label5", finalist),
             hide("Command12"), hide("Command13"), pointSize("Label5", 12) };
}

std::vector<Pick> picks()
{
    return {
        // The winners' final's pick fills the winner before the finalist; same result as ">".
        { "Command11", Draw::CoinFlip, {
              { 1, nullptr, { copy("Three1", "Two1"), copy("Four4", "Two1"), copy("loser4", "Two2") } },
              { 0, nullptr, { copy("Three1", "Two2"), copy("Four4", "Two2"), copy("loser4", "Two1") } } },
          "Pick the winner of the winners' final at random" },
        // In the grand final a flip of 1 crowns the lower finalist, unlike every other pick.
        { "Command22", Draw::CoinFlip, { { 1, "Command13" }, { 0, "Command12" } },
          "Pick the champion at random" },
    };
}

std::vector<Step> reset()
{
    // Entry slots are emptied, not given back their placeholders, and "VS." comes back with a
    // full stop and keeps the champion line's smaller size.
    return { setText("four", ""), setText("three", ""), setText("two", ""), setText("One", ""),
             setText("Four4", ""), setText("four2", ""), setText("Three1", ""),
             setText("loser4", ""), setText("Two1", ""), setText("Two2", ""),
             setText("One", ""), setText("two", ""),
             setText("loser1", ""), setText("loser2", ""), setText("loser3", ""),
             setText("four2", ""),
             setText("Label5", "VS."),
             show("Four4"), show("four2"), show("Command12"), show("Command13") };
}

std::vector<Line> slotList()
{
    // The losers' finalist comes before the winners' finalist.
    return { { "One", Holder::Text },     { "two", Holder::Text },     { "three", Holder::Text },
             { "four", Holder::Typed },   { "Two1", Holder::Typed },   { "Two2", Holder::Typed },
             { "Three1", Holder::Typed }, { "loser1", Holder::Typed }, { "loser2", Holder::Typed },
             { "loser3", Holder::Typed }, { "loser4", Holder::Typed }, { "four2", Holder::Typed },
             { "Four4", Holder::Text } };
}
// clang-format on

// clang-format off
// The grand final is decided by the Win button under a finalist and crowns the champion.
std::vector<Final> finals()
{
    return { { "the grand final", "Four4", "four2", { "Label5" } } };
}

std::vector<Round> rounds()
{
    return {
        { "Semi-finals",        { "semi-final 1", "semi-final 2" } },
        { "Winners' Final",     { "the winners' final" } },
        { "Losers' Semi-final", { "the losers' semi-final" } },
        { "Losers' Final",      { "the losers' final" } },
        { "Grand Final",        { "the grand final" } },
    };
}
// clang-format on

Table makeTable()
{
    return {
            {"frm4", "The 4 Man Final Four Mode", 11385, 7020, ButtonFace, "gfx/background.jpg"},
            widgets(),
            {"four", matches(), finals(), rounds(), slotList()},
            {Draw::CoinFlip, 1, 0},
            picks(),
            {{"Command12", grandFinalWin("Four4"), "Crown the winners' finalist champion"},
             {"Command13", grandFinalWin("four2"), "Crown the losers' finalist champion"},
             {"Command16", reset()}},
            "Command15",
            "Command14",
            "Command16",
            "Command17",
            {{NavOp::Show, WindowId::Main}, {NavOp::Unload, WindowId::Four}},
    };
}

} // namespace

const Table &fourManBoard()
{
    static const Table table = makeTable();
    return table;
}
