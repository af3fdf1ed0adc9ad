// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw.h"
#include "fontbook.h"
#include "pictures.h"
#include "windowregistry.h"

class Dialogs;

// What every window needs from the program around it: the other windows, the dialogs, the
// pictures and the fonts. Built once in main (and once per test), handed to each window.
class Shell
{
public:
    explicit Shell(Dialogs &dialogs, QStringList pictureDirs = {});

    WindowRegistry &windows() { return m_windows; }
    Dialogs &dialogs() { return m_dialogs; }
    Pictures &pictures() { return m_pictures; }
    FontBook &fonts() { return m_fonts; }
    // How the last field was drawn, offered again while the program runs.
    Drawing::Choices &drawChoices() { return m_drawChoices; }

    // Where the boards keep their journals; empty (as it starts) while the journal is off.
    const QString &journalFolder() const { return m_journalFolder; }
    void setJournalFolder(const QString &folder) { m_journalFolder = folder; }

private:
    Dialogs &m_dialogs;
    Pictures m_pictures;
    FontBook m_fonts;
    QString m_journalFolder;
    Drawing::Choices m_drawChoices;
    WindowRegistry m_windows; // last, so windows go before the services they use
};

// Teaches the registry how to build every window of the program.
void registerWindows(Shell &shell);
