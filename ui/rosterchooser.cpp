// SPDX-License-Identifier: GPL-3.0-or-later
#include "rosterchooser.h"

#include "dialogs.h"
#include "roster.h"

#include <QCoreApplication>
#include <QWidget>

std::optional<QStringList> Roster::choose(QWidget *parent, Dialogs &dialogs, const QString &start)
{
    const QString path = dialogs.openFileName(
            parent, start, QCoreApplication::translate("Roster", "Rosters (*.txt);;All Files (*)"));
    if (path.isEmpty())
        return std::nullopt;
    Read read = readFile(path);
    if (!read.problem.isEmpty()) {
        dialogs.warn(parent, parent->windowTitle(), read.problem);
        return std::nullopt;
    }
    return std::move(read.names);
}
