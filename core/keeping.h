// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The files a window keeps its last states in, whatever the window: each opening of the window
// that changes it keeps its state in a file of its own, so that two openings, two sessions or two
// copies of the program never write over each other's; a state held already is not kept twice,
// and beyond MaxKept the oldest goes.
namespace Journal {

constexpr int MaxKept = 10;

// What the files of one kind of window hold, as the window reads them.
struct Kind
{
    QString id; // names the files: "four", "roundrobin"
    // Whether two files hold the same state. Two that do are always of the same length, so only
    // files of the length of one just written are read to compare.
    std::function<bool(const QByteArray &, const QByteArray &)> same;
};

// A kept file, as its folder lists it.
struct Stored
{
    QString path;
    qint64 size;
    QDateTime written;
};

// A file of its own for one opening of a window.
QString newPath(const QString &folder, const QString &id);

// Every file kept for the kind, the last written first: its own files ("<id>-....txt"), and the
// one file "<id>.txt" a board kept before it kept several.
QList<Stored> stored(const QString &folder, const QString &id);

// A kept file's bytes; nothing when it is not a regular file (a pipe or a device, never waited on
// or read) or is too large to be one.
std::optional<QByteArray> readStored(const QString &path);

// Keeping one opening's state in its own file: written whole, unless there is none to keep (the
// window is as it opened) or another kept file holds the same, and then any file it had goes. Then
// the oldest beyond MaxKept go. The plan reads and compares the kept files, and is made on the
// window's thread; carrying it out only writes and removes files, so it can wait for the disk on a
// thread of its own. (Reading a file parses it with regular expressions, and a Windows build cannot
// free their per-thread state as a pool's thread ends: the program then hangs as it ends.)
struct Keeping
{
    QString folder;
    QString ownPath;
    std::optional<QByteArray> bytes; // nothing: the opening's own file goes
    QStringList outdated;
};
Keeping plan(const QString &folder, const QString &ownPath, const Kind &kind,
             const std::optional<QByteArray> &bytes);
// False, with the reason, when the folder cannot be written.
bool carryOut(const Keeping &keeping, QString &error);

// A kept file ends with "end <count> <checksum of everything before this line>", the count the
// bytes of its first part. Any cut loses the end line's line end; any other change, its checksum.
QByteArray withEnd(const QByteArray &body, qsizetype count);
struct Ended
{
    QByteArray body; // everything before the end line
    qsizetype count;
};
// Nothing when the end line is missing, or its count or checksum does not hold.
std::optional<Ended> checkedEnd(const QByteArray &bytes);

// A state of a window that keeps no bracket file: its bytes, when it was left, and an end line
// with a checksum, so that a file cut short or damaged anywhere is known and never used.
QByteArray sealed(const QByteArray &state, const QDateTime &left);
struct Unsealed
{
    QByteArray state;
    QDateTime left;
};
std::optional<Unsealed> unsealed(const QByteArray &bytes);

} // namespace Journal
