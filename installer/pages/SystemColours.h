#pragma once
// The system colours the custom controls start from.
#include "ui/Controls.h"

inline ui::Colour WindowColour() { return ui::SystemColour(ui::kColourWindow); }
inline ui::Colour WindowTextColour() { return ui::SystemColour(ui::kColourWindowText); }
inline ui::Colour ButtonFaceColour() { return ui::SystemColour(ui::kColourButtonFace); }
