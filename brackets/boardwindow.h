// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardtable.h"
#include "form.h"

#include <QAccessible>
#include <QHash>

#include <functional>

class BoardHistory;

// What the board shows of one of its widgets: a slot's name, whether the widget is hidden, and a
// label's own font size, never the smaller one a long name is shown in.
struct WidgetLook
{
    QString text; // a slot's name; empty for any other widget
    bool hidden = false;
    qreal points = 0; // a label's font size; 0 for any other widget

    bool operator==(const WidgetLook &) const = default;
};
// Every widget of a board's table, in the order of its rows.
using BoardLooks = std::vector<WidgetLook>;

// The engine every bracket board runs on: it builds the board's window from its table and wires
// each button to the steps its row gives. What a board offers beyond its buttons (keys, menus,
// the journal, results, the draw) is attached by whoever builds the board.
class BoardWindow : public FormWindow, private QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    BoardWindow(Shell &shell, const Board::Table &table);
    ~BoardWindow() override;

    // The last draw a pick button made on this board.
    qint16 drawHolder() const { return m_drawHolder; }

    const Board::Table &table() const { return m_table; }
    // Every widget of the table, in the order of its rows.
    const QList<QWidget *> &tableWidgets() const { return m_tableWidgets; }

    // Does what the match's advance button beside a contender does, as part of a larger change
    // that the caller makes one step of the undo history.
    void advance(const Board::Match &match, bool upper);

    BoardLooks looks() const;
    const BoardLooks &openingLooks() const { return m_opening; }
    // Makes every widget look as `to` says. Given `from`, only what differs between the two
    // changes, so that what the user did since stays as it is.
    void showLooks(const BoardLooks &to, const BoardLooks *from = nullptr);
    // The board as it opened: every text, every hidden or shown widget, every label's size.
    void showOpening() { showLooks(m_opening); }

    // Runs a change of the board as one step of its undo history.
    void record(const QString &what, const std::function<void()> &change);
    BoardHistory &history() const { return *m_history; }

    // Called once, on the board, once it is on screen or at its first click if that comes
    // sooner: the board appears sooner without what it attaches.
    void attachLater(std::function<void(BoardWindow &)> attach);

Q_SIGNALS:
    // The Save and Load buttons; a Load is one step of the undo history.
    void saveClicked();
    void loadClicked();
    // The board is about to be unloaded, with all its widgets still there.
    void unloading();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Compiled
    {
        Board::Op op;
        QWidget *target;
        QWidget *source;
        QString text;
        qreal points;
    };
    using Steps = std::vector<Compiled>;

    void wireMatches();
    void wireActions();
    void wirePicks();
    void wireFiles();
    void wireBack();
    void checkEveryButtonWired() const;
    void checkFinals() const;
    void nameMatchButtons(const Board::Match &match);
    void speak(const char *button, const QString &name);
    void giveSpokenNames();
    void accessibilityActiveChanged(bool active) override;

    Steps compile(const std::vector<Board::Step> &steps) const;
    void connectButton(const char *name, std::function<void()> handler);
    void addAction(const char *button, Steps steps, const QString &what);
    std::function<void()> recorded(const QString &what, std::function<void()> handler);
    void attachNow();
    QString caption(const char *button) const;
    void runButton(const QString &button);
    void perform(const Steps &steps);
    void performStep(const Compiled &step);
    int draw(Board::Draw form);

    const Board::Table &m_table;
    QList<QWidget *> m_tableWidgets;
    BoardLooks m_opening;
    QHash<QString, Steps> m_actions;
    QHash<QString, bool> m_wired;
    QHash<QWidget *, QString> m_spokenNames; // for the buttons whose captions say little
    qint16 m_drawHolder = 0;
    BoardHistory *m_history;
    std::function<void(BoardWindow &)> m_attach;
};
