#pragma once
// The system colours the custom controls start from (COLOR_WINDOW, COLOR_WINDOWTEXT,
// COLOR_BTNFACE in Windows' standard scheme).
#include "ui/Types.h"

inline ui::Colour WindowColour() { return ui::Rgb(255, 255, 255); }
inline ui::Colour WindowTextColour() { return ui::Rgb(0, 0, 0); }
inline ui::Colour ButtonFaceColour() { return ui::Rgb(240, 240, 240); }
