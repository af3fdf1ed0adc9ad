// SPDX-License-Identifier: GPL-3.0-or-later
#include "matchgraph.h"

#include <QHash>
#include <QSet>

#include <algorithm>

bool Board::holdsName(const QString &text, const QString &opening)
{
    return !text.trimmed().isEmpty() && text != opening;
}

void Board::checkRounds(const Bracket &bracket)
{
    QHash<QByteArray, int> rounds; // how many rounds name each match or final
    for (const Match &match : bracket.matches)
        rounds.insert(match.title, 0);
    for (const Final &final : bracket.finals)
        rounds.insert(final.title, 0);
    for (const Round &round : bracket.rounds) {
        for (const char *title : round.matches) {
            auto found = rounds.find(title);
            if (found == rounds.end())
                qFatal("%s: round %s names no match %s", bracket.id, round.name, title);
            ++*found;
        }
    }
    for (auto it = rounds.cbegin(); it != rounds.cend(); ++it) {
        if (it.value() != 1)
            qFatal("%s: %s is in %d rounds", bracket.id, it.key().constData(), it.value());
    }
}

// ---- The draw ----

namespace {

using namespace Board;

// A match or a final, as far as the bracket's shape goes.
struct Contest
{
    const char *upper;
    const char *lower;
    std::vector<const char *> winners;
    const char *loser;
};

// Who fills a slot: a contest, as its winner or its loser.
struct Feeder
{
    int contest;
    bool asWinner;
};

class Graph
{
public:
    explicit Graph(const Bracket &bracket);
    std::vector<const char *> order() const;

private:
    bool fedByWinnersSide(const char *slot, int self) const;
    int root() const;
    void read(const char *slot, std::vector<const char *> &order, int depth) const;

    std::vector<Contest> m_contests;
    QHash<QByteArray, std::vector<Feeder>> m_feeders;
    QSet<QByteArray> m_entries;
    std::vector<bool> m_winnersSide;
};

Graph::Graph(const Bracket &bracket)
{
    for (const Match &match : bracket.matches)
        m_contests.push_back({match.upper, match.lower, match.winners, match.loser});
    for (const Final &final : bracket.finals)
        m_contests.push_back({final.upper, final.lower, final.winners, nullptr});
    for (int c = 0; c < int(m_contests.size()); ++c) {
        for (const char *winner : m_contests[size_t(c)].winners)
            m_feeders[winner].push_back({c, true});
        if (const char *loser = m_contests[size_t(c)].loser)
            m_feeders[loser].push_back({c, false});
    }
    for (const char *entry : entrySlots(bracket))
        m_entries.insert(entry);
    // Grown until it holds still: a contest joins once both its contenders come from it.
    m_winnersSide.assign(m_contests.size(), false);
    for (bool grew = true; grew;) {
        grew = false;
        for (int c = 0; c < int(m_contests.size()); ++c) {
            const Contest &contest = m_contests[size_t(c)];
            if (!m_winnersSide[size_t(c)] && fedByWinnersSide(contest.upper, c)
                && fedByWinnersSide(contest.lower, c))
                grew = m_winnersSide[size_t(c)] = true;
        }
    }
}

// A contest that writes its own contender (a grand final's champion line) does not feed itself.
bool Graph::fedByWinnersSide(const char *slot, int self) const
{
    if (m_entries.contains(slot))
        return true;
    bool fed = false;
    for (const Feeder &feeder : m_feeders.value(slot)) {
        if (feeder.contest == self)
            continue;
        if (!feeder.asWinner || !m_winnersSide[size_t(feeder.contest)])
            return false;
        fed = true;
    }
    return fed;
}

// The one contest of the winners' side whose winner goes on to none of it; -1 unless just one.
int Graph::root() const
{
    QSet<QByteArray> contenders;
    for (size_t c = 0; c < m_contests.size(); ++c) {
        if (m_winnersSide[c])
            contenders << m_contests[c].upper << m_contests[c].lower;
    }
    int found = -1;
    for (int c = 0; c < int(m_contests.size()); ++c) {
        const Contest &contest = m_contests[size_t(c)];
        const bool last = std::none_of(contest.winners.begin(), contest.winners.end(),
                                       [&](const char *w) { return contenders.contains(w); });
        if (m_winnersSide[size_t(c)] && last) {
            if (found >= 0)
                return -1;
            found = c;
        }
    }
    return found;
}

void Graph::read(const char *slot, std::vector<const char *> &order, int depth) const
{
    if (m_entries.contains(slot)) {
        order.push_back(slot);
        return;
    }
    // The depth bound stops a bracket whose winners feed in a circle.
    if (depth > int(m_contests.size()))
        return;
    for (const Feeder &feeder : m_feeders.value(slot)) {
        const Contest &contest = m_contests[size_t(feeder.contest)];
        if (feeder.asWinner && m_winnersSide[size_t(feeder.contest)]) {
            read(contest.upper, order, depth + 1);
            read(contest.lower, order, depth + 1);
            return;
        }
    }
}

std::vector<const char *> Graph::order() const
{
    const int last = root();
    if (last < 0)
        return {};
    std::vector<const char *> order;
    read(m_contests[size_t(last)].upper, order, 0);
    read(m_contests[size_t(last)].lower, order, 0);
    if (order.size() != size_t(m_entries.size()))
        return {};
    return order;
}

} // namespace

std::vector<const char *> Board::entrySlots(const Bracket &bracket)
{
    QSet<QByteArray> filled, contenders;
    for (const Match &match : bracket.matches) {
        contenders << match.upper << match.lower;
        for (const char *winner : match.winners)
            filled << winner;
        if (match.loser)
            filled << match.loser;
    }
    for (const Final &final : bracket.finals) {
        for (const char *winner : final.winners)
            filled << winner;
    }
    std::vector<const char *> entries;
    for (const Line &line : bracket.slotList) {
        if (contenders.contains(line.slot) && !filled.contains(line.slot))
            entries.push_back(line.slot);
    }
    return entries;
}

std::vector<const Match *> Board::firstRound(const Bracket &bracket)
{
    QSet<QByteArray> entries;
    for (const char *entry : entrySlots(bracket))
        entries << entry;
    std::vector<const Match *> round;
    for (const Match &match : bracket.matches) {
        if (entries.contains(match.upper) && entries.contains(match.lower))
            round.push_back(&match);
    }
    return round;
}

std::vector<const char *> Board::bracketOrder(const Bracket &bracket)
{
    return Graph(bracket).order();
}
