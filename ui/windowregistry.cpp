// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowregistry.h"

#include <QCloseEvent>
#include <QTimer>

#include <algorithm>

WindowRegistry::WindowRegistry() = default;

WindowRegistry::~WindowRegistry()
{
    for (auto &window : m_windows)
        window.reset();
    for (const QPointer<QWidget> &dying : m_dying)
        delete dying.data();
}

void WindowRegistry::setFactory(WindowId id, Factory factory)
{
    m_factories[size_t(id)] = std::move(factory);
}

bool WindowRegistry::isAvailable(WindowId id) const
{
    return bool(m_factories[size_t(id)]);
}

QWidget *WindowRegistry::show(WindowId id)
{
    if (m_ended || !isAvailable(id))
        return nullptr;
    auto &slot = m_windows[size_t(id)];
    if (!slot) {
        slot = m_factories[size_t(id)]();
        slot->installEventFilter(this);
        if (m_built)
            m_built(slot.get());
    }
    if (!slot->isVisible()) {
        slot->show();
        slot->activateWindow();
    }
    return slot.get();
}

void WindowRegistry::hide(WindowId id)
{
    if (QWidget *window = instance(id))
        window->hide();
}

void WindowRegistry::unload(WindowId id)
{
    auto &slot = m_windows[size_t(id)];
    if (!slot)
        return;
    destroyLater(std::move(slot));
    scheduleEndCheck();
}

void WindowRegistry::destroyLater(std::unique_ptr<QWidget> window)
{
    // The click being handled may belong to this very window, so it is only hidden now and
    // destroyed once control is back in the event loop.
    window->removeEventFilter(this);
    window->hide();
    m_dying.emplace_back(window.get());
    window.release()->deleteLater();
}

void WindowRegistry::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    for (auto &window : m_windows) {
        if (window)
            destroyLater(std::move(window));
    }
    Q_EMIT programEnded();
}

void WindowRegistry::run(std::span<const NavStep> steps)
{
    for (const NavStep &step : steps) {
        switch (step.op) {
        case NavOp::Show:
            show(step.window);
            break;
        case NavOp::Hide:
            hide(step.window);
            break;
        case NavOp::Unload:
            unload(step.window);
            break;
        case NavOp::EndProgram:
            endProgram();
            return;
        }
    }
}

void WindowRegistry::offerField(WindowId board, const QStringList &names)
{
    m_offeredFields[size_t(board)] = names;
    Q_EMIT fieldOffered(board);
}

std::optional<QStringList> WindowRegistry::takeOfferedField(WindowId board)
{
    return std::exchange(m_offeredFields[size_t(board)], std::nullopt);
}

bool WindowRegistry::isLoaded(WindowId id) const
{
    return bool(m_windows[size_t(id)]);
}

QWidget *WindowRegistry::instance(WindowId id) const
{
    return m_windows[size_t(id)].get();
}

int WindowRegistry::loadedCount() const
{
    return int(std::count_if(m_windows.begin(), m_windows.end(),
                             [](const auto &window) { return bool(window); }));
}

bool WindowRegistry::anyWindowOnScreen() const
{
    return std::any_of(m_windows.begin(), m_windows.end(),
                       [](const auto &window) { return window && window->isVisible(); });
}

int WindowRegistry::idOf(const QObject *window) const
{
    for (int i = 0; i < WindowCount; ++i) {
        if (m_windows[size_t(i)].get() == window)
            return i;
    }
    return -1;
}

void WindowRegistry::scheduleEndCheck()
{
    // A click may unload the menu and then show a tool window: the program must not end in
    // between, so the check waits until the click has been handled to its end.
    if (m_endCheckPending)
        return;
    m_endCheckPending = true;
    QTimer::singleShot(0, this, [this] {
        m_endCheckPending = false;
        if (!m_ended && loadedCount() == 0)
            endProgram();
    });
}

bool WindowRegistry::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Close)
        return QObject::eventFilter(watched, event);
    const int id = idOf(watched);
    if (id < 0)
        return false;
    // Closing through the frame unloads the window. With nothing of the program left on screen
    // (the menu unloaded, or only hidden behind the sixteen-man board) the user could never get
    // back, so the program ends.
    event->accept();
    unload(WindowId(id));
    if (!anyWindowOnScreen())
        endProgram();
    return true;
}
