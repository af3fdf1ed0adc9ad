// SPDX-License-Identifier: GPL-3.0-or-later
#include "feudplanner.h"

#include "form.h"

using namespace Form;

namespace {

constexpr Look PanelLook {"MS Sans Serif", 8.25, false, Black, Blue};

constexpr WindowSpec Window {"frmFeudplanner", "Varnok's Feud Planner", 11910, 8625,
                             ButtonFace,       "gfx\\background.jpg"};

// Nothing fills the lists or the labels, and there is no Back: closing the window through its
// frame is the only way out, and it ends the program.
// clang-format off
constexpr Row Rows[] = {
    { "lstChoose",  Kind::ListBox, "",  480,  720, 2415, 3180, 0, &PanelLook },
    { "lstChoice2", Kind::ListBox, "", 3960,  720, 2535, 3180, 1, &PanelLook },
    { "Label1",     Kind::Label,   "",  480, 4080, 2415,  375, 2, &PanelLook },
    { "Label2",     Kind::Label,   "", 3960, 4080, 2415,  375, 3, &PanelLook },
};
// clang-format on

} // namespace

std::unique_ptr<QWidget> makeFeudPlanner(Shell &shell)
{
    return std::make_unique<FormWindow>(shell, Window, Rows);
}
