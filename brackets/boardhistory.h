// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

#include <functional>
#include <vector>

class QUndoStack;
class QWidget;

// A board's undo history. Every click that changes what the board shows (a name moved on, a
// finalist hidden, the champion line's size) is one step; undoing a step puts back what that
// click changed and nothing else, so names typed since then stay. The history lives and dies
// with its window, and it never draws: an undone pick is not drawn again on redo.
class BoardHistory : public QObject
{
    Q_OBJECT

public:
    BoardHistory(QObject *parent, QList<QWidget *> widgets);

    // Runs a change and keeps it as one step named `what`, unless it changed nothing.
    void record(const QString &what, const std::function<void()> &change);

    QUndoStack *stack() const { return m_stack; }

    // What the board shows of one widget.
    struct Look
    {
        QString text; // a slot's name; empty for any other widget
        bool hidden = false;
        qreal points = 0; // a label's font size; 0 for any other widget

        bool operator==(const Look &) const = default;
    };
    using State = std::vector<Look>;

    State state() const;
    // Turns what differs between `from` and `to` into what `to` holds; the rest stays as it is.
    void restore(const State &from, const State &to) const;

private:
    QList<QWidget *> m_widgets;
    QUndoStack *m_stack;
};
