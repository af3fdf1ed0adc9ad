// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// The bracket file: one line per slot of a board's slot list, each ended by CR LF. Names are
// written plain when they read back unchanged, and in double quotes (a quote inside doubled)
// otherwise. Files written by earlier versions of the program, with every name plain, still load,
// and so do files saved as UTF-16 ("Unicode" in Notepad or Excel).
namespace BracketFile {

// How a line is read back. A text line keeps its value as read; a typed line turns a value that
// reads as a number into the number's own text (007 comes back as 7) and #TRUE#, #FALSE# and
// #date# into True, False and the date.
enum class Holder { Text, Typed };

// The longest value a file may hold, in characters.
constexpr int MaxValueLength = 65535;

struct ReadError
{
    enum class Kind {
        Empty, // the file holds nothing at all
        TooFewValues, // the file ends after valuesFound of valuesNeeded values
        ValueTooLong, // value number valueNumber is longer than MaxValueLength
        NotText, // a NUL byte: the file is not a text file
        Unreadable, // the device reported an error while reading
    };
    Kind kind;
    int valuesFound = 0; // values read completely before the error
    int valuesNeeded = 0;
    int valueNumber = 0; // 1-based number of the value the error stopped at
    qint64 line = 0; // 1-based line the error stopped at
};

struct ReadResult
{
    // Exactly holders.size() values when error is empty; after an error, the valuesFound values
    // read before it.
    QStringList values;
    std::optional<ReadError> error;
};

// Reads the first holders.size() values from the device's current position. It stops reading as
// soon as it has them, and never holds more than one value and one chunk of the device in memory,
// whatever the device holds.
ReadResult read(QIODevice &device, const QList<Holder> &holders);

// Writes one line per text, each read back with the holder of the same position.
// Preconditions: texts.size() == holders.size(), and canStore() holds for every text.
QByteArray write(const QStringList &texts, const QList<Holder> &holders);

// Whether a text comes back from a file unchanged: it must not hold a NUL character (a file
// holding one is not a text file) or half of a surrogate pair, nor be longer than MaxValueLength.
bool canStore(const QString &text);

// Text from bytes as the file's values are read: UTF-8 when the bytes are valid UTF-8, otherwise
// Windows-1252. A byte-order mark is the caller's to skip.
QString decode(const QByteArray &bytes);

// A whole text file as the reader reads one: UTF-16 behind its byte-order mark, otherwise UTF-8
// (a byte-order mark skipped) when valid, otherwise Windows-1252.
QString decodeText(const QByteArray &bytes);

// The text an unquoted value of a typed line comes back as.
QString typedText(const QString &value);

} // namespace BracketFile
