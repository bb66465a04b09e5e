#pragma once
// A static text with its own colour, background and font: the coloured note at the foot
// of the port page. It can also blink its text or background on a timer, open its text
// through the shell when clicked and show a cursor of its own; the installer uses none
// of these.
#include <string>

#include "ui/Controls.h"
#include "ui/Font.h"

class LinkStatic : public ui::Static {
public:
    enum BlinkMode { kNoBlink = 0, kTextBlink = 1, kBackBlink = 2 };

    LinkStatic();

    void SetTextColour(ui::Colour colour);  // redraws at once
    void SetBackColour(ui::Colour colour);  // shows at the next repaint
    void SetFontHeight(int height);         // character height in logical units
    void SetFontFace(const std::string& face);

    // One blink timer tick.
    void Tick();
    // A click: hands the control's text to the shell's "open" verb.
    void OnClicked();

    ui::Colour TextColour() const { return textColour_; }
    ui::Colour BackColour() const { return backColour_; }
    // The colour the control answers its colour query with right now.
    ui::Colour CurrentBackColour() const;
    const ui::FontSpec& LogFont() const { return logFont_; }
    const ui::Font& CurrentFont() const { return font_; }

    int blinkMode = kNoBlink;
    std::string blinkText;

private:
    void RemakeFont();

    ui::Colour textColour_;
    ui::Colour backColour_;
    ui::Colour blinkColour_;
    ui::FontSpec logFont_;
    ui::Font font_;
    int blinkOff_ = 0;
};
