// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardresults.h"

#include "boardwindow.h"
#include "fontbook.h"
#include "shell.h"

#include <QPainter>

using Results::Format;

namespace {

constexpr int BandHeight = 40; // logical pixels
constexpr qreal BandPoints = 15, SmallestBandPoints = 8;

} // namespace

BoardResults::BoardResults(BoardWindow *board) : QObject(board), m_board(board)
{
    const Board::Table &table = board->table();
    for (const QString &name : Results::slotsRead(table.bracket))
        m_opened.insert(name, {{}, true, Board::openingText(table, qPrintable(name))});
    m_publisher = new ResultsPublisher(board, board->shell(),
                                       {[this](const QString &heading) {
                                            return Results::read(m_board->table().bracket, state(),
                                                                 heading);
                                        },
                                        [this] { return m_eventName; },
                                        [this](const QString &name) {
                                            m_eventName = name;
                                            m_board->update();
                                        }});
}

Results::BoardState BoardResults::state() const
{
    Results::BoardState state = m_opened;
    for (auto it = state.begin(); it != state.end(); ++it) {
        const Slot slot = m_board->slot(qPrintable(it.key()));
        it->text = slot.text();
        it->visible = !slot.widget()->isHidden();
    }
    return state;
}

QString BoardResults::text(Format format) const
{
    return m_publisher->text(format);
}

int BoardResults::bandHeight() const
{
    return m_eventName.isEmpty() ? 0 : BandHeight;
}

void BoardResults::paintBand(QPainter &painter, int width) const
{
    if (m_eventName.isEmpty())
        return;
    const QRect band(0, 0, width, BandHeight);
    painter.fillRect(band, QColor(Form::Blue));
    const QRect room = band.adjusted(12, 0, -12, 0);
    // As large as fits across the board, then cut short with an ellipsis.
    QFont font = m_board->shell().fonts().font("MS Sans Serif", BandPoints, true);
    while (font.pointSizeF() > SmallestBandPoints
           && QFontMetricsF(font).horizontalAdvance(m_eventName) > room.width())
        font.setPointSizeF(font.pointSizeF() - 1);
    painter.setFont(font);
    painter.setPen(QColor(Form::White));
    painter.drawText(room, Qt::AlignCenter,
                     QFontMetrics(font).elidedText(m_eventName, Qt::ElideRight, room.width()));
}
