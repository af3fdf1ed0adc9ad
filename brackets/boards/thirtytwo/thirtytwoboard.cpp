// SPDX-License-Identifier: GPL-3.0-or-later
#include "thirtytwoboard.h"

using namespace Board;
using namespace Form;
using BracketFile::Holder;

namespace {

constexpr Look SlotLook {"Times New Roman", 9.75, false, White, Blue};
constexpr Look FinalistLook {"Times New Roman", 15.75, false, White, NoFill, true};
constexpr Look ChampionLook {"MS Sans Serif", 24, true, White, NoFill, true};
constexpr Look FileButtonLook {"Times New Roman", 12, true, Black, Blue};

// Tab runs down the 32 entry slots first, so the names can be typed in one go, then visits the
// buttons match by match.
// clang-format off
std::vector<Row> entrySlots()
{
    return {
        // The upper-left quarter is seeded: #1 meets #8, #4 meets #5, #3 meets #6, #2 meets #7.
        { "txtWrestler1",  Kind::TextBox, "#1 Wrestler",      0,    0, 1215, 285,  0, &SlotLook },
        { "txtWrestler2",  Kind::TextBox, "#8 Wrestler",      0,  240, 1215, 285,  1, &SlotLook },
        { "txtWrestler3",  Kind::TextBox, "#4 Wrestler",      0,  720, 1215, 285,  2, &SlotLook },
        { "txtWrestler4",  Kind::TextBox, "#5 Wrestler",      0,  960, 1215, 285,  3, &SlotLook },
        { "txtWrestler5",  Kind::TextBox, "#3 Wrestler",      0, 1680, 1215, 285,  4, &SlotLook },
        { "txtWrestler6",  Kind::TextBox, "#6 Wrestler",      0, 1920, 1215, 285,  5, &SlotLook },
        { "txtWrestler7",  Kind::TextBox, "#2 Wrestler",      0, 2400, 1215, 285,  6, &SlotLook },
        { "txtWrestler8",  Kind::TextBox, "#7 Wrestler",      0, 2640, 1215, 285,  7, &SlotLook },
        { "txtWrestler9",  Kind::TextBox, "#9 Wrestler",  10080,    0, 1215, 285,  8, &SlotLook },
        { "txtWrestler10", Kind::TextBox, "#10 Wrestler", 10080,  240, 1215, 285,  9, &SlotLook },
        { "txtWrestler11", Kind::TextBox, "#11 Wrestler", 10080,  720, 1215, 285, 10, &SlotLook },
        { "txtWrestler12", Kind::TextBox, "#12 Wrestler", 10080,  960, 1215, 285, 11, &SlotLook },
        { "txtWrestler13", Kind::TextBox, "#13 Wrestler", 10080, 1440, 1215, 285, 12, &SlotLook },
        { "txtWrestler14", Kind::TextBox, "#14 Wrestler", 10080, 1680, 1215, 285, 13, &SlotLook },
        { "txtWrestler15", Kind::TextBox, "#15 Wrestler", 10080, 2160, 1215, 285, 14, &SlotLook },
        { "txtWrestler16", Kind::TextBox, "#16 Wrestler", 10080, 2400, 1215, 285, 15, &SlotLook },
        { "wrestler17",    Kind::TextBox, "#17 Wrestler",     0, 3120, 1215, 285, 16, &SlotLook },
        { "wrestler18",    Kind::TextBox, "#18 Wrestler",     0, 3360, 1215, 285, 17, &SlotLook },
        { "wrestler19",    Kind::TextBox, "#19 Wrestler",     0, 3840, 1215, 285, 18, &SlotLook },
        { "wrestler20",    Kind::TextBox, "#20 Wrestler",     0, 4080, 1215, 285, 19, &SlotLook },
        { "wrestler21",    Kind::TextBox, "#21 Wrestler",     0, 4800, 1215, 285, 20, &SlotLook },
        { "wrestler22",    Kind::TextBox, "#22 Wrestler",     0, 5040, 1215, 285, 21, &SlotLook },
        { "wrestler23",    Kind::TextBox, "#23 Wrestler",     0, 5520, 1215, 285, 22, &SlotLook },
        { "wrestler24",    Kind::TextBox, "#24 Wrestler",     0, 5760, 1215, 285, 23, &SlotLook },
        { "wrestler25",    Kind::TextBox, "#25 Wrestler", 10080, 3120, 1215, 285, 24, &SlotLook },
        { "wrestler26",    Kind::TextBox, "#26 Wrestler", 10080, 3360, 1215, 285, 25, &SlotLook },
        { "wrestler27",    Kind::TextBox, "#27 Wrestler", 10080, 3840, 1215, 285, 26, &SlotLook },
        { "wrestler28",    Kind::TextBox, "#28 Wrestler", 10080, 4080, 1215, 285, 27, &SlotLook },
        { "wrestler29",    Kind::TextBox, "#29 Wrestler", 10080, 4560, 1215, 285, 28, &SlotLook },
        { "wrestler30",    Kind::TextBox, "#30 Wrestler", 10080, 4800, 1215, 285, 29, &SlotLook },
        // The blank is missing from this one placeholder.
        { "wrestler31",    Kind::TextBox, "#31Wrestler",  10080, 5280, 1215, 285, 30, &SlotLook },
        { "wrestler32",    Kind::TextBox, "#32 Wrestler", 10080, 5520, 1215, 285, 31, &SlotLook },
    };
}

// The first result slot of each quarter starts as "Winner:" with a colon, the others without.
// Quarter winner slots are a little lower than the other result slots.
std::vector<Row> resultSlots()
{
    return {
        { "winner1",  Kind::Label, "Winner:", 1440,  120, 1215, 285, NoTab, &SlotLook },
        { "winner2",  Kind::Label, "Winner",  1440,  840, 1215, 285, NoTab, &SlotLook },
        { "winner3",  Kind::Label, "Winner",  1440, 1800, 1215, 285, NoTab, &SlotLook },
        { "winner4",  Kind::Label, "Winner",  1440, 2520, 1215, 285, NoTab, &SlotLook },
        { "winner5",  Kind::Label, "Winner",  2880,  480, 1215, 285, NoTab, &SlotLook },
        { "winner6",  Kind::Label, "Winner",  2880, 2160, 1215, 285, NoTab, &SlotLook },
        { "Winner7",  Kind::Label, "Winner",  4200, 1320, 1215, 255, NoTab, &SlotLook },
        { "winner8",  Kind::Label, "Winner:", 8640,  120, 1215, 285, NoTab, &SlotLook },
        { "winner9",  Kind::Label, "Winner",  8640,  840, 1215, 285, NoTab, &SlotLook },
        { "winner10", Kind::Label, "Winner",  8640, 1560, 1215, 285, NoTab, &SlotLook },
        { "winner11", Kind::Label, "Winner",  8640, 2280, 1215, 285, NoTab, &SlotLook },
        { "winner12", Kind::Label, "Winner",  7200,  480, 1215, 285, NoTab, &SlotLook },
        { "winner13", Kind::Label, "Winner",  7200, 1920, 1215, 285, NoTab, &SlotLook },
        { "winner14", Kind::Label, "Winner",  6000, 1320, 1215, 255, NoTab, &SlotLook },
        { "winner15", Kind::Label, "Winner:", 1440, 3240, 1215, 285, NoTab, &SlotLook },
        { "winner16", Kind::Label, "Winner",  1440, 3960, 1215, 285, NoTab, &SlotLook },
        { "winner17", Kind::Label, "Winner",  1440, 4920, 1215, 285, NoTab, &SlotLook },
        { "winner18", Kind::Label, "Winner",  1440, 5640, 1215, 285, NoTab, &SlotLook },
        { "winner19", Kind::Label, "Winner",  2880, 3600, 1215, 285, NoTab, &SlotLook },
        { "winner20", Kind::Label, "Winner",  2880, 5280, 1215, 285, NoTab, &SlotLook },
        { "winner21", Kind::Label, "Winner",  4200, 4440, 1215, 255, NoTab, &SlotLook },
        { "winner22", Kind::Label, "Winner:", 8640, 3240, 1215, 285, NoTab, &SlotLook },
        { "winner23", Kind::Label, "Winner",  8640, 3960, 1215, 285, NoTab, &SlotLook },
        { "winner24", Kind::Label, "Winner",  8640, 4680, 1215, 285, NoTab, &SlotLook },
        { "winner25", Kind::Label, "Winner",  8640, 5400, 1215, 285, NoTab, &SlotLook },
        { "winner26", Kind::Label, "Winner",  7200, 3600, 1215, 285, NoTab, &SlotLook },
        { "winner27", Kind::Label, "Winner",  7200, 5040, 1215, 285, NoTab, &SlotLook },
        { "winner28", Kind::Label, "Winner",  6000, 4440, 1215, 255, NoTab, &SlotLook },
        // The finalists and the champion line size themselves to their captions.
        { "Label6",   Kind::Label, "",        4440, 2640,   75, 345, NoTab, &FinalistLook },
        { "Label3",   Kind::Label, "",        7200, 2520,   75, 345, NoTab, &FinalistLook },
        { "Label2",   Kind::Label, "VS.",     5880, 2520,  840, 555, NoTab, &ChampionLook },
    };
}

// Each advance button sits level with the slot it advances: 1200 right of the slot's left edge on
// the left half (">"), 240 left of it on the right half ("<").
std::vector<Row> advanceButtons()
{
    return {
        { "win1",      Kind::Button, ">", 1200,    0, 255, 255, 32 },
        { "win2",      Kind::Button, ">", 1200,  240, 255, 255, 33 },
        { "win3",      Kind::Button, ">", 1200,  720, 255, 255, 34 },
        { "win4",      Kind::Button, ">", 1200,  960, 255, 255, 35 },
        { "Command11", Kind::Button, ">", 1200, 1680, 255, 255, 36 },
        { "Command12", Kind::Button, ">", 1200, 1920, 255, 255, 37 },
        { "win7",      Kind::Button, ">", 1200, 2400, 255, 255, 38 },
        { "win8",      Kind::Button, ">", 1200, 2640, 255, 255, 39 },
        { "win9",      Kind::Button, ">", 2640,  120, 255, 255, 40 },
        { "win10",     Kind::Button, ">", 2640,  840, 255, 255, 41 },
        { "win11",     Kind::Button, ">", 2640, 1800, 255, 255, 42 },
        { "win12",     Kind::Button, ">", 2640, 2520, 255, 255, 43 },
        { "win13",     Kind::Button, ">", 4080,  480, 255, 255, 44 },
        { "win14",     Kind::Button, ">", 4080, 2160, 255, 255, 45 },

        { "win15",     Kind::Button, "<", 9840,    0, 255, 255, 46 },
        { "win16",     Kind::Button, "<", 9840,  240, 255, 255, 47 },
        { "win17",     Kind::Button, "<", 9840,  720, 255, 255, 48 },
        { "win18",     Kind::Button, "<", 9840,  960, 255, 255, 49 },
        { "win19",     Kind::Button, "<", 9840, 1440, 255, 255, 50 },
        { "win20",     Kind::Button, "<", 9840, 1680, 255, 255, 51 },
        { "win21",     Kind::Button, "<", 9840, 2160, 255, 255, 52 },
        { "win22",     Kind::Button, "<", 9840, 2400, 255, 255, 53 },
        { "win23",     Kind::Button, "<", 8400,  120, 255, 255, 54 },
        { "win24",     Kind::Button, "<", 8400,  840, 255, 255, 55 },
        { "win25",     Kind::Button, "<", 8400, 1560, 255, 255, 56 },
        { "win26",     Kind::Button, "<", 8400, 2280, 255, 255, 57 },
        { "win27",     Kind::Button, "<", 6960,  480, 255, 255, 58 },
        { "win28",     Kind::Button, "<", 6960, 1920, 255, 255, 59 },

        { "Command34", Kind::Button, ">", 1200, 3120, 255, 255, 60 },
        { "Command27", Kind::Button, ">", 1200, 3360, 255, 255, 61 },
        { "Command28", Kind::Button, ">", 1200, 3840, 255, 255, 62 },
        { "Command29", Kind::Button, ">", 1200, 4080, 255, 255, 63 },
        { "Command30", Kind::Button, ">", 1200, 4800, 255, 255, 64 },
        { "Command31", Kind::Button, ">", 1200, 5040, 255, 255, 65 },
        { "Command32", Kind::Button, ">", 1200, 5520, 255, 255, 66 },
        { "Command33", Kind::Button, ">", 1200, 5760, 255, 255, 67 },
        { "Command35", Kind::Button, ">", 2640, 3240, 255, 255, 68 },
        { "Command36", Kind::Button, ">", 2640, 3960, 255, 255, 69 },
        { "Command37", Kind::Button, ">", 2640, 4920, 255, 255, 70 },
        { "Command38", Kind::Button, ">", 2640, 5640, 255, 255, 71 },
        { "Command39", Kind::Button, ">", 4080, 3600, 255, 255, 72 },
        { "Command40", Kind::Button, ">", 4080, 5280, 255, 255, 73 },

        { "Command26", Kind::Button, "<", 9840, 3120, 255, 255, 74 },
        { "Command19", Kind::Button, "<", 9840, 3360, 255, 255, 75 },
        { "Command20", Kind::Button, "<", 9840, 3840, 255, 255, 76 },
        { "Command21", Kind::Button, "<", 9840, 4080, 255, 255, 77 },
        { "Command22", Kind::Button, "<", 9840, 4560, 255, 255, 78 },
        { "Command23", Kind::Button, "<", 9840, 4800, 255, 255, 79 },
        { "Command24", Kind::Button, "<", 9840, 5280, 255, 255, 80 },
        { "Command25", Kind::Button, "<", 9840, 5520, 255, 255, 81 },
        { "Command15", Kind::Button, "<", 8400, 3240, 255, 255, 82 },
        { "Command16", Kind::Button, "<", 8400, 3960, 255, 255, 83 },
        { "Command17", Kind::Button, "<", 8400, 4680, 255, 255, 84 },
        { "Command18", Kind::Button, "<", 8400, 5400, 255, 255, 85 },
        { "Command13", Kind::Button, "<", 6960, 3600, 255, 255, 86 },
        { "Command14", Kind::Button, "<", 6960, 5040, 255, 255, 87 },
    };
}

// Each Win button stands under the contender it crowns.
std::vector<Row> otherButtons()
{
    return {
        { "Command6",  Kind::Button, "Win",    4560, 1560,  495, 375, 88 },
        { "Command5",  Kind::Button, "Win",    6240, 1560,  495, 375, 89 },
        { "Command8",  Kind::Button, "Win",    4560, 4680,  495, 375, 90 },
        { "Command7",  Kind::Button, "Win",    6240, 4680,  495, 375, 91 },
        { "Command1",  Kind::Button, "Win",    4320, 3120,  855, 255, 92 },
        { "Command2",  Kind::Button, "Win",    7080, 3120,  855, 255, 93 },
        { "Command9",  Kind::Button, "Save",   6120, 6720, 1215, 495, 94, &FileButtonLook },
        { "Command10", Kind::Button, "Load",   7440, 6720, 1215, 495, 95, &FileButtonLook },
        { "Command4",  Kind::Button, "Reset",  8760, 6720, 1215, 495, 96, &FileButtonLook },
        { "Command3",  Kind::Button, "Back",  10080, 6720, 1215, 495, 97, &FileButtonLook },
    };
}

// No match has a loser slot: the loser is simply out.
std::vector<Match> matches()
{
    return {
        { "upper-left round 1 match 1",      "txtWrestler1",  "win1",      "txtWrestler2",  "win2",      { "winner1" } },
        { "upper-left round 1 match 2",      "txtWrestler3",  "win3",      "txtWrestler4",  "win4",      { "winner2" } },
        { "upper-left round 1 match 3",      "txtWrestler5",  "Command11", "txtWrestler6",  "Command12", { "winner3" } },
        { "upper-left round 1 match 4",      "txtWrestler7",  "win7",      "txtWrestler8",  "win8",      { "winner4" } },
        { "upper-left round 2 match 1",      "winner1",       "win9",      "winner2",       "win10",     { "winner5" } },
        { "upper-left round 2 match 2",      "winner3",       "win11",     "winner4",       "win12",     { "winner6" } },
        { "the upper-left quarter's final",  "winner5",       "win13",     "winner6",       "win14",     { "Winner7" } },

        { "upper-right round 1 match 1",     "txtWrestler9",  "win15",     "txtWrestler10", "win16",     { "winner8" } },
        { "upper-right round 1 match 2",     "txtWrestler11", "win17",     "txtWrestler12", "win18",     { "winner9" } },
        { "upper-right round 1 match 3",     "txtWrestler13", "win19",     "txtWrestler14", "win20",     { "winner10" } },
        { "upper-right round 1 match 4",     "txtWrestler15", "win21",     "txtWrestler16", "win22",     { "winner11" } },
        { "upper-right round 2 match 1",     "winner8",       "win23",     "winner9",       "win24",     { "winner12" } },
        { "upper-right round 2 match 2",     "winner10",      "win25",     "winner11",      "win26",     { "winner13" } },
        { "the upper-right quarter's final", "winner12",      "win27",     "winner13",      "win28",     { "winner14" } },

        { "lower-left round 1 match 1",      "wrestler17",    "Command34", "wrestler18",    "Command27", { "winner15" } },
        { "lower-left round 1 match 2",      "wrestler19",    "Command28", "wrestler20",    "Command29", { "winner16" } },
        { "lower-left round 1 match 3",      "wrestler21",    "Command30", "wrestler22",    "Command31", { "winner17" } },
        { "lower-left round 1 match 4",      "wrestler23",    "Command32", "wrestler24",    "Command33", { "winner18" } },
        { "lower-left round 2 match 1",      "winner15",      "Command35", "winner16",      "Command36", { "winner19" } },
        { "lower-left round 2 match 2",      "winner17",      "Command37", "winner18",      "Command38", { "winner20" } },
        { "the lower-left quarter's final",  "winner19",      "Command39", "winner20",      "Command40", { "winner21" } },

        { "lower-right round 1 match 1",     "wrestler25",    "Command26", "wrestler26",    "Command19", { "winner22" } },
        { "lower-right round 1 match 2",     "wrestler27",    "Command20", "wrestler28",    "Command21", { "winner23" } },
        { "lower-right round 1 match 3",     "wrestler29",    "Command22", "wrestler30",    "Command23", { "winner24" } },
        { "lower-right round 1 match 4",     "wrestler31",    "Command24", "wrestler32",    "Command25", { "winner25" } },
        { "lower-right round 2 match 1",     "winner22",      "Command15", "winner23",      "Command16", { "winner26" } },
        { "lower-right round 2 match 2",     "winner24",      "Command17", "winner25",      "Command18", { "winner27" } },
        { "the lower-right quarter's final", "winner26",      "Command13", "winner27",      "Command14", { "winner28" } },

        // The upper half's finalist stands left of the champion line, the lower half's right.
        { "the upper semi-final",            "Winner7",       "Command6",  "winner14",      "Command5",  { "Label6" } },
        { "the lower semi-final",            "winner21",      "Command8",  "winner28",      "Command7",  { "Label3" } },
    };
}
// clang-format on

// The final's Win buttons stay on screen: a later click crowns whichever finalist it stands
// under, hidden or not.
std::vector<Step> finalWin(const char *finalist)
{
    return {hide("Label3"), hide("Label6"), championLine("Label2", finalist)};
}

// clang-format off
std::vector<Line> slotList()
{
    constexpr Holder T = Holder::Text;
    constexpr Holder Y = Holder::Typed; // a number-like name comes back as the number's text
    return {
        { "txtWrestler1", T },  { "txtWrestler2", T },  { "txtWrestler3", T },  { "txtWrestler4", Y },
        { "txtWrestler5", Y },  { "txtWrestler6", Y },  { "txtWrestler7", Y },  { "txtWrestler8", Y },
        { "txtWrestler9", Y },  { "txtWrestler10", Y }, { "txtWrestler11", Y }, { "txtWrestler12", Y },
        { "txtWrestler13", Y }, { "txtWrestler14", Y }, { "txtWrestler15", Y }, { "txtWrestler16", Y },
        { "wrestler17", Y },    { "wrestler18", Y },    { "wrestler19", Y },    { "wrestler20", Y },
        { "wrestler21", Y },    { "wrestler22", Y },    { "wrestler23", Y },    { "wrestler24", Y },
        { "wrestler25", Y },    { "wrestler26", Y },    { "wrestler27", Y },    { "wrestler28", T },
        { "wrestler29", T },    { "wrestler30", T },    { "wrestler31", T },    { "wrestler32", T },
        { "winner1", T },       { "winner2", T },       { "winner3", T },       { "winner4", T },
        { "winner5", T },       { "winner6", T },       { "Winner7", T },       { "winner8", T },
        { "winner9", T },       { "winner10", T },      { "winner11", T },      { "winner12", T },
        { "winner13", T },      { "winner14", T },      { "winner15", T },      { "winner16", T },
        { "winner17", T },      { "winner18", T },      { "winner19", T },      { "winner20", T },
        { "winner21", T },      { "winner22", T },      { "winner23", T },      { "winner24", T },
        { "winner25", T },      { "winner26", Y },      { "winner27", Y },      { "winner28", Y },
        // The right finalist comes before the left one.
        { "Label3", Y },        { "Label6", T },
    };
}
// clang-format on

// Every slot is emptied, not given back its placeholder, and the champion line goes blank
// rather than back to "VS.".
std::vector<Step> reset(const std::vector<Line> &slots)
{
    std::vector<Step> steps = clearing(slots);
    steps.insert(steps.end(), {setText("Label2", ""), show("Label3"), show("Label6")});
    return steps;
}

std::vector<Row> widgets()
{
    std::vector<Row> rows = entrySlots();
    for (auto &&part : {resultSlots(), advanceButtons(), otherButtons()})
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

// clang-format off
// The final is decided by the Win button under a finalist and crowns the champion.
std::vector<Final> finals()
{
    return { { "the final", "Label6", "Label3", { "Label2" } } };
}

std::vector<Round> rounds()
{
    return {
        { "Round of 32", { "upper-left round 1 match 1", "upper-left round 1 match 2", "upper-left round 1 match 3",
                          "upper-left round 1 match 4", "upper-right round 1 match 1", "upper-right round 1 match 2",
                          "upper-right round 1 match 3", "upper-right round 1 match 4", "lower-left round 1 match 1",
                          "lower-left round 1 match 2", "lower-left round 1 match 3", "lower-left round 1 match 4",
                          "lower-right round 1 match 1", "lower-right round 1 match 2", "lower-right round 1 match 3",
                          "lower-right round 1 match 4" } },
        { "Round of 16", { "upper-left round 2 match 1", "upper-left round 2 match 2", "upper-right round 2 match 1",
                          "upper-right round 2 match 2", "lower-left round 2 match 1", "lower-left round 2 match 2",
                          "lower-right round 2 match 1", "lower-right round 2 match 2" } },
        { "Quarter-finals", { "the upper-left quarter's final", "the upper-right quarter's final",
                             "the lower-left quarter's final", "the lower-right quarter's final" } },
        { "Semi-finals", { "the upper semi-final", "the lower semi-final" } },
        { "Final", { "the final" } },
    };
}
// clang-format on

Table makeTable()
{
    const std::vector<Line> slots = slotList();
    return {
            {"frm32", "32-Man Single Elmination Tournament", 11790, 7470, Blue,
             "gfx/background.jpg"},
            widgets(),
            {"thirtytwo", matches(), finals(), rounds(), slots},
            {}, // no pick buttons: every match is decided by hand
            {},
            {{"Command1", finalWin("Label6"), "Crown the upper semi-final's winner champion"},
             {"Command2", finalWin("Label3"), "Crown the lower semi-final's winner champion"},
             {"Command4", reset(slots)}},
            "Command9",
            "Command10",
            "Command4",
            "Command3",
            {{NavOp::Show, WindowId::Main}, {NavOp::Unload, WindowId::ThirtyTwo}},
    };
}

} // namespace

const Table &thirtyTwoManBoard()
{
    static const Table table = makeTable();
    return table;
}
