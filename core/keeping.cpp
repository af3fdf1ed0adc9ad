// SPDX-License-Identifier: GPL-3.0-or-later
#include "keeping.h"

#include "readfile.h"
#include "safesave.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>

namespace Journal {

namespace {

// A kept file is a window's state and a few lines; anything far larger is not one.
constexpr qint64 LargestFile = 64 * 1024 * 1024;
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

} // namespace

std::optional<QByteArray> readStored(const QString &path)
{
    ReadFile::Result read = ReadFile::read(path, LargestFile);
    if (read.problem != ReadFile::Problem::None)
        return std::nullopt;
    return std::move(read.bytes);
}

QByteArray withEnd(const QByteArray &body, qsizetype count)
{
    const QByteArray digest = QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
    return body + "end " + QByteArray::number(count) + ' ' + digest + LineEnd;
}

std::optional<Ended> checkedEnd(const QByteArray &bytes)
{
    if (bytes.size() < 4 || !bytes.endsWith(LineEnd))
        return std::nullopt;
    const qsizetype endLine = bytes.lastIndexOf(LineEnd, bytes.size() - 3) + 2;
    const QList<QByteArray> end = bytes.mid(endLine, bytes.size() - 2 - endLine).split(' ');
    bool ok = false;
    const qsizetype count = end.size() == 3 ? end[1].toLongLong(&ok) : -1;
    const QByteArray body = bytes.left(endLine);
    if (endLine < 2 || !ok || end[0] != "end" || count < 0 || count > endLine
        || withEnd(body, count) != bytes)
        return std::nullopt;
    return Ended {body, count};
}

QString newPath(const QString &folder, const QString &id)
{
    const QString stamp
            = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString unique = QUuid::createUuid().toString(QUuid::Id128).left(8);
    return QDir(folder).filePath(QStringLiteral("%1-%2-%3.txt").arg(id, stamp, unique));
}

QList<Stored> stored(const QString &folder, const QString &id)
{
    const QDir dir(folder);
    // Pipes and devices too, which are listed as damaged and never read.
    QStringList names = dir.entryList({id + QStringLiteral("-*.txt")}, QDir::Files | QDir::System);
    if (dir.exists(id + QStringLiteral(".txt")))
        names << id + QStringLiteral(".txt");
    QList<Stored> files;
    for (const QString &name : std::as_const(names)) {
        const QFileInfo info(dir.filePath(name));
        files << Stored {info.filePath(), info.size(), info.lastModified().toUTC()};
    }
    std::stable_sort(files.begin(), files.end(),
                     [](const Stored &a, const Stored &b) { return a.written > b.written; });
    return files;
}

Keeping plan(const QString &folder, const QString &ownPath, const Kind &kind,
             const std::optional<QByteArray> &bytes)
{
    QList<Stored> files = stored(folder, kind.id);
    const bool held = bytes && std::none_of(files.cbegin(), files.cend(), [&](const Stored &file) {
                          if (file.path == ownPath || file.size != bytes->size())
                              return false;
                          const std::optional<QByteArray> other = readStored(file.path);
                          return other && kind.same(*other, *bytes);
                      });
    if (!held)
        return {folder, ownPath, std::nullopt, {}};
    files.removeIf([&](const Stored &file) { return file.path == ownPath; });
    Keeping keeping {folder, ownPath, bytes, {}};
    // The one written is the newest.
    for (qsizetype i = MaxKept - 1; i < files.size(); ++i)
        keeping.outdated << files[i].path;
    return keeping;
}

bool carryOut(const Keeping &keeping, QString &error)
{
    if (!keeping.bytes) {
        QFile::remove(keeping.ownPath);
        return true;
    }
    if (!QDir().mkpath(keeping.folder)) {
        error = QCoreApplication::translate("Journal", "the folder cannot be made");
        return false;
    }
    if (!SafeSave::write(keeping.ownPath, *keeping.bytes, error))
        return false;
    for (const QString &path : keeping.outdated)
        QFile::remove(path);
    return true;
}

// The state, "left <time>", and "end <bytes of the state> <checksum>".
QByteArray sealed(const QByteArray &state, const QDateTime &left)
{
    return withEnd(state + "left " + left.toUTC().toString(Qt::ISODateWithMs).toLatin1() + LineEnd,
                   state.size());
}

std::optional<Unsealed> unsealed(const QByteArray &bytes)
{
    const std::optional<Ended> ended = checkedEnd(bytes);
    if (!ended)
        return std::nullopt;
    const QByteArray left = ended->body.mid(ended->count);
    if (!left.startsWith("left ") || !left.endsWith(LineEnd))
        return std::nullopt;
    const QDateTime when
            = QDateTime::fromString(QString::fromLatin1(left.mid(5).chopped(2)), Qt::ISODateWithMs);
    if (!when.isValid())
        return std::nullopt;
    return Unsealed {ended->body.left(ended->count), when};
}

} // namespace Journal
