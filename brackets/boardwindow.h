// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardtable.h"
#include "form.h"

#include <QAccessible>
#include <QHash>
#include <QPointer>

#include <functional>

class BoardExtras;
class BracketFileControl;

// The engine every bracket board runs on: it builds the board's window from its table and wires
// each button to the steps its row gives.
class BoardWindow : public FormWindow, private QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    BoardWindow(Shell &shell, const Board::Table &table);
    ~BoardWindow() override;

    // The last draw a pick button made on this board.
    qint16 drawHolder() const { return m_drawHolder; }

    const Board::Table &table() const { return m_table; }

    // Does what the match's advance button beside a contender does, as part of a larger change
    // that the caller makes one step of the undo history.
    void advance(const Board::Match &match, bool upper);

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
    BoardExtras &extras();
    QString caption(const char *button) const;
    void runPick(const Board::Pick &pick);
    void runButton(const QString &button);
    void perform(const Steps &steps);
    void performStep(const Compiled &step);
    int draw(Board::Draw form);

    const Board::Table &m_table;
    QHash<QString, Steps> m_actions;
    QHash<QString, bool> m_wired;
    QHash<QWidget *, QString> m_spokenNames; // for the buttons whose captions say little
    qint16 m_drawHolder = 0;
    BracketFileControl *m_files = nullptr;
    BoardExtras *m_extras = nullptr;
};
