// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardjournal.h"

#include "boardwindow.h"
#include "safesave.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QTimer>

#include <utility>

namespace {

// A journal is a bracket file and a few lines; anything far larger is not one.
constexpr qint64 LargestJournal = 64 * 1024 * 1024;
constexpr int WriteDelayMs = 500;

} // namespace

BoardJournal::BoardJournal(BoardWindow *board, const QString &folder, Recorder record)
    : QObject(board)
    , m_board(board)
    , m_record(std::move(record))
    , m_folder(folder)
    , m_timer(new QTimer(this))
    , m_restore(new QAction(board))
{
    const Board::Table &table = board->table();
    m_layout.board = QString::fromLatin1(table.id);
    for (const Board::Line &line : table.slotList) {
        m_layout.slots << QString::fromLatin1(line.slot);
        m_layout.holders << line.holder;
    }
    for (const Form::Row &row : table.widgets) {
        QWidget *widget = board->widget(row.name);
        m_widgets << widget;
        m_opened << look(widget);
        m_listed << m_layout.slots.contains(widget->objectName());
        auto *entry = qobject_cast<QLineEdit *>(widget);
        if (!entry)
            continue;
        // Typing changes no undo step, so the text boxes tell of it themselves.
        connect(entry, &QLineEdit::textChanged, this, &BoardJournal::changed);
        if (m_listed.last())
            m_entrySlots << entry->objectName();
    }
    m_writer.setMaxThreadCount(1); // one at a time, so they land in the order they were made

    m_timer->setObjectName(QStringLiteral("journalTimer"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(WriteDelayMs);
    connect(m_timer, &QTimer::timeout, this, &BoardJournal::write);
    connect(m_restore, &QAction::triggered, this, &BoardJournal::restore);
    m_restore->setText(tr("Restore Last Bracket"));
    m_restore->setEnabled(false);
    // A turn of the event loop after the extras are made, so that opening costs no more.
    QTimer::singleShot(0, this, &BoardJournal::readLast);
    // The entry's title says when the journal was left, and that changes with the clock.
    board->installEventFilter(this);
}

BoardJournal::Look BoardJournal::look(QWidget *widget)
{
    Look look;
    if (Slot::isSlot(widget))
        look.text = Slot(widget).text();
    look.hidden = widget->isHidden();
    // The size the board gave the label, not the smaller one a long name is shown in.
    if (auto *label = qobject_cast<const Form::Label *>(widget))
        look.points = label->specifiedFont().pointSizeF();
    return look;
}

Journal::State BoardJournal::state() const
{
    Journal::State state;
    for (qsizetype i = 0; i < m_widgets.size(); ++i) {
        const QString name = m_widgets[i]->objectName();
        const Look now = look(m_widgets[i]);
        const Look &opened = m_opened[i];
        if (m_listed[i] || now.text != opened.text)
            state.texts.insert(name, now.text);
        if (now.hidden != opened.hidden)
            state.hidden.insert(name, now.hidden);
        if (now.points != opened.points)
            state.points.insert(name, now.points);
    }
    return state;
}

void BoardJournal::readLast()
{
    if (std::exchange(m_read, true))
        return;
    readFile();
    refresh();
}

void BoardJournal::readFile()
{
    QFile file(Journal::path(m_folder, m_layout.board));
    if (!file.exists())
        return;
    if (file.size() > LargestJournal || !file.open(QIODevice::ReadOnly)) {
        m_last.problem = Journal::Problem::Damaged;
        return;
    }
    m_last = Journal::read(file.readAll(), m_layout);
}

void BoardJournal::changed()
{
    m_changed = true;
    // Not restarted by later changes: a steady stream of them is still written twice a second.
    if (!m_timer->isActive())
        m_timer->start();
    if (m_last.entry && !m_restore->isEnabled())
        m_restore->setEnabled(true); // exactly, whether it equals the board, when the menu opens
}

// The write is still done on the writer's thread: its pool waits for it as the board goes.
void BoardJournal::unloading()
{
    if (!m_changed)
        return;
    m_timer->stop();
    write();
}

void BoardJournal::write()
{
    readLast(); // before it is written over
    QByteArray bytes = Journal::write(m_layout, {state(), QDateTime::currentDateTimeUtc()});
    m_writer.start([this, bytes = std::move(bytes)] { save(bytes); });
}

// On the writer's thread: it reads nothing of the board's that changes.
void BoardJournal::save(const QByteArray &bytes)
{
    QString error;
    if (!QDir().mkpath(m_folder))
        warnOnce(tr("the folder cannot be made"));
    else if (!SafeSave::write(Journal::path(m_folder, m_layout.board), bytes, error))
        warnOnce(error);
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

void BoardJournal::restore()
{
    if (!m_last.entry)
        return;
    const Journal::State target = m_last.entry->state;
    m_record(tr("Restore Last Bracket"), [this, &target] { apply(target); });
    refresh();
}

// What the journal does not name stays as the board opened.
void BoardJournal::apply(const Journal::State &target)
{
    for (qsizetype i = 0; i < m_widgets.size(); ++i) {
        QWidget *widget = m_widgets[i];
        const QString name = widget->objectName();
        const Look &opened = m_opened[i];
        const Look now = look(widget);
        // The size first: a label that fits its caption fits it again at its new size.
        const qreal points = target.points.value(name, opened.points);
        if (auto *label = qobject_cast<Form::Label *>(widget); label && points != now.points) {
            QFont font = label->specifiedFont();
            font.setPointSizeF(points);
            label->setFont(font);
        }
        const QString text = target.texts.value(name, opened.text);
        if (Slot::isSlot(widget) && text != now.text)
            Slot(widget).setText(text);
        const bool hidden = target.hidden.value(name, opened.hidden);
        if (hidden != now.hidden)
            widget->setHidden(hidden);
    }
}

void BoardJournal::refresh()
{
    QString title = tr("Restore Last Bracket");
    if (m_last.entry)
        title += QStringLiteral(" (%1)").arg(Journal::whenLeft(
                m_last.entry->left, names(m_last.entry->state), QDateTime::currentDateTime()));
    else if (m_last.problem == Journal::Problem::Damaged)
        title += tr(" (the saved bracket is damaged)");
    else if (m_last.problem == Journal::Problem::OtherLayout)
        title += tr(" (the saved bracket is from another version)");
    m_restore->setText(title);
    m_restore->setEnabled(m_last.entry && m_last.entry->state != state());
}

int BoardJournal::names(const Journal::State &state) const
{
    return int(std::count_if(
            m_entrySlots.cbegin(), m_entrySlots.cend(),
            [&state](const QString &slot) { return !state.texts.value(slot).isEmpty(); }));
}

bool BoardJournal::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_board && event->type() == QEvent::ContextMenu)
        refresh();
    return false;
}
