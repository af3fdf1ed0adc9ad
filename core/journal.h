// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bracketfile.h"
#include "keeping.h"

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QStringList>

#include <optional>

// A board's journal: the board as it was last left, kept on disk so that a bracket lost to Back,
// a closed window or a crash can be brought back. The file is the board's bracket file (so Load
// reads it) followed by lines the bracket reader never gets to: what else the board showed, when
// it was left, and an end line that says how long the file is and what it holds, so that a
// journal cut short or damaged anywhere is known and never used.
namespace Journal {

// What a journal keeps of a board.
struct State
{
    QMap<QString, QString> texts; // every slot of the slot list, and other slots as they changed
    QMap<QString, bool> hidden; // widgets shown or hidden unlike when the board opened
    QMap<QString, qreal> points; // labels whose size changed since the board opened

    bool operator==(const State &) const = default;
};

// The board a journal belongs to.
struct Layout
{
    QString board; // the board's short id: "four", "eight", "sixteen", "thirtytwo"
    QStringList slots; // the slot list, in file order
    QList<BracketFile::Holder> holders; // how each line of the slot list reads back
};

struct Entry
{
    State state;
    QDateTime left; // when the board was left as the state shows it
};

enum class Problem {
    None,
    Damaged, // cut short, changed, or not a journal at all
    OtherLayout, // a journal of another version of the program, or of another board
};

struct ReadResult
{
    std::optional<Entry> entry; // set exactly when problem is None
    Problem problem = Problem::None;
};

QByteArray write(const Layout &layout, const Entry &entry);
ReadResult read(const QByteArray &bytes, const Layout &layout);

// Where the boards' journals live, or an empty text when the journal is turned off by
// --no-journal among the arguments or by KAYFABE_NO_JOURNAL=1.
QString folder(const QStringList &arguments);

// How the journal reads a board's kept files, for Journal::stored and Journal::keep.
Kind kindOf(const Layout &layout);

// "left today at 21:14, 14 names", for the entry that restores a journal.
QString whenLeft(const QDateTime &left, int names, const QDateTime &now);

} // namespace Journal
