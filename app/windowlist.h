// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Shell;

// Teaches the registry how to build every window of the program: the one place that names every
// part, and that attaches to each bracket board what it offers beyond its buttons.
void registerWindows(Shell &shell);
