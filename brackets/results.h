// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardtable.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// A board's results in words, for a forum post, a chat, a text file or a web page: every match
// whose two contenders hold names, round by round, and the champion once the board shows one.
// Plain data in, text out, for every board alike.
namespace Results {

// What a slot shows: its text, and whether it is on screen (a grand final hides the finalist who
// lost, and a champion line clicked earlier may stay behind, hidden).
struct Shown
{
    QString text;
    bool visible = true;
};

// The board's slots by widget name; a slot left out reads as empty.
using BoardState = QHash<QString, Shown>;

// Every slot the results read on a board: the contenders and winners of its matches and finals.
QStringList slotsRead(const Board::Table &table);

struct Bout
{
    QString first; // the winner of a decided match, else the upper contender
    QString second;
    bool decided = false; // "first def. second", else "first vs. second"
};

struct Round
{
    QString name;
    QList<Bout> bouts;
};

struct Report
{
    QString heading;
    QList<Round> rounds; // only rounds with at least one bout
    QString champion; // empty while the board shows none
};

// Reads the board as it stands. The heading is the event name, or the window's caption.
Report read(const Board::Table &table, const BoardState &state, const QString &heading);

enum class Format { PlainText, Markdown, BBCode, Html };

// The report written in a format, with "\n" line ends. Every name shows exactly as written and
// can do nothing else in that format.
QString write(const Report &report, Format format);

// The format a file name asks for: .html or .htm, .md, .bbcode, anything else plain text.
Format formatOf(const QString &fileName);
// The extension a file of the format is saved with: ".html", ".md", ".bbcode" or ".txt".
QString extensionOf(Format format);
// Whether the file name ends in the extension of a format (.htm too).
bool namesAFormat(const QString &fileName);

// A text as a file holds it: UTF-8 without a byte-order mark, with the platform's line ends.
QByteArray fileBytes(const QString &text);

} // namespace Results
