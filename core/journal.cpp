// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal.h"

#include "keeping.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>

namespace Journal {

namespace {

// Raised whenever a journal's lines change meaning; journals of other versions are not used.
constexpr int Version = 1;

const QByteArray Marker = QByteArrayLiteral("kayfabe-kit journal");
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

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
    const QByteArray bracket = BracketFile::write(texts, layout.holders);
    return withEnd(bracket + trailer(layout, entry, unstorable), bracket.size());
}

ReadResult read(const QByteArray &bytes, const Layout &layout)
{
    const std::optional<Ended> ended = checkedEnd(bytes);
    if (!ended)
        return damaged();
    const QByteArray &body = ended->body;
    const qsizetype bracketBytes = ended->count;
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

Kind kindOf(const Layout &layout)
{
    const auto entry = [layout](const QByteArray &bytes) { return read(bytes, layout).entry; };
    return {layout.board, [entry](const QByteArray &a, const QByteArray &b) {
                const std::optional<Entry> first = entry(a), second = entry(b);
                return first && second && first->state == second->state;
            }};
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
