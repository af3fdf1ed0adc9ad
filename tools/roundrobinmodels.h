// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "roundrobin.h"

#include <QAbstractItemModel>
#include <QAbstractTableModel>

// The schedule as a tree: each night, and under it its matches, block by block. A match's index
// is all a view needs to decide it. Each model shows a copy of the round robin it is given, so
// that a view never reads one that has changed under it.
class ScheduleModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit ScheduleModel(QObject *parent);

    // New blocks make the schedule again; new results only show again.
    void show(const RoundRobin::Tournament &tournament);

    std::optional<RoundRobin::Match> matchAt(const QModelIndex &index) const;
    // The night of an index, whether a night's or one of its matches'; -1 for none.
    int nightAt(const QModelIndex &index) const;
    QModelIndex indexOf(int night, int match) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString matchText(const RoundRobin::Match &match, int column) const;
    QString nightText(int night, int column) const;

    RoundRobin::Tournament m_tournament;
    QList<QList<RoundRobin::Match>> m_nights;
};

// A block's standings, the leader first and marked.
class StandingsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    StandingsModel(const RoundRobin::Tournament &tournament, int block, QObject *parent);

    void show(const RoundRobin::Tournament &tournament);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    RoundRobin::Tournament m_tournament;
    int m_block;
    QList<RoundRobin::Standing> m_rows;
};

// Who beat whom in a block: a row for each wrestler, a column for each opponent, W, L or D.
class CrossTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    CrossTableModel(const RoundRobin::Tournament &tournament, int block, QObject *parent);

    void show(const RoundRobin::Tournament &tournament);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    RoundRobin::Tournament m_tournament;
    int m_block;
};
