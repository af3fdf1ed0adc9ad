// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

class Dialogs;
class QWidget;

// A roster file: a booker's list of names, one a line, that a board's draw or Random Winners
// takes its names from. Blank lines and lines whose first non-blank character is # are skipped,
// and the spaces around a name dropped. It is decoded as a bracket file is: UTF-8 when valid,
// otherwise Windows-1252, a byte-order mark skipped, any line ends.
namespace Roster {

// Larger files are not rosters: a mistaken choice, such as a video, is not read in whole.
constexpr qint64 MaxBytes = 1024 * 1024;

QStringList namesIn(const QByteArray &bytes);

// Asks for a roster file and reads its names. Nothing when the user cancels, or when the file
// cannot be read, is not text, is too large or holds no names: the user is told which.
std::optional<QStringList> choose(QWidget *parent, Dialogs &dialogs);

} // namespace Roster
