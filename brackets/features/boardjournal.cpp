// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardjournal.h"

#include "draw.h"
#include "keptstates.h"
#include "matchgraph.h"

#include <QLineEdit>
#include <QMenu>

BoardJournal::BoardJournal(BoardWindow *board, const QString &folder)
    : QObject(board), m_board(board)
{
    const Board::Table &table = board->table();
    m_layout.board = QString::fromLatin1(table.bracket.id);
    for (const Board::Line &line : table.bracket.slotList) {
        m_layout.slots << QString::fromLatin1(line.slot);
        m_layout.holders << line.holder;
    }
    for (const char *entry : Board::entrySlots(table.bracket))
        m_entrySlots.append({QString::fromLatin1(entry), Board::openingText(table, entry)});
    for (QWidget *widget : board->tableWidgets()) {
        m_listed << m_layout.slots.contains(widget->objectName());
        // Typing changes no undo step, so the text boxes tell of it themselves.
        if (auto *entry = qobject_cast<QLineEdit *>(widget))
            connect(entry, &QLineEdit::textChanged, this, &BoardJournal::changed);
    }
    m_kept = new KeptStates(board, folder, hooks(), tr("Restore Bracket"));
    connect(board, &BoardWindow::unloading, m_kept, &KeptStates::leaving);
}

KeptStates::Window BoardJournal::hooks()
{
    KeptStates::Window hooks;
    hooks.kind = Journal::kindOf(m_layout);
    hooks.what = tr("the %1 board's last bracket").arg(m_layout.board);
    hooks.damaged = tr("A damaged bracket");
    hooks.noneKept = tr("No brackets kept yet");
    hooks.now = [this]() -> std::optional<QByteArray> {
        const BoardLooks looks = m_board->looks();
        if (looks == m_board->openingLooks())
            return std::nullopt;
        return Journal::write(m_layout, {stateOf(looks), QDateTime::currentDateTimeUtc()});
    };
    hooks.describe = [this](const QByteArray &bytes) -> KeptStates::Entry {
        const Journal::ReadResult read = Journal::read(bytes, m_layout);
        if (read.entry)
            return {Journal::whenLeft(read.entry->left, names(read.entry->state),
                                      QDateTime::currentDateTime()),
                    true};
        return {read.problem == Journal::Problem::OtherLayout ? tr("A bracket from another version")
                                                              : tr("A damaged bracket")};
    };
    hooks.shows = [this](const QByteArray &bytes) {
        const std::optional<Journal::Entry> entry = entryIn(bytes);
        return entry && entry->state == stateOf(m_board->looks());
    };
    hooks.restore = [this](const QByteArray &bytes) {
        if (const std::optional<Journal::Entry> entry = entryIn(bytes)) {
            const BoardLooks looks = looksOf(entry->state);
            m_board->record(tr("Restore Bracket"), [this, &looks] { m_board->showLooks(looks); });
        }
    };
    return hooks;
}

QMenu *BoardJournal::restoreMenu() const
{
    return m_kept->menu();
}

void BoardJournal::changed()
{
    m_kept->changed();
}

void BoardJournal::startAnew()
{
    m_kept->startAnew();
}

std::optional<Journal::Entry> BoardJournal::entryIn(const QByteArray &bytes) const
{
    return Journal::read(bytes, m_layout).entry;
}

Journal::State BoardJournal::stateOf(const BoardLooks &looks) const
{
    Journal::State state;
    const BoardLooks &opened = m_board->openingLooks();
    const QList<QWidget *> &widgets = m_board->tableWidgets();
    for (size_t i = 0; i < looks.size(); ++i) {
        const QString name = widgets[qsizetype(i)]->objectName();
        if (m_listed[qsizetype(i)] || looks[i].text != opened[i].text)
            state.texts.insert(name, looks[i].text);
        if (looks[i].hidden != opened[i].hidden)
            state.hidden.insert(name, looks[i].hidden);
        if (looks[i].points != opened[i].points)
            state.points.insert(name, looks[i].points);
    }
    return state;
}

// What the journal does not name stays as the board opened.
BoardLooks BoardJournal::looksOf(const Journal::State &state) const
{
    BoardLooks looks = m_board->openingLooks();
    const QList<QWidget *> &widgets = m_board->tableWidgets();
    for (size_t i = 0; i < looks.size(); ++i) {
        const QString name = widgets[qsizetype(i)]->objectName();
        if (Slot::isSlot(widgets[qsizetype(i)]))
            looks[i].text = state.texts.value(name, looks[i].text);
        looks[i].hidden = state.hidden.value(name, looks[i].hidden);
        if (looks[i].points)
            looks[i].points = state.points.value(name, looks[i].points);
    }
    return looks;
}

int BoardJournal::names(const Journal::State &state) const
{
    return int(
            std::count_if(m_entrySlots.cbegin(), m_entrySlots.cend(), [&state](const auto &slot) {
                const QString text = state.texts.value(slot.first);
                return Board::holdsName(text, slot.second) && text != Drawing::bye();
            }));
}
