// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell.h"

Shell::Shell(Dialogs &dialogs, QStringList pictureDirs)
    : m_dialogs(dialogs), m_pictures(std::move(pictureDirs))
{ }
