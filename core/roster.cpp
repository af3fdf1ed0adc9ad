// SPDX-License-Identifier: GPL-3.0-or-later
#include "roster.h"

#include "bracketfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Roster", text);
}

// The file's bytes, or why they make no roster.
std::optional<QByteArray> readBytes(const QString &path, QString &problem)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    // A pipe or a device would be waited on, or read without end.
    if (info.exists() && !info.isFile()) {
        problem = tr("\"%1\" is not a file that can be read as a roster.").arg(shown);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = tr("Could not read the roster \"%1\":\n%2").arg(shown, file.errorString());
        return std::nullopt;
    }
    // One byte past the limit tells a file that is too large without reading all of it.
    const QByteArray bytes = file.read(Roster::MaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        problem = tr("Could not read the roster \"%1\":\n%2").arg(shown, file.errorString());
    else if (bytes.size() > Roster::MaxBytes)
        problem = tr("\"%1\" is larger than 1 MB, too large for a roster of names.").arg(shown);
    if (!problem.isEmpty())
        return std::nullopt;
    return bytes;
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
