// SPDX-License-Identifier: GPL-3.0-or-later
#include "roster.h"

#include "bracketfile.h"
#include "readfile.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Roster", text);
}

// The file's bytes, or why they make no roster.
std::optional<QByteArray> readBytes(const QString &path, QString &problem)
{
    const QString shown = QDir::toNativeSeparators(path);
    ReadFile::Result read = ReadFile::read(path, Roster::MaxBytes);
    switch (read.problem) {
    case ReadFile::Problem::None:
        return std::move(read.bytes);
    case ReadFile::Problem::NotAFile:
        problem = tr("\"%1\" is not a file that can be read as a roster.").arg(shown);
        break;
    case ReadFile::Problem::CannotRead:
        problem = tr("Could not read the roster \"%1\":\n%2").arg(shown, read.reason);
        break;
    case ReadFile::Problem::TooLarge:
        problem = tr("\"%1\" is larger than 1 MB, too large for a roster of names.").arg(shown);
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<QStringList> Roster::namesIn(const QByteArray &bytes)
{
    const QString text = BracketFile::decodeText(bytes);
    if (text.contains(QChar(0)))
        return std::nullopt;
    QStringList names;
    // CR LF, LF and CR all end a line; the empty line between CR and LF is skipped as blank.
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text.at(i) != u'\n' && text.at(i) != u'\r')
            continue;
        const QStringView name = QStringView(text).sliced(start, i - start).trimmed();
        if (!name.isEmpty())
            names << name.toString();
        start = i + 1;
    }
    return names;
}

Roster::Read Roster::readFile(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    Read read;
    if (const std::optional<QByteArray> bytes = readBytes(path, read.problem)) {
        if (std::optional<QStringList> names = namesIn(*bytes))
            read.names = std::move(*names);
        else
            read.problem
                    = tr("\"%1\" is not a text file. A roster holds one name a line.").arg(shown);
        if (read.problem.isEmpty() && read.names.isEmpty())
            read.problem = tr("The roster \"%1\" holds no names.").arg(shown);
    }
    return read;
}
