// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bracketfile.h"
#include "windowregistry.h"

#include <QStringList>

// What every bracket board has, as the tests know it: its buttons, the slots of its file in
// file order, and which lines are read back as typed values.
struct BoardList
{
    const char *tag;
    WindowId id;
    const char *save, *load, *reset, *back;
    const char *menuButton; // the main menu's button that opens it
    QStringList slots;
    QList<std::pair<int, int>> typedLines; // first and last line of each typed range, 1-based

    bool typed(int line) const;
    // How each line of the file is read: typed or as text.
    QList<BracketFile::Holder> holders() const;
};

const QList<BoardList> &boardLists();
// stem1, stem2, ... from the first number to the last.
QStringList numbered(const QString &stem, int from, int to);
const BoardList &boardList(WindowId id);
