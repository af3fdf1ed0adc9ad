// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Reads a file that the user names, or one the program kept: a regular file only, as a pipe would
// keep the program waiting for a writer and a device could be read without end, and no further
// than a limit.
namespace ReadFile {

enum class Problem { None, NotAFile, CannotRead, TooLarge };

struct Result
{
    QByteArray bytes; // for a file over the limit, its first limit + 1 bytes
    Problem problem = Problem::None;
    QString reason; // the system's, when the file cannot be read
};

Result read(const QString &path, qint64 limit);

} // namespace ReadFile
