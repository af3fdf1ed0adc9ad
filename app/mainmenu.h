// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class Shell;

// "Main Menu": the window the program starts with, and the way to every tool.
std::unique_ptr<QWidget> makeMainMenu(Shell &shell);
