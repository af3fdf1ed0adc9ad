#include "matchgraph.h"

#include <QHash>

QString Board::openingText(const Table &table, const char *slot)
{
    for (const Form::Row &row : table.widgets) {
        if (qstrcmp(row.name, slot) == 0)
            return QString::fromUtf8(row.text);
    }
    qFatal("%s: no widget named %s", table.window.name, slot);
}

bool Board::holdsName(const QString &text, const QString &opening)
{
    return !text.trimmed().isEmpty() && text != opening;
}

void Board::checkRounds(const Table &table)
{
    QHash<QByteArray, int> rounds; // how many rounds name each match or final
    for (const Match &match : table.matches)
        rounds.insert(match.title, 0);
    for (const Final &final : table.finals)
        rounds.insert(final.title, 0);
    for (const Round &round : table.rounds) {
        for (const char *title : round.matches) {
            auto found = rounds.find(title);
            if (found == rounds.end())
                qFatal("%s: round %s names no match %s", table.window.name, round.name, title);
            ++*found;
        }
    }
    for (auto it = rounds.cbegin(); it != rounds.cend(); ++it) {
        if (it.value() != 1)
            qFatal("%s: %s is in %d rounds", table.window.name, it.key().constData(), it.value());
    }
}
