// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal.h"

#include "safesave.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace Journal {

namespace {

// Raised whenever a journal's lines change meaning; journals of other versions are not used.
constexpr int Version = 1;
// A journal is a bracket file and a few lines; anything far larger is not one.
constexpr qint64 LargestJournal = 64 * 1024 * 1024;
const QByteArray Marker = QByteArrayLiteral("kayfabe-kit journal");
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

QByteArray digest(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// A value of the lines after the bracket file: one word, whatever the text holds.
QByteArray encoded(const QString &text)
{
    return text.toUtf8().toPercentEncoding();
}

QByteArray line(const char *key, const QString &widget, const QByteArray &value)
{
    return QByteArray(key) + ' ' + widget.toLatin1() + ' ' + value + LineEnd;
}

QByteArray trailer(const Layout &layout, const Entry &entry, const QStringList &unstorable)
{
    QByteArray lines = Marker + ' ' + QByteArray::number(Version) + ' ' + layout.board.toLatin1()
            + ' ' + QByteArray::number(layout.slots.size()) + LineEnd;
    for (auto it = entry.state.texts.cbegin(); it != entry.state.texts.cend(); ++it) {
        if (!layout.slots.contains(it.key()) || unstorable.contains(it.key()))
            lines += line("text", it.key(), encoded(it.value()));
    }
    for (auto it = entry.state.hidden.cbegin(); it != entry.state.hidden.cend(); ++it)
        lines += line("hidden", it.key(), it.value() ? "1" : "0");
    for (auto it = entry.state.points.cbegin(); it != entry.state.points.cend(); ++it)
        lines += line("points", it.key(),
                      QByteArray::number(it.value(), 'g', QLocale::FloatingPointShortest));
    lines += "left " + entry.left.toUTC().toString(Qt::ISODateWithMs).toLatin1() + LineEnd;
    return lines;
}

// Reads the lines after the marker into the entry; false on any line that is not one of them.
bool readLines(const QList<QByteArray> &lines, Entry &entry)
{
    for (const QByteArray &text : lines) {
        const QList<QByteArray> words = text.split(' ');
        if (words.size() == 2 && words[0] == "left") {
            entry.left = QDateTime::fromString(QString::fromLatin1(words[1]), Qt::ISODateWithMs);
            continue;
        }
        if (words.size() != 3 || words[1].isEmpty())
            return false;
        const QString widget = QString::fromLatin1(words[1]);
        bool ok = true;
        if (words[0] == "text")
            entry.state.texts.insert(widget,
                                     QString::fromUtf8(QByteArray::fromPercentEncoding(words[2])));
        else if (words[0] == "hidden" && (words[2] == "0" || words[2] == "1"))
            entry.state.hidden.insert(widget, words[2] == "1");
        else if (words[0] == "points")
            entry.state.points.insert(widget, words[2].toDouble(&ok));
        else
            return false;
        if (!ok)
            return false;
    }
    return entry.left.isValid();
}

ReadResult damaged()
{
    return {std::nullopt, Problem::Damaged};
}

QString stateFolder()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    return QStandardPaths::writableLocation(QStandardPaths::GenericStateLocation);
#elif defined(Q_OS_WIN)
    // The local (not roaming) application data folder: AppData/Local.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    // The XDG rule: a relative $XDG_STATE_HOME is ignored.
    const QString xdg = qEnvironmentVariable("XDG_STATE_HOME");
    return QDir::isAbsolutePath(xdg) ? xdg : QDir::home().filePath(QStringLiteral(".local/state"));
#endif
}

} // namespace

// The bracket file, the lines it does not hold, and the end line:
//   "end <bytes of the bracket file> <SHA-256 of everything before the end line>" CR LF.
QByteArray write(const Layout &layout, const Entry &entry)
{
    QStringList texts, unstorable;
    for (const QString &slot : layout.slots) {
        const QString text = entry.state.texts.value(slot);
        const bool storable = BracketFile::canStore(text);
        texts << (storable ? text : QString());
        if (!storable)
            unstorable << slot;
    }
    QByteArray bytes = BracketFile::write(texts, layout.holders);
    const qsizetype bracketBytes = bytes.size();
    bytes += trailer(layout, entry, unstorable);
    return bytes + "end " + QByteArray::number(bracketBytes) + ' ' + digest(bytes) + LineEnd;
}

ReadResult read(const QByteArray &bytes, const Layout &layout)
{
    // Any cut loses the end line's line end; any other change, its digest.
    if (bytes.size() < 4 || !bytes.endsWith(LineEnd))
        return damaged();
    const qsizetype endLine = bytes.lastIndexOf(LineEnd, bytes.size() - 3) + 2;
    if (endLine < 2)
        return damaged();
    const QList<QByteArray> end = bytes.mid(endLine, bytes.size() - 2 - endLine).split(' ');
    const QByteArray body = bytes.left(endLine);
    bool ok = false;
    const qsizetype bracketBytes = end.size() == 3 ? end[1].toLongLong(&ok) : 0;
    if (!ok || end[0] != "end" || bracketBytes < 0 || bracketBytes > endLine
        || end[2] != digest(body))
        return damaged();

    const QByteArray rest = body.mid(bracketBytes);
    if (!rest.endsWith(LineEnd))
        return damaged();
    QList<QByteArray> lines = rest.chopped(2).split('\n');
    for (QByteArray &text : lines)
        text.chop(1); // the CR
    const QList<QByteArray> marker = lines.takeFirst().split(' ');
    if (marker.size() != 5 || marker[0] + ' ' + marker[1] != Marker)
        return damaged();
    if (marker[2].toInt() != Version || QString::fromLatin1(marker[3]) != layout.board
        || marker[4].toLongLong() != layout.slots.size())
        return {std::nullopt, Problem::OtherLayout};

    QByteArray bracket = body.left(bracketBytes);
    QBuffer device(&bracket);
    device.open(QIODevice::ReadOnly);
    const BracketFile::ReadResult file = BracketFile::read(device, layout.holders);
    if (file.error)
        return damaged();
    Entry entry;
    for (qsizetype i = 0; i < layout.slots.size(); ++i)
        entry.state.texts.insert(layout.slots.at(i), file.values.at(i));
    if (!readLines(lines, entry))
        return damaged();
    return {entry, Problem::None};
}

QString folder(const QStringList &arguments)
{
    const QString off = qEnvironmentVariable("KAYFABE_NO_JOURNAL");
    if (arguments.contains(QLatin1String("--no-journal"))
        || (!off.isEmpty() && off != QLatin1String("0")))
        return {};
    return QDir(stateFolder()).filePath(QStringLiteral("kayfabe-kit/boards"));
}

QString newPath(const QString &folder, const QString &board)
{
    const QString stamp
            = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString unique = QUuid::createUuid().toString(QUuid::Id128).left(8);
    return QDir(folder).filePath(QStringLiteral("%1-%2-%3.txt").arg(board, stamp, unique));
}

ReadResult readFile(const QString &path, const Layout &layout)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > LargestJournal || !file.open(QIODevice::ReadOnly))
        return damaged();
    // A file that grew since it was looked at is still read no further than any journal goes.
    const QByteArray bytes = file.read(LargestJournal + 1);
    return bytes.size() > LargestJournal ? damaged() : read(bytes, layout);
}

QList<Kept> kept(const QString &folder, const Layout &layout)
{
    const QDir dir(folder);
    // Pipes and devices too, which are listed as damaged and never read.
    QStringList names
            = dir.entryList({layout.board + QStringLiteral("-*.txt")}, QDir::Files | QDir::System);
    if (dir.exists(layout.board + QStringLiteral(".txt")))
        names << layout.board + QStringLiteral(".txt");
    QList<Kept> brackets;
    for (const QString &name : std::as_const(names)) {
        Kept bracket {dir.filePath(name), readFile(dir.filePath(name), layout), {}};
        bracket.when = bracket.read.entry ? bracket.read.entry->left
                                          : QFileInfo(bracket.path).lastModified().toUTC();
        brackets << bracket;
    }
    std::stable_sort(brackets.begin(), brackets.end(),
                     [](const Kept &a, const Kept &b) { return a.when > b.when; });
    return brackets;
}

bool keep(const QString &folder, const QString &ownPath, const Layout &layout,
          const std::optional<Entry> &entry, QString &error)
{
    QList<Kept> brackets = kept(folder, layout);
    const bool held
            = entry && std::none_of(brackets.cbegin(), brackets.cend(), [&](const Kept &k) {
                  return k.path != ownPath && k.read.entry && k.read.entry->state == entry->state;
              });
    if (!held) {
        QFile::remove(ownPath);
        return true;
    }
    if (!QDir().mkpath(folder)) {
        error = QCoreApplication::translate("Journal", "the folder cannot be made");
        return false;
    }
    if (!SafeSave::write(ownPath, write(layout, *entry), error))
        return false;
    brackets.removeIf([&](const Kept &k) { return k.path == ownPath; });
    // The one just written is the newest.
    for (qsizetype i = MaxKept - 1; i < brackets.size(); ++i)
        QFile::remove(brackets[i].path);
    return true;
}

QString whenLeft(const QDateTime &left, int names, const QDateTime &now)
{
    const QLocale locale;
    const QDateTime local = left.toLocalTime();
    // Minutes are enough, whatever the locale's short format (the C locale's has seconds).
    static const QRegularExpression seconds(QStringLiteral("[:.]s+"));
    const QString format = locale.timeFormat(QLocale::ShortFormat).remove(seconds);
    const QString time = locale.toString(local.time(), format);
    const QDate today = now.toLocalTime().date();
    QString when;
    if (local.date() == today)
        when = QCoreApplication::translate("Journal", "left today at %1").arg(time);
    else if (local.date() == today.addDays(-1))
        when = QCoreApplication::translate("Journal", "left yesterday at %1").arg(time);
    else
        when = QCoreApplication::translate("Journal", "left on %1 at %2")
                       .arg(locale.toString(local.date(), QLocale::ShortFormat), time);
    return names == 1 ? QCoreApplication::translate("Journal", "%1, 1 name").arg(when)
                      : QCoreApplication::translate("Journal", "%1, %2 names")
                                .arg(when, QString::number(names));
}

} // namespace Journal
