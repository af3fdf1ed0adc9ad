// SPDX-License-Identifier: GPL-3.0-or-later
#include "eightboard.h"

using namespace Board;
using namespace Form;
using BracketFile::Holder;

namespace {

// Names are white on the blue entry slots; result slots let the window's picture show through.
constexpr Look EntryLook {"Times New Roman", 9.75, true, White, Blue};
constexpr Look ResultLook {"Times New Roman", 9.75, true, White, NoFill};
constexpr Look ChampionLook {"Trebuchet MS", 24, true, White, NoFill, true};
constexpr Look VersusLook {"MS Sans Serif", 9.75, false, White, NoFill, true};
constexpr Look SansButton {"MS Sans Serif", 9.75, false, Black, Blue};
constexpr Look SerifButton {"Times New Roman", 9.75, false, Black, Blue};
constexpr Look SmallSerifButton {"Times New Roman", 9, false, Black, Blue};

constexpr int EntryWidth = 1215, EntryHeight = 285;
constexpr int ResultWidth = 1215, ResultHeight = 255;
constexpr int Arrow = 255;
constexpr int PickWidth = 735, PickHeight = 255;
constexpr int FileWidth = 1215, FileHeight = 495;

Row entry(const char *name, int top, int tab)
{
    return {name, Kind::TextBox, "", 0, top, EntryWidth, EntryHeight, tab, &EntryLook};
}

Row result(const char *name, int left, int top)
{
    return {name, Kind::Label, "", left, top, ResultWidth, ResultHeight, NoTab, &ResultLook};
}

Row advance(const char *name, int left, int top, int tab, const Look *look = nullptr)
{
    return {name, Kind::Button, ">", left, top, Arrow, Arrow, tab, look};
}

Row pick(const char *name, int left, int top, int tab, const Look *look = nullptr)
{
    return {name, Kind::Button, "Random", left, top, PickWidth, PickHeight, tab, look};
}

Row win(const char *name, int left, int tab, const Look *look)
{
    return {name, Kind::Button, "Win", left, 3600, PickWidth, PickHeight, tab, look};
}

Row fileButton(const char *name, const char *caption, int left, int tab)
{
    return {name, Kind::Button, caption, left, 5520, FileWidth, FileHeight, tab};
}

// Tab runs down the eight entry slots first, so the names can be typed in one go, then through
// the matches in the order they are played, and ends on the row of file buttons. A slot that
// touches a button comes first, so that the button lies on top and takes every click on it.
// clang-format off
std::vector<Row> widgets()
{
    return {
        entry("txtWrestler1",  360, 0),
        entry("txtWrestler2",  600, 1),
        entry("txtWrestler3", 1080, 2),
        entry("txtWrestler4", 1320, 3),
        entry("txtWrestler5", 1800, 4),
        entry("txtWrestler6", 2040, 5),
        entry("txtWrestler7", 2400, 6),
        entry("txtWrestler8", 2640, 7),

        advance("cmdAdvance", 1200,  360,  8), advance("Command1", 1200,  600,  9),
        pick("Command12",     1440,  480, 10),
        advance("Command2",   1200, 1080, 11), advance("Command3", 1200, 1320, 12),
        pick("Command29",     1440, 1200, 13),
        advance("Command4",   1200, 1800, 14), advance("Command5", 1200, 2040, 15),
        pick("Command30",     1440, 1920, 16),
        advance("Command6",   1200, 2400, 17), advance("Command7", 1200, 2640, 18),
        pick("Command31",     1440, 2520, 19),
        result("lblwinner1", 2400,  480),
        result("lblWinner2", 2400, 1200),
        result("lblwinner3", 2400, 1920),
        result("lblWinner4", 2400, 2520),

        advance("Command21",  3600,  480, 20), advance("Command22", 3600, 1200, 21),
        pick("Command35",     3120,  840, 22),
        advance("Command23",  3600, 1920, 23), advance("Command24", 3600, 2520, 24),
        pick("Command36",     3120, 2280, 25),
        result("lblwinner5", 3960,  840),
        result("lblwinner6", 3960, 2280),

        result("lblWinner7", 5400, 1560),
        advance("Command25",  5160,  840, 26), advance("Command26", 5160, 2280, 27),
        pick("Command41",     4680, 1560, 28),

        result("lblLoser1", 0, 4080),
        result("lblLoser2", 0, 4320),
        result("lblloser3", 0, 4800),
        result("lblLoser4", 0, 5040),
        advance("Command8",   1200, 4080, 29, &SansButton), advance("Command9",  1200, 4320, 30, &SansButton),
        pick("Command32",     1440, 4200, 31, &SmallSerifButton),
        advance("Command10",  1200, 4800, 32, &SansButton), advance("Command11", 1200, 5040, 33, &SansButton),
        pick("Command33",     1440, 4920, 34, &SmallSerifButton),
        result("lblLoser5", 2280, 4080),
        result("lblLoser6", 2280, 4320),
        result("lblLoser7", 2280, 4800),
        result("lblLoser8", 2280, 5040),

        advance("Command13",  3480, 4080, 35, &SansButton), advance("Command14", 3480, 4320, 36, &SansButton),
        pick("Command44",     3840, 4200, 37, &SmallSerifButton),
        advance("Command15",  3480, 4800, 38, &SansButton), advance("Command16", 3480, 5040, 39, &SansButton),
        pick("Command43",     3840, 4920, 40, &SmallSerifButton),
        result("lblLoser9",  4560, 4200),
        result("lblloser10", 4560, 4920),

        advance("Command20",  5760, 4200, 41, &SerifButton), advance("Command19", 5760, 4920, 42, &SerifButton),
        pick("Command34",     5160, 4560, 43, &SmallSerifButton),
        result("lblLoser11", 6360, 4440),
        result("lblLoser12", 6360, 4680),

        advance("Command18",  7560, 4440, 44, &SerifButton), advance("Command17", 7560, 4680, 45, &SerifButton),
        pick("Command45",     7920, 4560, 46, &SerifButton),
        result("lblLoser13", 8760, 4560),

        // The grand final across the middle: a Win button under each finalist, "Random" between.
        result("Label9",  1200, 3360),
        { "Label11", Kind::Label, "VS", 2760, 3240, 270, 240, NoTab, &VersusLook },
        result("Label10", 3720, 3360),
        win("Command27", 1440, 47, &SansButton),
        pick("Command42", 2640, 3600, 48),
        win("Command28", 3960, 49, &SerifButton),
        // The champion grows rightwards from just above the lower finalist's end.
        { "Label1", Kind::Label, "", 4800, 2760, 150, 600, NoTab, &ChampionLook },

        fileButton("Command37", "Save",  4320, 50),
        fileButton("Command38", "Load",  5640, 51),
        fileButton("Command39", "Reset", 6960, 52),
        fileButton("Command40", "Back",  8280, 53),
    };
}

// Every loser on the winners' side drops to a losers' side slot; on the losers' side and in the
// grand final the loser is out. The two finals also fill a finalist or the champion.
std::vector<Match> matches()
{
    return {
        { "winners' match W1", "txtWrestler1", "cmdAdvance", "txtWrestler2", "Command1",  { "lblwinner1" }, "lblLoser1",  "Command12" },
        { "winners' match W2", "txtWrestler3", "Command2",   "txtWrestler4", "Command3",  { "lblWinner2" }, "lblLoser2",  "Command29" },
        { "winners' match W3", "txtWrestler5", "Command4",   "txtWrestler6", "Command5",  { "lblwinner3" }, "lblloser3",  "Command30" },
        { "winners' match W4", "txtWrestler7", "Command6",   "txtWrestler8", "Command7",  { "lblWinner4" }, "lblLoser4",  "Command31" },
        { "winners' match W5", "lblwinner1",   "Command21",  "lblWinner2",   "Command22", { "lblwinner5" }, "lblLoser6",  "Command35" },
        { "winners' match W6", "lblwinner3",   "Command23",  "lblWinner4",   "Command24", { "lblwinner6" }, "lblLoser8",  "Command36" },
        { "the winners' final W7", "lblwinner5", "Command25", "lblwinner6", "Command26", { "lblWinner7", "Label9" }, "lblLoser12", "Command41" },
        { "losers' match L1", "lblLoser1",    "Command8",   "lblLoser2",    "Command9",  { "lblLoser5" },  nullptr, "Command32" },
        { "losers' match L2", "lblloser3",    "Command10",  "lblLoser4",    "Command11", { "lblLoser7" },  nullptr, "Command33" },
        { "losers' match L3", "lblLoser5",    "Command13",  "lblLoser6",    "Command14", { "lblLoser9" },  nullptr, "Command44" },
        { "losers' match L4", "lblLoser7",    "Command15",  "lblLoser8",    "Command16", { "lblloser10" }, nullptr, "Command43" },
        { "losers' match L5", "lblLoser9",    "Command20",  "lblloser10",   "Command19", { "lblLoser11" }, nullptr, "Command34" },
        { "the losers' final L6", "lblLoser11", "Command18", "lblLoser12", "Command17", { "lblLoser13", "Label10" }, nullptr, "Command45" },
        // "Win" only names the champion: nothing is hidden and no "Winner: " is put in front.
        { "the grand final", "Label9", "Command27", "Label10", "Command28", { "Label1" }, nullptr, "Command42" },
    };
}

// The grand final's two finalists and the champion are not in the file, so Reset, Save and Load
// all leave them as they are.
std::vector<Line> slotList()
{
    return {
        { "txtWrestler1", Holder::Text },  { "txtWrestler2", Holder::Text },  { "txtWrestler3", Holder::Text },
        { "txtWrestler4", Holder::Typed }, { "txtWrestler5", Holder::Typed }, { "txtWrestler6", Holder::Typed },
        { "txtWrestler7", Holder::Typed }, { "txtWrestler8", Holder::Typed },
        { "lblwinner1", Holder::Typed },   { "lblWinner2", Holder::Typed },   { "lblwinner3", Holder::Typed },
        { "lblWinner4", Holder::Typed },   { "lblwinner5", Holder::Typed },   { "lblwinner6", Holder::Typed },
        { "lblWinner7", Holder::Typed },
        { "lblLoser1", Holder::Typed },    { "lblLoser2", Holder::Typed },    { "lblloser3", Holder::Typed },
        { "lblLoser4", Holder::Typed },    { "lblLoser5", Holder::Typed },    { "lblLoser6", Holder::Typed },
        { "lblLoser7", Holder::Typed },    { "lblLoser8", Holder::Typed },    { "lblLoser9", Holder::Typed },
        { "lblloser10", Holder::Typed },   { "lblLoser11", Holder::Typed },   { "lblLoser12", Holder::Typed },
        { "lblLoser13", Holder::Text },
    };
}
// clang-format on

// clang-format off
// The grand final is a match like the others, its buttons captioned "Win".
std::vector<Round> rounds()
{
    return {
        { "Winners' Round 1",     { "winners' match W1", "winners' match W2", "winners' match W3", "winners' match W4" } },
        { "Losers' Round 1",      { "losers' match L1", "losers' match L2" } },
        { "Winners' Semi-finals", { "winners' match W5", "winners' match W6" } },
        { "Losers' Round 2",      { "losers' match L3", "losers' match L4" } },
        { "Winners' Final",       { "the winners' final W7" } },
        { "Losers' Semi-final",   { "losers' match L5" } },
        { "Losers' Final",        { "the losers' final L6" } },
        { "Grand Final",          { "the grand final" } },
    };
}
// clang-format on

Table makeTable()
{
    const std::vector<Line> lines = slotList();
    return {
            {"frm8Tournament", "8 Man Tournaments", 11475, 6570, ButtonFace, "gfx/background.jpg"},
            widgets(),
            {"eight", matches(), {}, rounds(), lines},
            // One press in two the upper contender wins, one in four the lower, and one in four
            // nothing happens.
            {Draw::ScaledTwo, 1, 2},
            {},
            {{"Command39", clearing(lines)}},
            "Command37",
            "Command38",
            "Command39",
            "Command40",
            {{NavOp::Show, WindowId::Main}, {NavOp::Unload, WindowId::Eight}},
    };
}

} // namespace

const Table &eightManBoard()
{
    static const Table table = makeTable();
    return table;
}
