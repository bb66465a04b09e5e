#include "ui/Dialog.h"

#include "ui/BackEnd.h"

namespace ui {

namespace {
Dialog* mainWindow = nullptr;
}

void SetMainWindow(Dialog* dialog) { mainWindow = dialog; }
Dialog* MainWindow() { return mainWindow; }

Dialog::Dialog(int templateId) : templateId_(templateId) {}

Dialog::~Dialog() {
    if (mainWindow == this) mainWindow = nullptr;
    DestroyWindow();
}

const DialogTemplate* Dialog::Template() const { return FindDialogTemplate(templateId_); }

int Dialog::DoModal(Dialog* owner) {
    if (!Template() || window_) return -1;
    if (!owner && mainWindow != this) owner = mainWindow;
    return detail::RunModal(*this, owner);
}

bool Dialog::Create(Dialog* parent) {
    if (!Template() || window_) return false;
    return detail::CreateModeless(*this, parent);
}

void Dialog::EndDialog(int result) {
    modalResult_ = result;
    if (window_) window_->End(result);
}

void Dialog::DestroyWindow() {
    if (window_) window_->Destroy();
    window_.reset();
}

void Dialog::AttachWindow(std::unique_ptr<detail::DialogWindow> window) { window_ = std::move(window); }
void Dialog::DetachWindow() { window_.reset(); }

bool Dialog::UpdateData(bool save) {
    if (!window_) return false;
    DataExchange dx(*this, save);
    DoDataExchange(dx);
    return !dx.Failed();
}

void Dialog::SetTitle(const std::string& text) { if (window_) window_->SetTitle(text); }
std::string Dialog::Title() const { return window_ ? window_->Title() : std::string(); }
void Dialog::ShowWindow(bool show) { if (window_) window_->Show(show); }
bool Dialog::IsVisible() const { return window_ && window_->IsVisible(); }
bool Dialog::IsMinimised() const { return window_ && window_->IsMinimised(); }
void Dialog::MoveWindow(const Rect& rect) { if (window_) window_->Move(rect); }
Rect Dialog::ClientRect() const { return window_ ? window_->ClientRect() : Rect{}; }
void Dialog::Invalidate() { if (window_) window_->Invalidate(); }

void Dialog::SetIcon(int resourceId) {
    iconId_ = resourceId;
    if (window_) window_->SetIcon(resourceId);
}

bool Dialog::AppendSystemMenuItem(unsigned command, const std::string& text) {
    return window_ && window_->AppendSystemMenuItem(command, text);
}

bool Dialog::SetTimer(int timerId, unsigned milliseconds) {
    return window_ && window_->SetTimer(timerId, milliseconds);
}

void Dialog::KillTimer(int timerId) { if (window_) window_->KillTimer(timerId); }

void Dialog::ApplyFontToAll(const Font& font) {
    if (!window_ || !font.IsCreated()) return;
    window_->SetFont(font);
    window_->SetChildrenFont(font);
}

bool Dialog::HasItem(int id) const { return window_ && window_->HasItem(id); }

void Dialog::CheckRadioButton(int first, int last, int id) {
    if (!window_) return;
    for (int button = first; button <= last; ++button) {
        if (window_->HasItem(button)) window_->SetCheck(button, button == id ? kChecked : kUnchecked);
    }
}

int Dialog::IsButtonChecked(int id) const { return window_ ? window_->Check(id) : 0; }
void Dialog::CheckButton(int id, int state) { if (window_) window_->SetCheck(id, state); }

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::OnOK() {
    if (!UpdateData(true)) return;
    EndDialog(kIdOk);
}

void Dialog::OnCancel() { EndDialog(kIdCancel); }

bool Dialog::HandleInit() { return OnInitDialog(); }

void Dialog::HandleCommand(int id, Notify code) {
    for (const CommandEntry& entry : CommandMap()) {
        if (entry.id == id && entry.code == code) {
            (this->*entry.handler)();
            return;
        }
    }
    if (code != Notify::Clicked) return;
    if (id == kIdOk) OnOK();
    else if (id == kIdCancel) OnCancel();
}

bool Dialog::HandleHelp() { return OnHelp(); }

Dialog::ItemColours* Dialog::ColoursOf(int id) {
    for (ItemColours& c : colours_) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

Dialog::ItemColours& Dialog::ColoursFor(int id) {
    if (ItemColours* c = ColoursOf(id)) return *c;
    colours_.push_back(ItemColours{id});
    return colours_.back();
}

}  // namespace ui
