#pragma once
// An edit control with its own text and background colours, an optional filter for
// typed characters and an optional context menu. The licence page's text box is one:
// it keeps the window colours even when read-only, where Windows would draw it grey.
#include <functional>
#include <memory>

#include "ui/Controls.h"

class CEditEx : public ui::Edit {
public:
    CEditEx();

    ui::Colour backColour;
    ui::Colour textColour;
    // Decides whether a typed character is taken; none takes every character.
    std::function<bool(char)> charFilter;
    // Menu whose first submenu shows on a right click; 0 keeps the edit's own menu.
    int contextMenuId = 0;

    // Gives the control's colour answer to the attached box. Data exchange attaches
    // the control; the page calls this after its base initialisation.
    void ApplyColours();
    // A typed character: false when the filter refuses it (the caller beeps).
    bool AcceptsChar(char c) const { return !charFilter || charFilter(c); }
};
