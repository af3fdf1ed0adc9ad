#pragma once

#include "windowregistry.h"

#include <QStringList>

// What every bracket board has, as the tests know it: its buttons, the slots of its file in
// file order, and which lines are read back as typed values.
struct BoardList
{
    const char *tag;
    WindowId id;
    const char *save, *load, *reset, *back;
    QStringList slots;
    QList<std::pair<int, int>> typedLines; // first and last line of each typed range, 1-based

    bool typed(int line) const;
};

const QList<BoardList> &boardLists();
// stem1, stem2, ... from the first number to the last.
QStringList numbered(const QString &stem, int from, int to);
const BoardList &boardList(WindowId id);
