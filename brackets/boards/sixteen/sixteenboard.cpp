// SPDX-License-Identifier: GPL-3.0-or-later
#include "sixteenboard.h"

using namespace Board;
using namespace Form;
using BracketFile::Holder;

namespace {

constexpr Look EntryLook {"MS Sans Serif", 8.25, true, White, Blue};
constexpr Look ResultLook {"Times New Roman", 9, true, White, Blue};
// The first losers' labels of side A are set a little larger than the rest.
constexpr Look FirstLosersLook {"Times New Roman", 9.75, true, White, Blue};
constexpr Look TitleLook {"MS Sans Serif", 13.5, false, White, NoFill};
constexpr Look LowerVersusLook {"MS Sans Serif", 13.5, false, Black, NoFill};

// clang-format off
std::vector<Row> widgets()
{
    // Entry slots come first, so that Tab runs through the sixteen names in number order.
    return {
        // The left half is typed in seeded order, the right half in number order.
        { "txtWrestler1",  Kind::TextBox, "#1 Wrestler",      0,  480, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler2",  Kind::TextBox, "#8 Wrestler",      0,  720, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler3",  Kind::TextBox, "#4 Wrestler",      0, 1200, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler4",  Kind::TextBox, "#5 Wrestler",      0, 1440, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler5",  Kind::TextBox, "#3 Wrestler",      0, 2160, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler6",  Kind::TextBox, "#6 Wrestler",      0, 2400, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler7",  Kind::TextBox, "#2 Wrestler",      0, 2880, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler8",  Kind::TextBox, "#7 Wrestler",      0, 3120, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler9",  Kind::TextBox, "#9 Wrestler",  10080,  480, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler10", Kind::TextBox, "#10 Wrestler", 10080,  720, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler11", Kind::TextBox, "#11 Wrestler", 10080, 1200, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler12", Kind::TextBox, "#12 Wrestler", 10080, 1440, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler13", Kind::TextBox, "#13 Wrestler", 10080, 1920, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler14", Kind::TextBox, "#14 Wrestler", 10080, 2160, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler15", Kind::TextBox, "#15 Wrestler", 10080, 2640, 1215, 285, NoTab, &EntryLook },
        { "txtWrestler16", Kind::TextBox, "#16 Wrestler", 10080, 2880, 1215, 285, NoTab, &EntryLook },

        // Left half of the winners' side, growing rightwards.
        { "win1",     Kind::Button, ">",        1200,  480,  255, 255 },
        { "win2",     Kind::Button, ">",        1200,  720,  255, 255 },
        { "win3",     Kind::Button, ">",        1200, 1200,  255, 255 },
        { "win4",     Kind::Button, ">",        1200, 1440,  255, 255 },
        { "win5",     Kind::Button, ">",        1200, 2160,  255, 255 },
        { "win6",     Kind::Button, ">",        1200, 2400,  255, 255 },
        { "win7",     Kind::Button, ">",        1200, 2880,  255, 255 },
        { "win8",     Kind::Button, ">",        1200, 3120,  255, 255 },
        { "winner1",  Kind::Label,  "Winner:",  1440,  600, 1215, 285, NoTab, &ResultLook },
        { "winner2",  Kind::Label,  "Winner",   1440, 1320, 1215, 285, NoTab, &ResultLook },
        { "winner3",  Kind::Label,  "Winner",   1440, 2280, 1215, 285, NoTab, &ResultLook },
        { "winner4",  Kind::Label,  "Winner",   1440, 3000, 1215, 285, NoTab, &ResultLook },
        { "win9",     Kind::Button, ">",        2640,  600,  255, 255 },
        { "win10",    Kind::Button, ">",        2640, 1320,  255, 255 },
        { "win11",    Kind::Button, ">",        2640, 2280,  255, 255 },
        { "win12",    Kind::Button, ">",        2640, 3000,  255, 255 },
        { "winner5",  Kind::Label,  "Winner",   2880,  960, 1215, 285, NoTab, &ResultLook },
        { "winner6",  Kind::Label,  "Winner",   2880, 2640, 1215, 285, NoTab, &ResultLook },
        { "win13",    Kind::Button, ">",        4080,  960,  255, 255 },
        { "win14",    Kind::Button, ">",        4080, 2640,  255, 255 },
        { "Winner7",  Kind::Label,  "Winner",   4200, 1800, 1215, 255, NoTab, &ResultLook },
        { "Command6", Kind::Button, "Win",      4560, 2040,  495, 375 },

        // Right half of the winners' side, growing leftwards.
        { "win15",    Kind::Button, "<",        9840,  480,  255, 255 },
        { "win16",    Kind::Button, "<",        9840,  720,  255, 255 },
        { "win17",    Kind::Button, "<",        9840, 1200,  255, 255 },
        { "win18",    Kind::Button, "<",        9840, 1440,  255, 255 },
        { "win19",    Kind::Button, "<",        9840, 1920,  255, 255 },
        { "win20",    Kind::Button, "<",        9840, 2160,  255, 255 },
        { "win21",    Kind::Button, "<",        9840, 2640,  255, 255 },
        { "win22",    Kind::Button, "<",        9840, 2880,  255, 255 },
        { "winner8",  Kind::Label,  "Winner:",  8640,  600, 1215, 285, NoTab, &ResultLook },
        { "winner9",  Kind::Label,  "Winner",   8640, 1320, 1215, 285, NoTab, &ResultLook },
        { "winner10", Kind::Label,  "Winner",   8640, 2040, 1215, 285, NoTab, &ResultLook },
        { "winner11", Kind::Label,  "Winner",   8640, 2760, 1215, 285, NoTab, &ResultLook },
        { "win23",    Kind::Button, "<",        8400,  600,  255, 255 },
        { "win24",    Kind::Button, "<",        8400, 1320,  255, 255 },
        { "win25",    Kind::Button, "<",        8400, 2040,  255, 255 },
        { "win26",    Kind::Button, "<",        8400, 2760,  255, 255 },
        { "winner12", Kind::Label,  "Winner",   7200,  960, 1215, 285, NoTab, &ResultLook },
        { "winner13", Kind::Label,  "Winner",   7200, 2400, 1215, 285, NoTab, &ResultLook },
        { "win27",    Kind::Button, "<",        6960,  960,  255, 255 },
        { "win28",    Kind::Button, "<",        6960, 2400,  255, 255 },
        { "winner14", Kind::Label,  "Winner",   6000, 1800, 1215, 255, NoTab, &ResultLook },
        { "Command5", Kind::Button, "Win",      6240, 2040,  495, 375 },

        // The grand final's titles run across the middle; each Win button sits under its title.
        { "Label1",   Kind::Label,  "Losers Bracket Winner",    480, 3720, 2835, 360, NoTab, &TitleLook },
        { "Command1", Kind::Button, "Win",                     1560, 4080,  495, 255 },
        { "Label2",   Kind::Label,  "VS",                      3960, 3720,  375, 360, NoTab, &TitleLook },
        { "Label3",   Kind::Label,  "Winner's Bracket Winner", 5040, 3720, 3105, 360, NoTab, &TitleLook },
        { "Command2", Kind::Button, "Win",                     5760, 4080,  495, 255 },

        // Losers' side A, lower left, growing rightwards.
        { "loser1",    Kind::Label,  "Loser 1",     0, 5160, 1215, 255, NoTab, &FirstLosersLook },
        { "loser2",    Kind::Label,  "Loser 2",     0, 5400, 1215, 255, NoTab, &FirstLosersLook },
        { "loser3",    Kind::Label,  "Loser 3",     0, 6000, 1215, 255, NoTab, &FirstLosersLook },
        { "loser4",    Kind::Label,  "Loser 4",     0, 6240, 1215, 255, NoTab, &FirstLosersLook },
        { "lose1",     Kind::Button, ">",        1200, 5160,  255, 255 },
        { "lose2",     Kind::Button, ">",        1200, 5400,  255, 255 },
        { "lose3",     Kind::Button, ">",        1200, 6000,  255, 255 },
        { "lose4",     Kind::Button, ">",        1200, 6240,  255, 255 },
        { "loser5",    Kind::Label,  "Winner",   1560, 5400, 1215, 255, NoTab, &ResultLook },
        { "loser6",    Kind::Label,  "Loser 5",  1560, 5640, 1215, 255, NoTab, &ResultLook },
        { "loser7",    Kind::Label,  "Winner",   1560, 6240, 1215, 255, NoTab, &ResultLook },
        { "loser8",    Kind::Label,  "Loser 6",  1560, 6480, 1215, 255, NoTab, &ResultLook },
        { "Command8",  Kind::Button, ">",        2760, 5400,  255, 255 },
        { "Command10", Kind::Button, ">",        2760, 5640,  255, 255 },
        { "lose7",     Kind::Button, ">",        2760, 6240,  255, 255 },
        { "lose8",     Kind::Button, ">",        2760, 6480,  255, 255 },
        { "loser9",    Kind::Label,  "Winner",   3000, 5880, 1215, 255, NoTab, &ResultLook },
        { "loser10",   Kind::Label,  "Winner",   3000, 6120, 1215, 255, NoTab, &ResultLook },
        { "lose9",     Kind::Button, ">",        4200, 5880,  255, 255 },
        { "lose10",    Kind::Button, ">",        4200, 6120,  255, 255 },
        // "Loser7" has no blank before its number.
        { "loser12",   Kind::Label,  "Loser7",   4440, 5880, 1215, 255, NoTab, &ResultLook },
        { "loser11",   Kind::Label,  "Winner",   4440, 6120, 1215, 255, NoTab, &ResultLook },
        { "lose12",    Kind::Button, ">",        5640, 5880,  255, 255 },
        { "lose11",    Kind::Button, ">",        5640, 6120,  255, 255 },

        // Losers' side B, lower right, growing leftwards. Its first labels reach one pixel past
        // the window's right edge, as the board has always been laid out.
        { "loser13",   Kind::Label,  "Loser 8",  10680, 4680, 1215, 255, NoTab, &ResultLook },
        { "loser14",   Kind::Label,  "Loser 9",  10680, 4920, 1215, 255, NoTab, &ResultLook },
        { "loser15",   Kind::Label,  "Loser 10", 10680, 5400, 1215, 255, NoTab, &ResultLook },
        { "loser16",   Kind::Label,  "Loser 11", 10680, 5640, 1215, 255, NoTab, &ResultLook },
        { "lose13",    Kind::Button, "<",        10440, 4680,  255, 255 },
        { "lose14",    Kind::Button, "<",        10440, 4920,  255, 255 },
        { "lose15",    Kind::Button, "<",        10440, 5400,  255, 255 },
        { "lose16",    Kind::Button, "<",        10440, 5640,  255, 255 },
        { "loser17",   Kind::Label,  "Winner",    9120, 4680, 1215, 255, NoTab, &ResultLook },
        { "loser18",   Kind::Label,  "Loser 12",  9120, 4920, 1215, 255, NoTab, &ResultLook },
        // "Loser13" has no blank before its number.
        { "loser19",   Kind::Label,  "Loser13",   9120, 5400, 1215, 255, NoTab, &ResultLook },
        { "loser20",   Kind::Label,  "Winner",    9120, 5640, 1215, 255, NoTab, &ResultLook },
        { "lose17",    Kind::Button, "<",         8880, 4680,  255, 255 },
        { "lose18",    Kind::Button, "<",         8880, 4920,  255, 255 },
        { "lose19",    Kind::Button, "<",         8880, 5400,  255, 255 },
        { "lose20",    Kind::Button, "<",         8880, 5640,  255, 255 },
        { "loser21",   Kind::Label,  "Winner",    7680, 5040, 1215, 255, NoTab, &ResultLook },
        { "loser22",   Kind::Label,  "Winner",    7680, 5280, 1215, 255, NoTab, &ResultLook },
        { "lose21",    Kind::Button, "<",         7440, 5040,  255, 255 },
        { "lose22",    Kind::Button, "<",         7440, 5280,  255, 255 },
        { "loser23",   Kind::Label,  "Winner",    6120, 5040, 1215, 255, NoTab, &ResultLook },
        { "loser24",   Kind::Label,  "Loser 14",  6120, 5280, 1215, 255, NoTab, &ResultLook },
        { "lose23",    Kind::Button, "<",         5880, 5040,  255, 255 },
        { "lose24",    Kind::Button, "<",         5880, 5280,  255, 255 },

        // The losers' final: "A Winner" VS "B Winner" under the middle, a Win above each.
        { "Command7", Kind::Button, "Win",      3240, 4800,  495, 255 },
        { "AWinner",  Kind::Label,  "A Winner", 2880, 5040, 1215, 255, NoTab, &ResultLook },
        { "Label8",   Kind::Label,  "VS",       4200, 5040,  375, 360, NoTab, &LowerVersusLook },
        { "Command9", Kind::Button, "Win",      5040, 4800,  495, 255 },
        { "BWinner",  Kind::Label,  "B Winner", 4680, 5040, 1215, 255, NoTab, &ResultLook },

        { "Command37", Kind::Button, "Save",  5400, 6840, 1215, 495 },
        { "Command38", Kind::Button, "Load",  6720, 6840, 1215, 495 },
        { "Command39", Kind::Button, "Reset", 8040, 6840, 1215, 495 },
        { "Command40", Kind::Button, "Back",  9360, 6840, 1215, 495 },
    };
}

std::vector<Match> matches()
{
    return {
        { "winners' match 1",  "txtWrestler1",  "win1",  "txtWrestler2",  "win2",  { "winner1" },  "loser1" },
        { "winners' match 2",  "txtWrestler3",  "win3",  "txtWrestler4",  "win4",  { "winner2" },  "loser2" },
        { "winners' match 3",  "txtWrestler5",  "win5",  "txtWrestler6",  "win6",  { "winner3" },  "loser3" },
        { "winners' match 4",  "txtWrestler7",  "win7",  "txtWrestler8",  "win8",  { "winner4" },  "loser4" },
        { "winners' match 5",  "winner1",       "win9",  "winner2",       "win10", { "winner5" },  "loser6" },
        { "winners' match 6",  "winner3",       "win11", "winner4",       "win12", { "winner6" },  "loser8" },
        { "winners' match 7",  "winner5",       "win13", "winner6",       "win14", { "Winner7" },  "loser12" },
        { "winners' match 8",  "txtWrestler9",  "win15", "txtWrestler10", "win16", { "winner8" },  "loser13" },
        { "winners' match 9",  "txtWrestler11", "win17", "txtWrestler12", "win18", { "winner9" },  "loser14" },
        { "winners' match 10", "txtWrestler13", "win19", "txtWrestler14", "win20", { "winner10" }, "loser15" },
        { "winners' match 11", "txtWrestler15", "win21", "txtWrestler16", "win22", { "winner11" }, "loser16" },
        { "winners' match 12", "winner8",       "win23", "winner9",       "win24", { "winner12" }, "loser18" },
        { "winners' match 13", "winner10",      "win25", "winner11",      "win26", { "winner13" }, "loser19" },
        { "winners' match 14", "winner12",      "win27", "winner13",      "win28", { "winner14" }, "loser24" },
        // The losers of a losers' side match are out.
        { "losers' match A1", "loser1",  "lose1",    "loser2",  "lose2",     { "loser5" } },
        { "losers' match A2", "loser3",  "lose3",    "loser4",  "lose4",     { "loser7" } },
        { "losers' match A3", "loser5",  "Command8", "loser6",  "Command10", { "loser9" } },
        { "losers' match A4", "loser7",  "lose7",    "loser8",  "lose8",     { "loser10" } },
        { "losers' match A5", "loser9",  "lose9",    "loser10", "lose10",    { "loser11" } },
        { "losers' match A6", "loser12", "lose12",   "loser11", "lose11",    { "AWinner" } },
        { "losers' match B1", "loser13", "lose13",   "loser14", "lose14",    { "loser17" } },
        { "losers' match B2", "loser15", "lose15",   "loser16", "lose16",    { "loser20" } },
        { "losers' match B3", "loser17", "lose17",   "loser18", "lose18",    { "loser21" } },
        { "losers' match B4", "loser19", "lose19",   "loser20", "lose20",    { "loser22" } },
        { "losers' match B5", "loser21", "lose21",   "loser22", "lose22",    { "loser23" } },
        { "losers' match B6", "loser23", "lose23",   "loser24", "lose24",    { "BWinner" } },
    };
}

std::vector<Line> slotList()
{
    // Lines 4 to 27 read a value that looks like a number back as the number: 007 becomes 7.
    return {
        { "txtWrestler1",  Holder::Text },  { "txtWrestler2",  Holder::Text },
        { "txtWrestler3",  Holder::Text },  { "txtWrestler4",  Holder::Typed },
        { "txtWrestler5",  Holder::Typed }, { "txtWrestler6",  Holder::Typed },
        { "txtWrestler7",  Holder::Typed }, { "txtWrestler8",  Holder::Typed },
        { "txtWrestler9",  Holder::Typed }, { "txtWrestler10", Holder::Typed },
        { "txtWrestler11", Holder::Typed }, { "txtWrestler12", Holder::Typed },
        { "txtWrestler13", Holder::Typed }, { "txtWrestler14", Holder::Typed },
        { "txtWrestler15", Holder::Typed }, { "txtWrestler16", Holder::Typed },
        { "winner1",  Holder::Typed }, { "winner2",  Holder::Typed }, { "winner3",  Holder::Typed },
        { "winner4",  Holder::Typed }, { "winner5",  Holder::Typed }, { "winner6",  Holder::Typed },
        { "Winner7",  Holder::Typed }, { "winner8",  Holder::Typed }, { "winner9",  Holder::Typed },
        { "winner10", Holder::Typed }, { "winner11", Holder::Typed }, { "winner12", Holder::Text },
        { "winner13", Holder::Text },  { "winner14", Holder::Text },
        { "loser1",  Holder::Text }, { "loser2",  Holder::Text }, { "loser3",  Holder::Text },
        { "loser4",  Holder::Text }, { "loser5",  Holder::Text }, { "loser6",  Holder::Text },
        { "loser7",  Holder::Text }, { "loser8",  Holder::Text }, { "loser9",  Holder::Text },
        { "loser10", Holder::Text }, { "loser11", Holder::Text }, { "loser12", Holder::Text },
        { "loser13", Holder::Text }, { "loser14", Holder::Text }, { "loser15", Holder::Text },
        { "loser16", Holder::Text }, { "loser17", Holder::Text }, { "loser18", Holder::Text },
        { "loser19", Holder::Text }, { "loser20", Holder::Text }, { "loser21", Holder::Text },
        { "loser22", Holder::Text }, { "loser23", Holder::Text }, { "loser24", Holder::Text },
        { "AWinner", Holder::Text }, { "BWinner", Holder::Text },
        { "Label1",  Holder::Text }, { "Label3",  Holder::Text },
    };
}

std::vector<Action> finalWins()
{
    return {
        // Losers' final and winners' final: the winner's name goes up into the grand final's
        // title. Each half's winner has a Win button of its own under it.
        { "Command7", { copy("Label1", "AWinner") },  "Win the losers' final for the winner of side A" },
        { "Command9", { copy("Label1", "BWinner") },  "Win the losers' final for the winner of side B" },
        { "Command6", { copy("Label3", "Winner7") },  "Win the winners' final for the left half's winner" },
        { "Command5", { copy("Label3", "winner14") }, "Win the winners' final for the right half's winner" },
        // Grand final: only the champion's title stays on show, and it reads "Winner: " once
        // however often and in whatever order the Win buttons are clicked.
        { "Command1", { show("Label1"), hide("Label2"), hide("Label3"),
                        championLine("Label1", "Label1") }, "Crown the losers' bracket winner champion" },
        { "Command2", { show("Label3"), hide("Label1"), hide("Label2"),
                        championLine("Label3", "Label3") }, "Crown the winner's bracket winner champion" },
    };
}
// clang-format on

std::vector<Step> reset()
{
    // Every slot empties (the entry slots too, not back to "#1 Wrestler" and the like) and the
    // grand final's titles all come back for the next final.
    std::vector<Step> steps = clearing(slotList());
    for (const char *title : {"Label1", "Label2", "Label3"})
        steps.push_back(show(title));
    return steps;
}

std::vector<Action> actions()
{
    std::vector<Action> all = finalWins();
    all.push_back({"Command39", reset()});
    return all;
}

// clang-format off
// The two halves' winners meet in the winners' final, the two losers' sides' winners in the
// losers' final; their Win buttons put the winner into the grand final's titles, and the grand
// final's Win buttons turn the champion's title into the champion line.
std::vector<Final> finals()
{
    return {
        { "the winners' final", "Winner7", "winner14", { "Label3" } },
        { "the losers' final",  "AWinner", "BWinner",  { "Label1" } },
        { "the grand final",    "Label1",  "Label3",   { "Label1", "Label3" } },
    };
}

std::vector<Round> rounds()
{
    return {
        { "Winners' Round 1",        { "winners' match 1", "winners' match 2", "winners' match 3", "winners' match 4",
                                       "winners' match 8", "winners' match 9", "winners' match 10", "winners' match 11" } },
        { "Losers' Round 1",         { "losers' match A1", "losers' match A2", "losers' match B1", "losers' match B2" } },
        { "Winners' Quarter-finals", { "winners' match 5", "winners' match 6", "winners' match 12", "winners' match 13" } },
        { "Losers' Round 2",         { "losers' match A3", "losers' match A4", "losers' match B3", "losers' match B4" } },
        { "Winners' Semi-finals",    { "winners' match 7", "winners' match 14" } },
        { "Losers' Round 3",         { "losers' match A5", "losers' match B5" } },
        { "Losers' Semi-finals",     { "losers' match A6", "losers' match B6" } },
        { "Winners' Final",          { "the winners' final" } },
        { "Losers' Final",           { "the losers' final" } },
        { "Grand Final",             { "the grand final" } },
    };
}
// clang-format on

Table makeTable()
{
    return {
            {"frm16", "16-manTournament", 11880, 7590, ButtonFace, "gfx/background.jpg"},
            widgets(),
            {"sixteen", matches(), finals(), rounds(), slotList()},
            {Draw::CoinFlip, 1, 0},
            {},
            actions(),
            "Command37",
            "Command38",
            "Command39",
            "Command40",
            // The menu was only hidden behind this board: it comes back as it was left.
            {{NavOp::Unload, WindowId::Sixteen}, {NavOp::Show, WindowId::Main}},
    };
}

} // namespace

const Table &sixteenManBoard()
{
    static const Table table = makeTable();
    return table;
}
