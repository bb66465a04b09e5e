#include "ui/Controls.h"

#include "ui/BackEnd.h"
#include "ui/Dialog.h"

namespace ui {

namespace {
detail::DialogWindow* W(Dialog* dialog) { return dialog ? dialog->Window() : nullptr; }
}  // namespace

void Control::SetText(const std::string& text) { if (auto w = W(dialog_)) w->SetItemText(id_, text); }
std::string Control::Text() const { auto w = W(dialog_); return w ? w->ItemText(id_) : std::string(); }
void Control::Enable(bool enable) { if (auto w = W(dialog_)) w->EnableItem(id_, enable); }
bool Control::IsEnabled() const { auto w = W(dialog_); return w && w->IsItemEnabled(id_); }
void Control::Show(bool show) { if (auto w = W(dialog_)) w->ShowItem(id_, show); }
bool Control::IsVisible() const { auto w = W(dialog_); return w && w->IsItemVisible(id_); }
void Control::Focus() { if (auto w = W(dialog_)) w->FocusItem(id_); }
void Control::SetFont(const Font& font) { if (auto w = W(dialog_)) w->SetItemFont(id_, font); }
void Control::Redraw() { if (auto w = W(dialog_)) w->RedrawItem(id_); }
Rect Control::WindowRect() const { auto w = W(dialog_); return w ? w->ItemRect(id_) : Rect{}; }

void Control::SetTextColour(Colour colour) {
    if (!dialog_) return;
    Dialog::ItemColours& c = dialog_->ColoursFor(id_);
    c.hasText = true;
    c.text = colour;
}

void Control::SetBackColour(Colour colour) {
    if (!dialog_) return;
    Dialog::ItemColours& c = dialog_->ColoursFor(id_);
    c.hasBack = true;
    c.back = colour;
}

void Button::SetCheck(int state) { if (auto w = W(dialog_)) w->SetCheck(id_, state); }
int Button::Check() const { auto w = W(dialog_); return w ? w->Check(id_) : 0; }

int ComboBox::AddString(const std::string& text) { auto w = W(dialog_); return w ? w->ComboAdd(id_, text) : kComboError; }
int ComboBox::InsertString(int index, const std::string& text) {
    auto w = W(dialog_);
    return w ? w->ComboInsert(id_, index, text) : kComboError;
}
void ComboBox::ResetContent() { if (auto w = W(dialog_)) w->ComboReset(id_); }
int ComboBox::Count() const { auto w = W(dialog_); return w ? w->ComboCount(id_) : kComboError; }
int ComboBox::CurSel() const { auto w = W(dialog_); return w ? w->ComboCurSel(id_) : kComboError; }
int ComboBox::SetCurSel(int index) { auto w = W(dialog_); return w ? w->ComboSetCurSel(id_, index) : kComboError; }
int ComboBox::FindString(int start, const std::string& text) const {
    auto w = W(dialog_);
    return w ? w->ComboFind(id_, start, text, false) : kComboError;
}
int ComboBox::FindStringExact(int start, const std::string& text) const {
    auto w = W(dialog_);
    return w ? w->ComboFind(id_, start, text, true) : kComboError;
}
int ComboBox::ItemText(int index, std::string& text) const {
    auto w = W(dialog_);
    return w ? w->ComboItemText(id_, index, text) : kComboError;
}

void IpAddress::SetAddress(uint32_t address) { if (auto w = W(dialog_)) w->IpSet(id_, address); }
int IpAddress::Address(uint32_t& address) const {
    address = 0;
    auto w = W(dialog_);
    return w ? w->IpGet(id_, address) : 0;
}
bool IpAddress::IsBlank() const { auto w = W(dialog_); return !w || w->IpBlank(id_); }
void IpAddress::Clear() { if (auto w = W(dialog_)) w->IpClear(id_); }

void ProgressBar::SetRange(int low, int high) { if (auto w = W(dialog_)) w->ProgressRange(id_, low, high); }
int ProgressBar::SetPos(int position) { auto w = W(dialog_); return w ? w->ProgressSetPos(id_, position) : 0; }
int ProgressBar::Pos() const { auto w = W(dialog_); return w ? w->ProgressPos(id_) : 0; }

bool Tooltip::Create(Dialog& owner) {
    owner_ = &owner;
    auto w = W(owner_);
    return w && w->TooltipCreate();
}
void Tooltip::Activate(bool active) { if (auto w = W(owner_)) w->TooltipActivate(active); }
void Tooltip::SetMaxTipWidth(int pixels) { if (auto w = W(owner_)) w->TooltipMaxWidth(pixels); }
bool Tooltip::AddTool(int controlId, const std::string& text) {
    auto w = W(owner_);
    return w && w->TooltipAddTool(controlId, text);
}

}  // namespace ui
