// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

// A roster file: a booker's list of names, one a line, that a board's draw or Random Winners
// takes its names from. Every line that is not blank is a name ("#DIY" and "#1 Contender" are
// names too), without the spaces around it. It is decoded as a bracket file is: UTF-16 behind a
// byte-order mark, UTF-8 when valid, otherwise Windows-1252, with any line ends.
namespace Roster {

// Larger files are not rosters: a mistaken choice, such as a video, is not read in whole.
constexpr qint64 MaxBytes = 1024 * 1024;

// The names, or nothing when the bytes are no text (they hold a NUL character).
std::optional<QStringList> namesIn(const QByteArray &bytes);

// A roster file's names, or the message that says why it gives none: it cannot be read, is not a
// regular file or not a text file, is too large, or holds no names.
struct Read
{
    QStringList names;
    QString problem;
};
Read readFile(const QString &path);

} // namespace Roster
