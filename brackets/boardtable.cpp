// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardtable.h"

std::vector<Board::Step> Board::clearing(const std::vector<Line> &slotList)
{
    std::vector<Step> steps;
    steps.reserve(slotList.size());
    for (const Line &line : slotList)
        steps.push_back(setText(line.slot, ""));
    return steps;
}

QString Board::openingText(const Table &table, const char *slot)
{
    for (const Form::Row &row : table.widgets) {
        if (qstrcmp(row.name, slot) == 0)
            return QString::fromUtf8(row.text);
    }
    qFatal("%s: no widget named %s", table.window.name, slot);
}
