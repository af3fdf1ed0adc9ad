// SPDX-License-Identifier: GPL-3.0-or-later
#include "roundrobin.h"

#include "bracketfile.h"
#include "randomgenerator.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <numeric>

namespace RoundRobin {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("RoundRobin", text);
}

Result mirrored(Result result)
{
    switch (result) {
    case Result::FirstWon:
        return Result::SecondWon;
    case Result::SecondWon:
        return Result::FirstWon;
    default:
        return result;
    }
}

int pointsFor(Result result)
{
    return result == Result::FirstWon ? PointsForWin : result == Result::Drawn ? PointsForDraw : 0;
}

} // namespace

QString blockName(int block)
{
    return QString(QChar(u'A' + block));
}

QList<QList<Pairing>> schedule(int wrestlers)
{
    // With an odd number, a wrestler who is not there rests whoever meets him.
    const int seats = wrestlers + wrestlers % 2;
    QList<int> ring(seats);
    std::iota(ring.begin(), ring.end(), 0);
    QList<QList<Pairing>> nights;
    for (int night = 0; night + 1 < seats; ++night) {
        QList<Pairing> pairings;
        for (int i = 0; i < seats / 2; ++i) {
            const int first = ring[i], second = ring[seats - 1 - i];
            if (first < wrestlers && second < wrestlers)
                pairings.append({first, second});
        }
        nights.append(pairings);
        ring.insert(1, ring.takeLast());
    }
    return nights;
}

Tournament::Tournament(QList<QStringList> blocks) : m_blocks(std::move(blocks))
{
    for (const QStringList &block : std::as_const(m_blocks))
        m_results.append(QList<Result>(block.size() * block.size(), Result::Unplayed));
}

int Tournament::nights() const
{
    int nights = 0;
    for (const QStringList &block : m_blocks)
        nights = std::max(nights, int(schedule(int(block.size())).size()));
    return nights;
}

QList<Match> Tournament::matchesOfNight(int night) const
{
    QList<Match> matches;
    for (int block = 0; block < m_blocks.size(); ++block) {
        const QList<QList<Pairing>> nights = schedule(int(m_blocks[block].size()));
        for (const Pairing &pairing : nights.value(night))
            matches.append({block, night, pairing});
    }
    return matches;
}

QList<Match> Tournament::matches() const
{
    QList<Match> matches;
    for (int night = 0; night < nights(); ++night)
        matches += matchesOfNight(night);
    return matches;
}

Result Tournament::result(int block, int a, int b) const
{
    return m_results[block][a * m_blocks[block].size() + b];
}

Result Tournament::result(const Match &match) const
{
    return result(match.block, match.pairing.first, match.pairing.second);
}

void Tournament::setResult(int block, int a, int b, Result result)
{
    const qsizetype size = m_blocks[block].size();
    m_results[block][a * size + b] = result;
    m_results[block][b * size + a] = mirrored(result);
}

void Tournament::setResult(const Match &match, Result result)
{
    setResult(match.block, match.pairing.first, match.pairing.second, result);
}

int Tournament::played() const
{
    int played = 0;
    for (const QList<Result> &results : m_results)
        played += int(std::count_if(results.cbegin(), results.cend(),
                                    [](Result r) { return r != Result::Unplayed; }));
    return played / 2;
}

QList<Standing> Tournament::standings(int block) const
{
    const int size = int(m_blocks[block].size());
    QList<Standing> table;
    for (int a = 0; a < size; ++a) {
        Standing standing {a};
        for (int b = 0; b < size; ++b) {
            const Result r = a == b ? Result::Unplayed : result(block, a, b);
            standing.played += r != Result::Unplayed;
            standing.wins += r == Result::FirstWon;
            standing.draws += r == Result::Drawn;
            standing.losses += r == Result::SecondWon;
            standing.points += pointsFor(r);
        }
        table.append(standing);
    }
    // Head to head: the points each took from those level with him on points.
    QList<int> headToHead(size, 0);
    for (int a = 0; a < size; ++a) {
        for (int b = 0; b < size; ++b) {
            if (a != b && table[a].points == table[b].points)
                headToHead[a] += pointsFor(result(block, a, b));
        }
    }
    std::sort(table.begin(), table.end(), [&](const Standing &x, const Standing &y) {
        return std::tuple(-x.points, -headToHead[x.place], -x.wins, x.place)
                < std::tuple(-y.points, -headToHead[y.place], -y.wins, y.place);
    });
    return table;
}

Result randomResult(RandomGenerator &random)
{
    const int draw = random.scaledDraw(20);
    return draw <= 8 ? Result::FirstWon : draw <= 17 ? Result::SecondWon : Result::Drawn;
}

int placed(int names, int blocks, int perBlock)
{
    return std::min(names, blocks * perBlock);
}

std::optional<QList<QStringList>> drawBlocks(QStringList names, int blocks, int perBlock,
                                             Placing placing, RandomGenerator &random)
{
    if (placing == Placing::Shuffled)
        Drawing::shuffle(names, [&random] { return random.nextValue(); });
    names = names.mid(0, placed(int(names.size()), blocks, perBlock));
    QList<QStringList> drawn(blocks);
    for (int i = 0; i < names.size(); ++i) {
        const int turn = i / blocks, seat = i % blocks;
        const int block = placing != Placing::Snake ? i / perBlock
                : turn % 2 == 0                     ? seat
                                                    : blocks - 1 - seat;
        drawn[block].append(names[i]);
    }
    if (std::any_of(drawn.cbegin(), drawn.cend(),
                    [](const QStringList &block) { return block.size() < SmallestBlock; }))
        return std::nullopt;
    return drawn;
}

// ---- The file ----

namespace {

const QString FirstLine = QStringLiteral("Kayfabe Kit round robin 1");
const QString EventPrefix = QStringLiteral("Event:");

bool isSection(const QString &line)
{
    return line.startsWith(u'[') && line.endsWith(u']');
}

class Reader
{
public:
    ReadResult read(const QByteArray &bytes);

private:
    bool line(const QString &text);
    bool section(const QString &text);
    bool endBlock();
    bool result(const QString &text);
    bool fail(const QString &error)
    {
        m_error = tr("Line %1: %2").arg(QString::number(m_line), error);
        return false;
    }

    enum class Part { Start, Block, Results } m_part = Part::Start;
    QString m_event;
    QList<QStringList> m_blocks;
    qsizetype m_blockLine = 0;
    struct Played
    {
        int block, a, b;
        Result result;
    };
    QList<Played> m_played;
    qsizetype m_line = 0;
    QString m_error;
};

ReadResult Reader::read(const QByteArray &bytes)
{
    if (bytes.size() > MaxFileBytes)
        return {std::nullopt, tr("The file is larger than 1 MB, too large for a round robin.")};
    const QString text = BracketFile::decodeText(bytes);
    if (text.contains(QChar(0)))
        return {std::nullopt, tr("It is not a text file.")};
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineEnd);
    for (const QString &each : lines) {
        ++m_line;
        if (!line(each.trimmed()))
            return {std::nullopt, m_error};
    }
    if (m_blocks.isEmpty())
        return {std::nullopt, tr("The file holds no block of wrestlers.")};
    if (m_part == Part::Block && !endBlock())
        return {std::nullopt, m_error};
    File file {m_event, Tournament(m_blocks)};
    for (const Played &played : std::as_const(m_played))
        file.tournament.setResult(played.block, played.a, played.b, played.result);
    return {file, {}};
}

bool Reader::line(const QString &text)
{
    if (m_line == 1) {
        if (text == FirstLine)
            return true;
        if (text.startsWith(FirstLine.chopped(1)))
            return fail(tr("a round-robin file of a version this program does not read."));
        return fail(tr("not a round-robin file: it must begin with \"%1\".").arg(FirstLine));
    }
    if (text.isEmpty())
        return true;
    if (isSection(text))
        return section(text);
    switch (m_part) {
    case Part::Start:
        if (!text.startsWith(EventPrefix))
            return fail(tr("\"%1\" is not a section, such as [Block A], or an Event: line.")
                                .arg(text.left(100)));
        m_event = text.mid(EventPrefix.size()).trimmed();
        return true;
    case Part::Block:
        m_blocks.last().append(text);
        return true;
    case Part::Results:
        return result(text);
    }
    return true;
}

bool Reader::section(const QString &text)
{
    if (m_part == Part::Block && !endBlock())
        return false;
    if (m_part == Part::Results)
        return fail(tr("nothing but results may follow [Results]."));
    if (text == QLatin1String("[Results]")) {
        if (m_blocks.isEmpty())
            return fail(tr("[Results] comes before any block."));
        m_part = Part::Results;
        return true;
    }
    if (m_blocks.size() == MaxBlocks)
        return fail(tr("a round robin holds at most %1 blocks.").arg(MaxBlocks));
    const QString expected = QStringLiteral("[Block %1]").arg(blockName(int(m_blocks.size())));
    if (text != expected)
        return fail(
                tr("\"%1\" where \"%2\" or [Results] should be.").arg(text.left(100), expected));
    m_blocks.append(QStringList());
    m_blockLine = m_line;
    m_part = Part::Block;
    return true;
}

bool Reader::endBlock()
{
    const qsizetype size = m_blocks.last().size();
    if (size >= SmallestBlock && size <= LargestBlock)
        return true;
    m_line = m_blockLine;
    return fail(tr("block %1 holds %2 wrestlers; a block holds %3 to %4.")
                        .arg(blockName(int(m_blocks.size() - 1)), QString::number(size),
                             QString::number(SmallestBlock), QString::number(LargestBlock)));
}

bool Reader::result(const QString &text)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
            QStringLiteral("([A-D]):\\s*([0-9]{1,2})\\s+(beat|drew)\\s+([0-9]{1,2})")));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return fail(tr("\"%1\" is not a result such as \"A: 1 beat 3\" or \"A: 2 drew 3\".")
                            .arg(text.left(100)));
    const int block = match.captured(1).at(0).unicode() - u'A';
    if (block >= m_blocks.size())
        return fail(tr("there is no block %1.").arg(match.captured(1)));
    const int size = int(m_blocks[block].size());
    const int a = match.captured(2).toInt() - 1, b = match.captured(4).toInt() - 1;
    if (a < 0 || b < 0 || a >= size || b >= size)
        return fail(tr("block %1 has no wrestler %2.")
                            .arg(match.captured(1),
                                 QString::number(a < 0 || a >= size ? a + 1 : b + 1)));
    if (a == b)
        return fail(tr("a wrestler cannot meet himself."));
    for (const Played &played : std::as_const(m_played)) {
        if (played.block == block && std::minmax(played.a, played.b) == std::minmax(a, b))
            return fail(tr("the match of %1 %2 and %3 has a result already.")
                                .arg(match.captured(1), QString::number(std::min(a, b) + 1),
                                     QString::number(std::max(a, b) + 1)));
    }
    m_played.append(
            Played {block, a, b, match.captured(3) == u"beat" ? Result::FirstWon : Result::Drawn});
    return true;
}

} // namespace

ReadResult read(const QByteArray &bytes)
{
    return Reader().read(bytes);
}

QByteArray write(const File &file)
{
    QStringList lines {FirstLine};
    if (!file.event.isEmpty())
        lines << EventPrefix + u' ' + file.event;
    const QList<QStringList> &blocks = file.tournament.blocks();
    for (int block = 0; block < blocks.size(); ++block)
        lines << QStringLiteral("[Block %1]").arg(blockName(block)) << blocks[block];
    lines << QStringLiteral("[Results]");
    for (int block = 0; block < blocks.size(); ++block) {
        for (const QList<Pairing> &night : schedule(int(blocks[block].size()))) {
            for (const Pairing &pairing : night) {
                const Result result = file.tournament.result(block, pairing.first, pairing.second);
                if (result == Result::Unplayed)
                    continue;
                const bool secondWon = result == Result::SecondWon;
                const int first = (secondWon ? pairing.second : pairing.first) + 1;
                const int second = (secondWon ? pairing.first : pairing.second) + 1;
                lines << QStringLiteral("%1: %2 %3 %4")
                                 .arg(blockName(block), QString::number(first),
                                      result == Result::Drawn ? QStringLiteral("drew")
                                                              : QStringLiteral("beat"),
                                      QString::number(second));
            }
        }
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

bool canStore(const QString &name)
{
    return !name.isEmpty() && name == name.trimmed() && !isSection(name) && !name.contains(u'\n')
            && !name.contains(u'\r') && BracketFile::canStore(name);
}

} // namespace RoundRobin
