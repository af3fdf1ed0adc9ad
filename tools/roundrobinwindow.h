// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blocksdialog.h"
#include "results.h"
#include "roundrobin.h"

#include <QWidget>

#include <functional>
#include <memory>

class CrossTableModel;
class KeptStates;
class QLabel;
class QTabWidget;
class QTreeView;
class QUndoStack;
class ResultsPublisher;
class ScheduleModel;
class Shell;
class StandingsModel;

// "Round Robin": blocks drawn from a roster, a schedule of nights, each match decided by hand or
// at random, live standings, results in words, and the leaders sent on to a bracket board.
class RoundRobinWindow : public QWidget
{
    Q_OBJECT

public:
    explicit RoundRobinWindow(Shell &shell);
    ~RoundRobinWindow() override;

    const RoundRobin::File &file() const { return m_file; }

    // Each is one step of the window's undo history.
    void decide(const RoundRobin::Match &match, RoundRobin::Result result);
    void decideAtRandom(const RoundRobin::Match &match);
    void decideNightAtRandom(int night);

    // The match or night selected in the schedule.
    std::optional<RoundRobin::Match> selectedMatch() const;
    int selectedNight() const;

    Results::Report report(const QString &heading) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void build();
    QWidget *buildSchedule();
    QWidget *buildButtons();
    void addKeys();
    void attachJournal();
    void change(const QString &what, const std::function<void(RoundRobin::File &)> &edit);
    void show(const RoundRobin::File &file);
    void rebuildBlocks();
    void fillBlockTab(int block);
    void sizeScheduleColumns();
    void showHeading();
    void drawBlocks();
    void save();
    void load();
    void sendLeaders();
    void decideSelected(RoundRobin::Result result);
    void warn(const QString &text);

    Shell &m_shell;
    RoundRobin::File m_file;
    QList<QStringList> m_shownBlocks; // the blocks the views were made for
    QPixmap m_picture;
    QUndoStack *m_history;
    ScheduleModel *m_schedule;
    QTreeView *m_scheduleView;
    QTabWidget *m_blockTabs;
    QList<StandingsModel *> m_standings;
    QList<CrossTableModel *> m_crossTables;
    QLabel *m_heading;
    ResultsPublisher *m_publisher = nullptr;
    KeptStates *m_kept = nullptr;
    BlocksDialog::Choices m_choices;
    QString m_lastFile;
};

std::unique_ptr<QWidget> makeRoundRobin(Shell &shell);
