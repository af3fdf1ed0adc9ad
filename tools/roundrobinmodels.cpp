// SPDX-License-Identifier: GPL-3.0-or-later
#include "roundrobinmodels.h"

#include <QFont>

using RoundRobin::Match;
using RoundRobin::Result;

namespace {

// A match's internal id: its night's row plus one, times the largest night, plus its row; a
// night's is 0.
constexpr quintptr NightStride = 1024;

QString resultText(const QStringList &block, const Match &match, Result result)
{
    switch (result) {
    case Result::FirstWon:
        return ScheduleModel::tr("%1 won").arg(block[match.pairing.first]);
    case Result::SecondWon:
        return ScheduleModel::tr("%1 won").arg(block[match.pairing.second]);
    case Result::Drawn:
        return ScheduleModel::tr("Draw");
    case Result::Unplayed:
        break;
    }
    return {};
}

} // namespace

ScheduleModel::ScheduleModel(QObject *parent) : QAbstractItemModel(parent) { }

void ScheduleModel::show(const RoundRobin::Tournament &tournament)
{
    if (tournament.blocks() != m_tournament.blocks()) {
        beginResetModel();
        m_tournament = tournament;
        m_nights.clear();
        for (int night = 0; night < m_tournament.nights(); ++night)
            m_nights.append(m_tournament.matchesOfNight(night));
        endResetModel();
        return;
    }
    // Only the matches whose results changed, and their nights, are shown again.
    const RoundRobin::Tournament before = std::exchange(m_tournament, tournament);
    for (int night = 0; night < m_nights.size(); ++night) {
        const QModelIndex parent = index(night, 0);
        bool changed = false;
        for (int row = 0; row < m_nights[night].size(); ++row) {
            const Match &match = m_nights[night][row];
            if (before.result(match) == m_tournament.result(match))
                continue;
            changed = true;
            Q_EMIT dataChanged(index(row, 2, parent), index(row, 2, parent));
        }
        if (changed)
            Q_EMIT dataChanged(index(night, 2), index(night, 2));
    }
}

std::optional<Match> ScheduleModel::matchAt(const QModelIndex &index) const
{
    if (!index.isValid() || index.internalId() == 0)
        return std::nullopt;
    return m_nights[qsizetype(index.internalId() / NightStride - 1)][index.row()];
}

int ScheduleModel::nightAt(const QModelIndex &index) const
{
    if (!index.isValid())
        return -1;
    return index.internalId() == 0 ? index.row() : int(index.internalId() / NightStride - 1);
}

QModelIndex ScheduleModel::indexOf(int night, int match) const
{
    return index(match, 0, index(night, 0));
}

QModelIndex ScheduleModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, quintptr(0));
    return createIndex(row, column, quintptr(parent.row() + 1) * NightStride);
}

QModelIndex ScheduleModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(int(child.internalId() / NightStride - 1), 0, quintptr(0));
}

int ScheduleModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(m_nights.size());
    if (parent.internalId() != 0 || parent.column() != 0)
        return 0;
    return int(m_nights[parent.row()].size());
}

int ScheduleModel::columnCount(const QModelIndex &) const
{
    return 3;
}

QString ScheduleModel::nightText(int night, int column) const
{
    const QList<Match> &matches = m_nights[night];
    if (column == 0)
        return tr("Night %1").arg(night + 1);
    if (column != 2)
        return {};
    const auto played = std::count_if(matches.cbegin(), matches.cend(), [this](const Match &m) {
        return m_tournament.result(m) != Result::Unplayed;
    });
    return tr("%1 of %2 played").arg(QString::number(played), QString::number(matches.size()));
}

QString ScheduleModel::matchText(const Match &match, int column) const
{
    const QStringList &block = m_tournament.blocks()[match.block];
    switch (column) {
    case 0:
        return tr("Block %1").arg(RoundRobin::blockName(match.block));
    case 1:
        return tr("%1 vs. %2").arg(block[match.pairing.first], block[match.pairing.second]);
    default:
        return resultText(block, match, m_tournament.result(match));
    }
}

QVariant ScheduleModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    if (const std::optional<Match> match = matchAt(index)) {
        if (role == Qt::AccessibleTextRole)
            return QStringLiteral("%1, %2, %3")
                    .arg(matchText(*match, 0), matchText(*match, 1),
                         matchText(*match, 2).isEmpty() ? tr("not played") : matchText(*match, 2));
        return matchText(*match, index.column());
    }
    return nightText(index.row(), index.column());
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return QStringList {tr("Night"), tr("Match"), tr("Result")}.value(section);
}

StandingsModel::StandingsModel(const RoundRobin::Tournament &tournament, int block, QObject *parent)
    : QAbstractTableModel(parent), m_tournament(tournament), m_block(block)
{
    m_rows = m_tournament.standings(m_block);
}

void StandingsModel::show(const RoundRobin::Tournament &tournament)
{
    beginResetModel();
    m_tournament = tournament;
    m_rows = m_tournament.standings(m_block);
    endResetModel();
}

int StandingsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int StandingsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 7;
}

QVariant StandingsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const RoundRobin::Standing &row = m_rows[index.row()];
    // The leader, once a match is played: first, in bold, with a star.
    const bool leads = index.row() == 0 && row.played > 0;
    if (role == Qt::FontRole && leads) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::TextAlignmentRole && index.column() != 1)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case 0:
        return index.row() + 1;
    case 1: {
        const QString name = m_tournament.blocks()[m_block][row.place];
        if (!leads)
            return name;
        return role == Qt::DisplayRole ? QStringLiteral("★ ") + name : tr("%1, leader").arg(name);
    }
    default:
        return QList<int> {row.played, row.wins, row.draws, row.losses, row.points}.value(
                index.column() - 2);
    }
}

QVariant StandingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return QStringList {tr("#"),     tr("Wrestler"), tr("Played"), tr("Wins"),
                        tr("Draws"), tr("Losses"),   tr("Points")}
            .value(section);
}

CrossTableModel::CrossTableModel(const RoundRobin::Tournament &tournament, int block,
                                 QObject *parent)
    : QAbstractTableModel(parent), m_tournament(tournament), m_block(block)
{ }

void CrossTableModel::show(const RoundRobin::Tournament &tournament)
{
    m_tournament = tournament;
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int CrossTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_tournament.blocks()[m_block].size());
}

int CrossTableModel::columnCount(const QModelIndex &parent) const
{
    return rowCount(parent);
}

QVariant CrossTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    const QStringList &block = m_tournament.blocks()[m_block];
    const int a = index.row(), b = index.column();
    if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) {
        if (a == b)
            return {};
        const Result result = m_tournament.result(m_block, a, b);
        const QString what = result == Result::FirstWon ? tr("%1 beat %2")
                : result == Result::SecondWon           ? tr("%2 beat %1")
                : result == Result::Drawn               ? tr("%1 and %2 drew")
                                                        : tr("%1 and %2 have not met");
        return what.arg(block[a], block[b]);
    }
    if (role != Qt::DisplayRole)
        return {};
    if (a == b)
        return QStringLiteral("—");
    switch (m_tournament.result(m_block, a, b)) {
    case Result::FirstWon:
        return tr("W");
    case Result::SecondWon:
        return tr("L");
    case Result::Drawn:
        return tr("D");
    case Result::Unplayed:
        break;
    }
    return {};
}

QVariant CrossTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const QString name = m_tournament.blocks()[m_block].value(section);
    // Across, the opponents' places keep the table narrow; the tooltip names them.
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section + 1;
    return QStringLiteral("%1. %2").arg(QString::number(section + 1), name);
}
