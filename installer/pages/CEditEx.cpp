#include "installer/pages/CEditEx.h"

#include "installer/pages/SystemColours.h"

CEditEx::CEditEx() : backColour(WindowColour()), textColour(WindowTextColour()) {}

void CEditEx::ApplyColours() {
    SetBackColour(backColour);
    SetTextColour(textColour);
    Redraw();
}
