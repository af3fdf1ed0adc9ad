// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bracketfile.h"
#include "form.h"

#include <QObject>

#include <vector>

// A board's file dialog and the Save and Load it serves. It remembers the file last chosen in its
// window, so the next dialog of that window offers it again.
class BracketFileControl : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        Slot slot;
        BracketFile::Holder holder;
    };

    BracketFileControl(FormWindow *window, std::vector<Entry> slotList);

    // Each asks for a file and does nothing when the user cancels. Nothing on the board changes
    // unless every value was read; whatever goes wrong is told to the user.
    void save();
    void load();

    // Loads a file without asking for it; true when the board was filled from it.
    bool loadFile(const QString &path);

    QString lastFile() const { return m_lastFile; }

    static QString filter();

Q_SIGNALS:
    // Just before a Load writes the board's slots.
    void aboutToLoad();

private:
    QString startPath() const;
    void warn(const QString &text) const;
    void reportReadError(const QString &path, const BracketFile::ReadError &error) const;

    FormWindow *m_window;
    std::vector<Entry> m_slots;
    QList<BracketFile::Holder> m_holders;
    QString m_lastFile;
};
