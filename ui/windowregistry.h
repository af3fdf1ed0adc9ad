// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

// Every window of the program; each has at most one instance at a time.
enum class WindowId {
    Main,
    Four,
    Eight,
    Sixteen,
    ThirtyTwo,
    Random,
    Roster,
    FeudPlanner,
    RoundRobin,
};
constexpr int WindowCount = int(WindowId::RoundRobin) + 1;

// One step of a button that moves the user between windows.
enum class NavOp { Show, Hide, Unload, EndProgram };
struct NavStep
{
    NavOp op;
    WindowId window;
};

// Owns the windows. Showing a window that is not loaded builds it (its constructor is its load
// step); unloading destroys it, so the next show starts again from its initial texts. The program
// ends when no window is left loaded once the current click has been handled, or when the user
// closes a window through its frame and no window of the program is left on screen.
class WindowRegistry : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<std::unique_ptr<QWidget>()>;

    WindowRegistry();
    ~WindowRegistry() override;

    void setFactory(WindowId id, Factory factory);
    // Runs on every window as it is built, after its own load step.
    void onBuilt(std::function<void(QWidget *)> built) { m_built = std::move(built); }
    bool isAvailable(WindowId id) const;

    QWidget *show(WindowId id);
    void hide(WindowId id);
    void unload(WindowId id);
    void endProgram();
    void run(std::span<const NavStep> steps);

    // Names another tool offers a bracket board for its draw, as plain data: the board takes them
    // once it is on screen and opens its draw with them.
    void offerField(WindowId board, const QStringList &names);
    std::optional<QStringList> takeOfferedField(WindowId board);

    bool isLoaded(WindowId id) const;
    QWidget *instance(WindowId id) const;
    int loadedCount() const;
    bool hasEnded() const { return m_ended; }

Q_SIGNALS:
    // Emitted once, when the program is to end; every window is already gone by then.
    void programEnded();
    void fieldOffered(WindowId board);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void destroyLater(std::unique_ptr<QWidget> window);
    void scheduleEndCheck();
    bool anyWindowOnScreen() const;
    int idOf(const QObject *window) const;

    std::array<Factory, WindowCount> m_factories;
    std::function<void(QWidget *)> m_built;
    std::array<std::unique_ptr<QWidget>, WindowCount> m_windows;
    std::array<std::optional<QStringList>, WindowCount> m_offeredFields;
    std::vector<QPointer<QWidget>> m_dying;
    bool m_endCheckPending = false;
    bool m_ended = false;
};
