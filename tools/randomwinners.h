// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class Shell;

// "Random Winners!": draws the winner of a singles, triple-threat, fatal-fourway or battle-royal
// match from the names typed into its boxes.
std::unique_ptr<QWidget> makeRandomWinners(Shell &shell);
