// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <optional>

class Dialogs;
class QWidget;

namespace Roster {

// Asks for a roster file, starting in the folder given, and reads its names. Nothing when the
// user cancels, or when the file gives no names: the user is told why.
std::optional<QStringList> choose(QWidget *parent, Dialogs &dialogs, const QString &start);

} // namespace Roster
