// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class Shell;

// "Varnok's Feud Planner": two lists, never filled, behind a menu button that is never shown.
std::unique_ptr<QWidget> makeFeudPlanner(Shell &shell);
