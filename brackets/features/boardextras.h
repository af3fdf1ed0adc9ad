// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw.h"
#include "windowregistry.h"

#include <QImage>
#include <QObject>

#include <functional>

class BoardResults;
class BoardJournal;
class BoardWindow;
class BracketFileControl;
class QPainter;

// What every board offers beyond its buttons, reached by keyboard and by the board's context
// menu so the fixed layout stays as it is: undo and redo of clicks, Save and Load by key, the
// board as a picture (saved, copied or printed), a list of names pasted into the entry slots, and
// a bracket file dropped onto the board loaded as Load would.
class BoardExtras : public QObject
{
    Q_OBJECT

public:
    BoardExtras(BoardWindow *board, WindowId id, BracketFileControl *files,
                Drawing::Memory &drawMemory);

    // The board as the user sees it, without its row of file and navigation buttons, at the
    // screen's pixel density; the event's name in a band above it once the event has one.
    QImage picture() const;

    void savePicture();
    void copyPicture();
    void print();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addMenuEntries();
    // Draws the field, from the names another tool offered when it gives some.
    void drawField(const std::optional<QStringList> &offered = std::nullopt);
    void takeOfferedField();
    void clickButton(const char *name) const;
    void acceptDrops();
    void paint(QPainter &painter) const;
    void warn(const QString &text) const;
    QString pictureStart() const;

    BoardWindow *m_board;
    WindowId m_id;
    BracketFileControl *m_files;
    Drawing::Memory &m_drawMemory;
    BoardResults *m_results = nullptr; // the results in words, and the event's heading band
    BoardJournal *m_journal = nullptr; // while the journal is on
    QList<QWidget *> m_leftOutOfPicture;
    QString m_lastPicture;
};
