// SPDX-License-Identifier: GPL-3.0-or-later
#include "keptstates.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int WriteDelayMs = 500;
const QKeySequence RestoreNewest(Qt::CTRL | Qt::SHIFT | Qt::Key_T);

} // namespace

KeptStates::KeptStates(QWidget *window, const QString &folder, Window hooks,
                       const QString &menuTitle)
    : QObject(window)
    , m_window(window)
    , m_folder(folder)
    , m_hooks(std::move(hooks))
    , m_ownPath(Journal::newPath(folder, m_hooks.kind.id))
    , m_timer(new QTimer(this))
    , m_menu(new QMenu(menuTitle, window))
{
    m_writer.setMaxThreadCount(1); // one at a time, so they land in the order they were made
    m_timer->setObjectName(QStringLiteral("journalTimer"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(WriteDelayMs);
    connect(m_timer, &QTimer::timeout, this, &KeptStates::writeNow);
    m_menu->setObjectName(QStringLiteral("restoreMenu"));
    connect(m_menu, &QMenu::aboutToShow, this, &KeptStates::refresh);
    connect(new QShortcut(RestoreNewest, window), &QShortcut::activated, this,
            &KeptStates::restoreNewest);
    // The kept files are read when they are asked for: as the menu opens, or for Ctrl+Shift+T. The
    // entries say when each state was left, and that changes with the clock.
    window->installEventFilter(this);
}

void KeptStates::changed()
{
    m_changed = true;
    // Not restarted by later changes: a steady stream of them is still written twice a second.
    if (!m_timer->isActive())
        m_timer->start();
}

void KeptStates::leaving()
{
    if (m_changed)
        writeNow();
}

void KeptStates::startAnew()
{
    leaving();
    m_ownPath = Journal::newPath(m_folder, m_hooks.kind.id);
}

// The files are written on the writer's thread: its pool waits for it as the window goes.
void KeptStates::writeNow()
{
    m_timer->stop();
    // The plan compares with the files on disk, so the write before must have landed: writes come
    // half a second apart, so this waits only when a new entry follows at once (a draw, then Back).
    m_writer.waitForDone();
    m_writer.start(
            [this, keeping = Journal::plan(m_folder, m_ownPath, m_hooks.kind, m_hooks.now())] {
                QString error;
                if (!Journal::carryOut(keeping, error))
                    warnOnce(error);
            });
}

// The window goes on without its journal; a line on every write would drown the terminal. The
// line goes out from the main thread: on Windows (seen under Wine) a message logged from the
// writer's thread can keep the program from ending.
void KeptStates::warnOnce(const QString &error)
{
    if (m_warned.exchange(true))
        return;
    const QString line = QStringLiteral("kayfabe-kit: could not keep %1 in %2: %3")
                                 .arg(m_hooks.what, QDir::toNativeSeparators(m_folder), error);
    QMetaObject::invokeMethod(
            QCoreApplication::instance(), [line] { qWarning("%s", qPrintable(line)); },
            Qt::QueuedConnection);
}

// Reads the kept files again and lists them; the one Ctrl+Shift+T restores, the newest that
// differs from the window, shows the key. A shortcut of the entry's own would make the window's
// key ambiguous.
void KeptStates::refresh()
{
    m_stored.clear();
    for (const Journal::Stored &file : Journal::stored(m_folder, m_hooks.kind.id)) {
        if (file.path != m_ownPath)
            m_stored.append({file, Journal::readStored(file.path)});
    }
    m_menu->clear();
    bool newestFound = false;
    for (const auto &[file, bytes] : std::as_const(m_stored)) {
        const Entry entry = bytes ? m_hooks.describe(*bytes) : Entry {m_hooks.damaged};
        QAction *item = m_menu->addAction(entry.text);
        item->setEnabled(entry.usable && !m_hooks.shows(*bytes));
        if (!item->isEnabled())
            continue;
        connect(item, &QAction::triggered, this,
                [this, bytes = *bytes] { m_hooks.restore(bytes); });
        if (!std::exchange(newestFound, true))
            item->setText(item->text() + QLatin1Char('\t')
                          + RestoreNewest.toString(QKeySequence::NativeText));
    }
    if (m_stored.isEmpty())
        m_menu->addAction(m_hooks.noneKept)->setEnabled(false);
}

void KeptStates::restoreNewest()
{
    refresh();
    for (const auto &[file, bytes] : std::as_const(m_stored)) {
        if (bytes && m_hooks.describe(*bytes).usable && !m_hooks.shows(*bytes))
            return m_hooks.restore(*bytes);
    }
}

bool KeptStates::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::ContextMenu)
        refresh();
    return false;
}
