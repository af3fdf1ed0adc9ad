// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell.h"

#include <QDir>
#include <QFileInfo>

QString Folders::orHome(const QString &folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

Shell::Shell(Dialogs &dialogs, QStringList pictureDirs)
    : m_dialogs(dialogs), m_pictures(std::move(pictureDirs)), m_help(dialogs)
{ }
