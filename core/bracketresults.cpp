// SPDX-License-Identifier: GPL-3.0-or-later
#include "bracketresults.h"

#include "draw.h"

#include <QSet>

#include <algorithm>
#include <optional>

using namespace Board;
using Results::BoardState;
using Results::Bout;
using Results::Outcome;
using Results::Shown;

namespace {

const QString ChampionPrefix = QStringLiteral("Winner: ");

// Reads names off the board. A text that is blank, or that some slot of the board showed when it
// opened ("Winner", "Loser 2", "#1 Wrestler"...), holds no name: the board copies those texts
// along when a match is advanced before its contenders are known.
class Reader
{
public:
    Reader(const Bracket &bracket, const BoardState &state) : m_bracket(bracket), m_state(state)
    {
        for (const Shown &shown : state)
            m_openings.insert(shown.opening);
        const char *last = bracket.rounds.empty() ? nullptr : bracket.rounds.back().matches.back();
        for (const Final &final : bracket.finals) {
            if (qstrcmp(final.title, last) == 0)
                m_crowning = &final;
        }
        for (const Match &match : bracket.matches) {
            if (qstrcmp(match.title, last) == 0)
                m_champion = name(match.winners.front());
        }
        if (m_crowning)
            m_champion = championLine();
    }

    QString champion() const { return m_champion; }

    std::optional<Bout> bout(const char *title) const
    {
        for (const Match &match : m_bracket.matches) {
            if (qstrcmp(match.title, title) == 0)
                return decidedBy(match.upper, match.lower, name(match.winners.front()));
        }
        for (const Final &final : m_bracket.finals) {
            if (qstrcmp(final.title, title) == 0)
                return decidedBy(final.upper, final.lower,
                                 &final == m_crowning ? m_champion : name(final.winners.front()));
        }
        qFatal("%s: no match %s", m_bracket.id, title);
    }

private:
    // Decided when the winner is exactly one of the contenders.
    std::optional<Bout> decidedBy(const char *upper, const char *lower, const QString &winner) const
    {
        const QString first = name(upper), second = name(lower);
        // A bye is no opponent: a bout against one is no match.
        if (first.isEmpty() || second.isEmpty() || first == Drawing::bye()
            || second == Drawing::bye())
            return std::nullopt;
        if (winner.isEmpty() || (winner == first) == (winner == second))
            return Bout {first, second, Outcome::Undecided};
        return winner == first ? Bout {first, second, Outcome::Won}
                               : Bout {second, first, Outcome::Won};
    }

    // The name a slot holds, or an empty text. A champion line holds the name after "Winner: ".
    QString name(const char *slot) const
    {
        QString text = m_state.value(QLatin1String(slot)).text;
        if (isChampionLine(slot) && text.startsWith(ChampionPrefix))
            text.remove(0, ChampionPrefix.size());
        return text.trimmed().isEmpty() || m_openings.contains(text) ? QString() : text;
    }

    bool isChampionLine(const char *slot) const
    {
        return m_crowning && std::ranges::any_of(m_crowning->winners, [slot](const char *line) {
                   return qstrcmp(line, slot) == 0;
               });
    }

    // The champion line on show; when the board has several, the others are hidden.
    QString championLine() const
    {
        for (const char *line : m_crowning->winners) {
            const Shown shown = m_state.value(QLatin1String(line));
            if (shown.visible && shown.text.startsWith(ChampionPrefix))
                return name(line);
        }
        return {};
    }

    const Bracket &m_bracket;
    const BoardState &m_state;
    QSet<QString> m_openings;
    const Final *m_crowning = nullptr; // the final that crowns the champion, if one does
    QString m_champion;
};

} // namespace

QStringList Results::slotsRead(const Bracket &bracket)
{
    QStringList slots;
    auto add = [&slots](const char *slot) { slots << QString::fromLatin1(slot); };
    for (const Match &match : bracket.matches) {
        add(match.upper);
        add(match.lower);
        std::ranges::for_each(match.winners, add);
    }
    for (const Final &final : bracket.finals) {
        add(final.upper);
        add(final.lower);
        std::ranges::for_each(final.winners, add);
    }
    slots.removeDuplicates();
    return slots;
}

Results::Report Results::read(const Bracket &bracket, const BoardState &state,
                              const QString &heading)
{
    const Reader reader(bracket, state);
    Report report {heading, {}, reader.champion(), {}};
    for (const Board::Round &round : bracket.rounds) {
        Round written {QString::fromUtf8(round.name), {}};
        for (const char *title : round.matches) {
            if (const std::optional<Bout> bout = reader.bout(title))
                written.bouts << *bout;
        }
        if (!written.bouts.isEmpty())
            report.rounds << written;
    }
    return report;
}
