#include "installer/pages/LinkStatic.h"

#include "installer/pages/SystemColours.h"
#include "platform/Platform.h"

namespace {

// The system's default GUI font.
ui::FontSpec DefaultGuiFont() {
    ui::FontSpec fontSpec;
    fontSpec.height = -11;
    fontSpec.face = "MS Shell Dlg";
    return fontSpec;
}

}  // namespace

LinkStatic::LinkStatic()
    : textColour_(WindowTextColour()),
      backColour_(ButtonFaceColour()),
      blinkColour_(ButtonFaceColour()),
      logFont_(DefaultGuiFont()) {}

void LinkStatic::SetTextColour(ui::Colour colour) {
    textColour_ = colour;
    ui::Static::SetTextColour(colour);
    Redraw();
}

void LinkStatic::SetBackColour(ui::Colour colour) {
    backColour_ = colour;
    ui::Static::SetBackColour(CurrentBackColour());
}

void LinkStatic::SetFontHeight(int height) {
    logFont_.height = -height;
    RemakeFont();
}

void LinkStatic::SetFontFace(const std::string& face) {
    logFont_.face = face;
    RemakeFont();
}

void LinkStatic::RemakeFont() {
    font_.Create(logFont_);
    SetFont(font_);
    Redraw();
}

ui::Colour LinkStatic::CurrentBackColour() const {
    return blinkMode == kBackBlink && blinkOff_ == 0 ? blinkColour_ : backColour_;
}

void LinkStatic::Tick() {
    blinkOff_ = !blinkOff_;
    if (blinkMode == kTextBlink) {
        ui::Static::SetText(blinkOff_ ? std::string() : blinkText);
    } else if (blinkMode == kBackBlink) {
        ui::Static::SetBackColour(CurrentBackColour());
        Redraw();
    }
}

void LinkStatic::OnClicked() { plat::os().Launcher().Execute("open", Text(), "", "", plat::kShowNormal); }
