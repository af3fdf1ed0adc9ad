// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class Shell;

// "Roster Organizer": shows one drawn gimmick at a time and keeps the earlier ones in a list.
std::unique_ptr<QWidget> makeGimmickGenerator(Shell &shell);
