// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Results in words, for a forum post, a chat, a text file or a web page: a report of rounds of
// bouts under a heading, and a champion once there is one. Plain data in, text out, for any
// tool that publishes results.
namespace Results {

// Whether and how a bout was decided.
enum class Outcome {
    Undecided, // "first vs. second"
    Won, // "first def. second"
    Drawn, // "first and second drew"
};

struct Bout
{
    QString first; // the winner of a won bout
    QString second;
    Outcome outcome = Outcome::Undecided;
};

struct Round
{
    QString name;
    QList<Bout> bouts;
};

// A wrestler's line in a block's standings.
struct Standing
{
    QString name;
    int wins = 0;
    int losses = 0;
    int draws = 0;
    int points = 0;
};

// A block's standings, leader first.
struct Standings
{
    QString name; // "Block A"
    QList<Standing> rows;
};

struct Report
{
    QString heading;
    QList<Round> rounds; // only rounds with at least one bout
    QString champion; // empty while there is none
    QList<Standings> standings; // after the rounds and the champion
};

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
