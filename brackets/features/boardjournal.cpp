// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardjournal.h"

#include "matchgraph.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <QShortcut>
#include <QTimer>

namespace {

constexpr int WriteDelayMs = 500;
const QKeySequence RestoreNewest(Qt::CTRL | Qt::SHIFT | Qt::Key_T);

} // namespace

BoardJournal::BoardJournal(BoardWindow *board, const QString &folder)
    : QObject(board)
    , m_board(board)
    , m_folder(folder)
    , m_timer(new QTimer(this))
    , m_menu(new QMenu(tr("Restore Bracket"), board))
{
    const Board::Table &table = board->table();
    m_layout.board = QString::fromLatin1(table.bracket.id);
    m_ownPath = Journal::newPath(folder, m_layout.board);
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
    m_writer.setMaxThreadCount(1); // one at a time, so they land in the order they were made

    m_timer->setObjectName(QStringLiteral("journalTimer"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(WriteDelayMs);
    connect(m_timer, &QTimer::timeout, this, &BoardJournal::writeNow);
    connect(board, &BoardWindow::unloading, this, [this] {
        if (m_changed)
            writeNow();
    });
    m_menu->setObjectName(QStringLiteral("restoreBracket"));
    connect(m_menu, &QMenu::aboutToShow, this, &BoardJournal::refresh);
    auto *newest = new QShortcut(RestoreNewest, board);
    connect(newest, &QShortcut::activated, this, &BoardJournal::restoreNewest);
    // A turn of the event loop after the board's extras are made, so that opening costs no more.
    QTimer::singleShot(0, this, &BoardJournal::refresh);
    // The entries say when each bracket was left, and that changes with the clock.
    board->installEventFilter(this);
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

void BoardJournal::changed()
{
    m_changed = true;
    // Not restarted by later changes: a steady stream of them is still written twice a second.
    if (!m_timer->isActive())
        m_timer->start();
}

// The write is done on the writer's thread: its pool waits for it as the board goes.
void BoardJournal::writeNow()
{
    m_timer->stop();
    const BoardLooks looks = m_board->looks();
    std::optional<Journal::Entry> entry;
    if (looks != m_board->openingLooks())
        entry = Journal::Entry {stateOf(looks), QDateTime::currentDateTimeUtc()};
    m_writer.start([this, entry, path = m_ownPath] {
        QString error;
        if (!Journal::keep(m_folder, path, m_layout, entry, error))
            warnOnce(error);
    });
}

void BoardJournal::startAnew()
{
    if (m_changed)
        writeNow();
    m_ownPath = Journal::newPath(m_folder, m_layout.board);
}

// The board goes on without its journal; a line on every write would drown the terminal. The
// line goes out from the main thread: on Windows (seen under Wine) a message logged from the
// writer's thread can keep the program from ending.
void BoardJournal::warnOnce(const QString &error)
{
    if (m_warned.exchange(true))
        return;
    const QString line = QStringLiteral("kayfabe-kit: could not keep the %1 board's last bracket "
                                        "in %2: %3")
                                 .arg(m_layout.board, QDir::toNativeSeparators(m_folder), error);
    QMetaObject::invokeMethod(
            QCoreApplication::instance(), [line] { qWarning("%s", qPrintable(line)); },
            Qt::QueuedConnection);
}

// Reads the kept brackets again and lists them, newest first; the one Ctrl+Shift+T restores,
// the newest that differs from the board, shows the key.
void BoardJournal::refresh()
{
    m_kept = Journal::kept(m_folder, m_layout);
    m_kept.removeIf([this](const Journal::Kept &kept) { return kept.path == m_ownPath; });
    m_menu->clear();
    const Journal::State now = stateOf(m_board->looks());
    bool newestFound = false;
    for (const Journal::Kept &kept : std::as_const(m_kept))
        addEntry(kept, now, newestFound);
    if (m_kept.isEmpty())
        m_menu->addAction(tr("No brackets kept yet"))->setEnabled(false);
}

void BoardJournal::addEntry(const Journal::Kept &kept, const Journal::State &now, bool &newestFound)
{
    const QDateTime clock = QDateTime::currentDateTime();
    QAction *item = nullptr;
    if (kept.read.entry) {
        const Journal::State state = kept.read.entry->state;
        item = m_menu->addAction(Journal::whenLeft(kept.when, names(state), clock));
        connect(item, &QAction::triggered, this, [this, state] { restore(state); });
        item->setEnabled(state != now);
    } else {
        const bool damaged = kept.read.problem == Journal::Problem::Damaged;
        item = m_menu->addAction(damaged ? tr("A damaged bracket")
                                         : tr("A bracket from another version"));
        item->setEnabled(false);
    }
    // The key is shown beside the entry it restores; a shortcut of the entry's own would make
    // the board's key ambiguous.
    if (item->isEnabled() && !std::exchange(newestFound, true))
        item->setText(item->text() + QLatin1Char('\t')
                      + RestoreNewest.toString(QKeySequence::NativeText));
}

void BoardJournal::restore(const Journal::State &state)
{
    const BoardLooks looks = looksOf(state);
    m_board->record(tr("Restore Bracket"), [this, &looks] { m_board->showLooks(looks); });
}

void BoardJournal::restoreNewest()
{
    refresh();
    const Journal::State now = stateOf(m_board->looks());
    for (const Journal::Kept &kept : std::as_const(m_kept)) {
        if (kept.read.entry && kept.read.entry->state != now)
            return restore(kept.read.entry->state);
    }
}

int BoardJournal::names(const Journal::State &state) const
{
    return int(
            std::count_if(m_entrySlots.cbegin(), m_entrySlots.cend(), [&state](const auto &slot) {
                return Board::holdsName(state.texts.value(slot.first), slot.second);
            }));
}

bool BoardJournal::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_board && event->type() == QEvent::ContextMenu)
        refresh();
    return false;
}
