// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class Dialogs;
class QTextBrowser;
class QWidget;

// The program's help: how to use it, shipped inside it (the README's sections for users), in a
// window of its own that F1 opens from any window, with links between its sections; and About
// Kayfabe Kit, which names the version, the licence, the Qt it runs on and where its source is.
class Help : public QObject
{
    Q_OBJECT

public:
    explicit Help(Dialogs &dialogs);
    ~Help() override;

    // Gives the window the F1 key.
    void offerIn(QWidget *window);
    // Opens the help window, or brings it to the front, at its contents.
    QWidget *show();
    void about(QWidget *parent);
    // The help window, once it has been opened.
    QWidget *window() const { return m_window; }
    // The help as it opens, for a window of the program's to show in part.
    static QString text();

private:
    void build();

    Dialogs &m_dialogs;
    QPointer<QWidget> m_window; // made when first asked for; the program's to close at its end
    QTextBrowser *m_browser = nullptr;
};
