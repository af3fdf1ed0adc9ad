// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results.h"

#include <QObject>

#include <functional>

class QWidget;
class Shell;

// A window's results in words and the event they belong to, from the window's context menu:
// Event Name..., Copy Results (Plain Text, Markdown, BBCode) and Save Results... (Ctrl+Shift+E).
// The window says what the results are and keeps the event's name.
class ResultsPublisher : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxEventName = 100;

    struct Window
    {
        // The results under the heading given.
        std::function<Results::Report(const QString &heading)> report;
        std::function<QString()> eventName;
        std::function<void(const QString &)> setEventName;
    };

    ResultsPublisher(QWidget *window, Shell &shell, Window hooks);

    // Heads the results: the event's name, or the window's caption.
    QString heading() const;
    QString text(Results::Format format) const;

    void askEventName();
    void copy(Results::Format format) const;
    void save();

private:
    void addMenuEntries();
    QString saveStart() const;
    void warn(const QString &text) const;

    QWidget *m_window;
    Shell &m_shell;
    Window m_hooks;
    QString m_lastFolder;
};
