// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>

class BoardWindow;
class QAction;
class QTimer;

// A board's journal on disk while the board is open, and the entry that brings back the journal
// the board found when it opened. Changes arm a timer, so a click costs next to nothing: the board
// is written at most once per half second, and at once when it is unloaded, unless nothing on it
// changed since it opened, which leaves the last bracket as it was. A safe save waits for the
// disk (10 to 30 ms is common), so the files are written on a thread of the journal's own.
class BoardJournal : public QObject
{
    Q_OBJECT

public:
    // Runs a change as one step of the board's undo history.
    using Recorder = std::function<void(const QString &, const std::function<void()> &)>;

    BoardJournal(BoardWindow *board, const QString &folder, Recorder record);

    QAction *restoreAction() const { return m_restore; }

    // Something on the board changed.
    void changed();
    // The board is about to be unloaded: its widgets are all still there.
    void unloading();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Look
    {
        QString text;
        bool hidden = false;
        qreal points = 0;
    };
    static Look look(QWidget *widget);
    Journal::State state() const;
    void readLast();
    void readFile();
    void write();
    void save(const QByteArray &bytes);
    void warnOnce(const QString &error);
    void restore();
    void apply(const Journal::State &target);
    void refresh();
    int names(const Journal::State &state) const;

    BoardWindow *m_board;
    Recorder m_record;
    QString m_folder;
    Journal::Layout m_layout;
    QList<QWidget *> m_widgets; // every widget of the board's table
    QList<Look> m_opened; // each as the board opened
    QList<bool> m_listed; // whether each is in the slot list
    QStringList m_entrySlots; // the names typed in: the slot list's text boxes
    Journal::ReadResult m_last; // the journal as the board found it
    QTimer *m_timer;
    QAction *m_restore;
    bool m_read = false;
    bool m_changed = false;
    std::atomic_bool m_warned = false;
    QThreadPool m_writer; // last, so that it is gone, its writes done, before the rest
};
