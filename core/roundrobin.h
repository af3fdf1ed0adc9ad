// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class RandomGenerator;

// Round-robin blocks, the way wrestling runs its biggest tournaments: every wrestler of a block
// meets every other once over many nights, two points for a win and one for a draw. Plain data:
// the blocks, their schedule, each match's result and the standings.
namespace RoundRobin {

constexpr int MaxBlocks = 4; // A to D
constexpr int SmallestBlock = 3;
constexpr int LargestBlock = 12;
constexpr int PointsForWin = 2;
constexpr int PointsForDraw = 1;

// A match's result, as seen from the wrestler named first.
enum class Result { Unplayed, FirstWon, SecondWon, Drawn };

// "A" to "D".
QString blockName(int block);

// A match of a block: the wrestlers' places in the block, from 0, the first-named first.
struct Pairing
{
    int first;
    int second;
    bool operator==(const Pairing &) const = default;
};

// A block's matches night by night, by the circle method: the first wrestler stays, the others
// turn one place each night, and with an odd number one rests each night. Every pair meets once
// and no one wrestles twice in a night.
QList<QList<Pairing>> schedule(int wrestlers);

// A match of the tournament: its block, its night (from 0) and its pairing.
struct Match
{
    int block;
    int night;
    Pairing pairing;
};

// A wrestler's record in a block, and his place in the block as drawn (from 0).
struct Standing
{
    int place;
    int played = 0;
    int wins = 0;
    int draws = 0;
    int losses = 0;
    int points = 0;
};

class Tournament
{
public:
    Tournament() = default;
    // The blocks, each 3 to 12 names, no match played.
    explicit Tournament(QList<QStringList> blocks);

    const QList<QStringList> &blocks() const { return m_blocks; }
    int nights() const;
    // Every match, night by night, and in a night block by block in schedule order: the order
    // the results list them and Random Night decides them in.
    QList<Match> matches() const;
    QList<Match> matchesOfNight(int night) const;

    // Between the wrestlers at places a and b of the block, as seen from a.
    Result result(int block, int a, int b) const;
    Result result(const Match &match) const;
    void setResult(int block, int a, int b, Result result);
    void setResult(const Match &match, Result result);
    int played() const;

    // The block's table: most points first; among wrestlers level on points, the points they took
    // in the matches between themselves; then wins; then their order in the block as drawn.
    QList<Standing> standings(int block) const;

    bool operator==(const Tournament &) const = default;

private:
    QList<QStringList> m_blocks;
    QList<QList<Result>> m_results; // per block, places a * size + b, as seen from a
};

// A result drawn from the generator: the program's scaled draw over 20, 0 to 8 the first wins,
// 9 to 17 the second, 18 and above a draw.
Result randomResult(RandomGenerator &random);

// ---- Drawing the blocks ----

enum class Placing {
    Listed, // block A filled first, then B...
    Snake, // seed 1 to A, 2 to B..., then back: with four blocks seeds 1 to 8 go A B C D D C B A
    Shuffled, // the list shuffled as the boards shuffle a field, then as listed
};

// How many of the names go in: as many as the blocks hold.
int placed(int names, int blocks, int perBlock);

// The blocks the names make, or nothing when a block would hold fewer than 3. A shuffle draws
// from the generator.
std::optional<QList<QStringList>> drawBlocks(QStringList names, int blocks, int perBlock,
                                             Placing placing, RandomGenerator &random);

// ---- The round-robin file ----

// "Kayfabe Kit round robin 1", an optional "Event: ..." line, a [Block A] section of names per
// block, and [Results] with a line per played match: "A: 1 beat 3" or "A: 2 drew 3" (places from
// 1). UTF-8, CR LF.
struct File
{
    QString event;
    Tournament tournament;
    bool operator==(const File &) const = default;
};

// Larger files are not round-robin files: a mistaken choice is not read in whole.
constexpr qint64 MaxFileBytes = 1024 * 1024;

struct ReadResult
{
    std::optional<File> file;
    QString error; // what is wrong, naming the line, when file is empty
};

ReadResult read(const QByteArray &bytes);
QByteArray write(const File &file);

// Whether a name comes back from a file as it is: not blank, no line break, no spaces around it,
// nothing a reader would take for a section.
bool canStore(const QString &name);

} // namespace RoundRobin
