// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

#include <functional>

class Dialogs;
class QLineEdit;
class QMenu;

// Name boxes that take a whole list of names at once: "Paste Names" in a box's context menu, or
// Ctrl+Shift+V while typing in it, puts the clipboard's names, one a line, into that box and the
// shown boxes after it. Bookers keep their rosters in lists elsewhere; this saves typing a card
// in name by name.
class PasteNames : public QObject
{
    Q_OBJECT

public:
    // Runs a paste, so that a window can make it one step of its undo history.
    using Runner = std::function<void(const std::function<void()> &paste)>;

    PasteNames(QWidget *window, Dialogs &dialogs, QList<QLineEdit *> boxes, Runner runner = {});

    // Fills the boxes from this one on; names left over are told in a notice beside the box.
    void paste(QLineEdit *from);

    // The clipboard's lines that hold a name, without the spaces around it.
    static QStringList namesIn(const QString &text);

    // Puts the names into the shown boxes from this one on, as a paste does.
    void fill(QLineEdit *from, const QStringList &names);

private:
    void showMenu(QLineEdit *box, const QPoint &at);

    Dialogs &m_dialogs;
    QList<QLineEdit *> m_boxes;
    Runner m_runner;
};
