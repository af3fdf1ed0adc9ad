// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fontbook.h"
#include "help.h"
#include "pictures.h"
#include "windowregistry.h"

class Dialogs;

// The folders the program offers files in and keeps its own in: the desktop's standard places in
// the program, folders of their own in the tests.
struct Folders
{
    QString documents; // where Save, Load, rosters and results start
    QString pictures; // where Save Picture starts
    QString journal; // where the boards keep their brackets; empty while the journal is off

    // The folder, when it is there; otherwise the home folder.
    static QString orHome(const QString &folder);
};

// What every window needs from the program around it: the other windows, the dialogs, the
// pictures, the fonts and the folders. Built once in main (and once per test), handed to each
// window.
class Shell
{
public:
    explicit Shell(Dialogs &dialogs, QStringList pictureDirs = {});

    WindowRegistry &windows() { return m_windows; }
    Dialogs &dialogs() { return m_dialogs; }
    Pictures &pictures() { return m_pictures; }
    FontBook &fonts() { return m_fonts; }
    Help &help() { return m_help; }

    const Folders &folders() const { return m_folders; }
    void setFolders(Folders folders) { m_folders = std::move(folders); }
    // Where the boards keep their journals; empty (as it starts) while the journal is off.
    const QString &journalFolder() const { return m_folders.journal; }
    void setJournalFolder(const QString &folder) { m_folders.journal = folder; }

private:
    Dialogs &m_dialogs;
    Pictures m_pictures;
    FontBook m_fonts;
    Folders m_folders;
    Help m_help;
    WindowRegistry m_windows; // last, so windows go before the services they use
};
