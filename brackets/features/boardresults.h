// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bracketresults.h"
#include "resultspublisher.h"

#include <QObject>

class BoardWindow;
class QPainter;

// The board's results in words and the event they belong to, from the board's context menu:
// Event Name..., Copy Results (Plain Text, Markdown, BBCode) and Save Results... The event name
// lasts while the board is loaded and is no part of its undo history or its file.
class BoardResults : public QObject
{
    Q_OBJECT

public:
    explicit BoardResults(BoardWindow *board);

    QString eventName() const { return m_eventName; }
    QString text(Results::Format format) const;

    // A picture or print of the board gets a band above it that names the event, while it has a
    // name.
    int bandHeight() const;
    void paintBand(QPainter &painter, int width) const;

private:
    Results::BoardState state() const;

    BoardWindow *m_board;
    Results::BoardState m_opened; // every slot the results read, with the text it opened with
    QString m_eventName;
    ResultsPublisher *m_publisher;
};
