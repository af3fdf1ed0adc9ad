// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Drawing a tournament's field: which name goes into which entry slot, as plain data. The board
// side (which slots those are, in which order the bracket reads them) comes from the match graph.
namespace Drawing {

// How the names of the list are placed.
enum class Placing {
    Listed, // in list order
    Shuffled, // the whole list shuffled, then as listed
    Seeded, // the list is the seeding, first line seed 1
};

// How the names are placed and whether byes move on at once.
struct Choices
{
    Placing placing = Placing::Listed;
    bool advanceByes = true;
};

// A board's last draw: its list in the order it was drawn (after a shuffle, the shuffled order),
// how it was placed, and the entry slots' texts it made. While the entry slots hold those texts,
// the same list placed the same way makes the same board.
struct LastDraw
{
    QStringList names;
    Choices choices; // never Shuffled: the names are in their drawn order
    QStringList texts;
};

// What the draw dialog remembers while the program runs: the choices last left in it, and each
// board's last draw by the board's id.
struct Memory
{
    Choices choices;
    QHash<QString, LastDraw> lastDraws;
};

// What an empty place of a short field holds.
inline QString bye()
{
    return QStringLiteral("BYE");
}

// The entry slots of a board as positions in its file order (0 is the first entry slot).
struct Field
{
    QList<int> uppers; // the upper contender of each first-round match, in file order
    QList<int> lowers; // the lower contender of each, in the same order
    QList<int> bracketOrder; // every entry slot, as the bracket reads them from its last match

    int places() const { return int(bracketOrder.size()); }
};

// The classic seeding of a bracket of `places` (a power of two): 1, 2 for two, and for twice m
// places each seed s of m's order followed by 2m + 1 - s. For eight: 1, 8, 4, 5, 2, 7, 3, 6.
QList<int> seedingOrder(int places);

// Shuffles in place with one draw per name but the first: for i from the last index down to 1,
// j = the integer part of (next value x (i + 1)), and names i and j change places.
void shuffle(QStringList &names, const std::function<float()> &nextValue);

// The text of every entry slot, in file order. The first places() names go in; a short field
// leaves byes. Listed (and shuffled) names fill a full field in file order; a short one fills
// the upper contenders of the first round first, so that a bye meets a name while names last.
// Seeded names go where the classic order puts their seed; the missing highest seeds are the
// byes, so the top seeds get them.
QStringList place(const QStringList &names, Placing placing, const Field &field);

// Which contender a match with a bye goes to, if any: a bye against a name loses, and of two
// byes the upper one goes on. Matches of two names, or of a bye and an empty slot, wait.
enum class ByeCall { Wait, Upper, Lower };
ByeCall byeCall(const QString &upper, bool upperHoldsName, const QString &lower,
                bool lowerHoldsName);

} // namespace Drawing
