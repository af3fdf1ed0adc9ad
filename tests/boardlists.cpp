// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardlists.h"

QStringList numbered(const QString &stem, int from, int to)
{
    QStringList names;
    for (int n = from; n <= to; ++n)
        names << stem + QString::number(n);
    return names;
}

namespace {

QList<BoardList> makeLists()
{
    const QStringList four = QString("One two three four Two1 Two2 Three1 loser1 loser2 loser3 "
                                     "loser4 four2 Four4")
                                     .split(' ');
    const QStringList eight = numbered("txtWrestler", 1, 8)
            + QString("lblwinner1 lblWinner2 lblwinner3 lblWinner4 lblwinner5 lblwinner6 "
                      "lblWinner7 lblLoser1 lblLoser2 lblloser3 lblLoser4 lblLoser5 lblLoser6 "
                      "lblLoser7 lblLoser8 lblLoser9 lblloser10 lblLoser11 lblLoser12 lblLoser13")
                      .split(' ');
    const QStringList sixteen = numbered("txtWrestler", 1, 16) + numbered("winner", 1, 6)
            + QStringList {"Winner7"} + numbered("winner", 8, 14) + numbered("loser", 1, 24)
            + QStringList {"AWinner", "BWinner", "Label1", "Label3"};
    const QStringList thirtyTwo = numbered("txtWrestler", 1, 16) + numbered("wrestler", 17, 32)
            + numbered("winner", 1, 6) + QStringList {"Winner7"} + numbered("winner", 8, 28)
            + QStringList {"Label3", "Label6"};
    // clang-format off
    return {
        {"four", WindowId::Four, "Command15", "Command14", "Command16", "Command17", "cmdFourman", four, {{4, 12}}},
        {"eight", WindowId::Eight, "Command37", "Command38", "Command39", "Command40", "cmdEight", eight, {{4, 27}}},
        {"sixteen", WindowId::Sixteen, "Command37", "Command38", "Command39", "Command40", "cmdsixteen", sixteen, {{4, 27}}},
        {"thirty-two", WindowId::ThirtyTwo, "Command9", "Command10", "Command4", "Command3", "cmdthritytwo", thirtyTwo, {{4, 27}, {58, 61}}},
    };
    // clang-format on
}

} // namespace

bool BoardList::typed(int line) const
{
    return std::any_of(typedLines.begin(), typedLines.end(),
                       [line](auto range) { return line >= range.first && line <= range.second; });
}

QList<BracketFile::Holder> BoardList::holders() const
{
    QList<BracketFile::Holder> kinds;
    for (int line = 1; line <= slots.size(); ++line)
        kinds << (typed(line) ? BracketFile::Holder::Typed : BracketFile::Holder::Text);
    return kinds;
}

const QList<BoardList> &boardLists()
{
    static const QList<BoardList> lists = makeLists();
    return lists;
}

// Every caller names one of the four boards.
const BoardList &boardList(WindowId id)
{
    return *std::ranges::find(boardLists(), id, &BoardList::id);
}
