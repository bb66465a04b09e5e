// The simulated user: clicks, list choices, keys and timers, and the readings of the
// screen that tests make.
#include <cstdio>

#include "ui/sim/SimDesktop.h"
#include "ui/sim/SimWindow.h"

namespace ui::sim {

namespace {

// The dialog and every dialog around it shown and not ended.
bool DialogReachable(const Dialog& dialog) {
    for (const Dialog* d = &dialog; d; d = d->Parent()) {
        SimWindow* w = WindowOf(*d);
        if (!w || !w->IsVisible() || w->Ended()) return false;
        if (w->IsModal() || !w->ParentDialog()) break;  // a top-level window
    }
    // A dialog under a modal one that it owns cannot be reached. The walk stops at the
    // dialog's own top-level window: a modal box is not below its own owner.
    for (SimWindow* w : Desktop::Current().Windows()) {
        if (!w->IsModal() || w->Ended() || !w->OwnerDialog()) continue;
        for (const Dialog* d = &dialog; d; d = d->Parent()) {
            SimWindow* own = WindowOf(*d);
            if (own == w) break;
            if (d == w->OwnerDialog()) return false;
            if (own && (own->IsModal() || !own->ParentDialog())) break;
        }
    }
    return true;
}

SimControl* Reachable(Dialog& dialog, int controlId) {
    SimWindow* w = WindowOf(dialog);
    if (!w || !DialogReachable(dialog)) return nullptr;
    SimControl* c = w->Find(controlId);
    if (!c || !c->visible || !c->enabled) return nullptr;
    return c;
}

bool ParseAddress(const std::string& text, uint32_t& address) {
    unsigned a, b, c, d;
    char extra;
    if (std::sscanf(text.c_str(), "%u.%u.%u.%u%c", &a, &b, &c, &d, &extra) != 4) return false;
    if (a > 255 || b > 255 || c > 255 || d > 255) return false;
    address = (a << 24) | (b << 16) | (c << 8) | d;
    return true;
}

}  // namespace

bool Click(Dialog& dialog, int controlId) {
    SimControl* c = Reachable(dialog, controlId);
    if (!c) return false;
    SimWindow* w = WindowOf(dialog);
    switch (c->kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
        break;
    case ControlKind::AutoCheckBox:
        c->check = c->check == kChecked ? kUnchecked : kChecked;
        break;
    case ControlKind::AutoRadioButton:
        for (SimControl* other : w->RadioGroup(controlId)) other->check = kUnchecked;
        c->check = kChecked;
        break;
    default:
        if (!(c->style & kNotify)) return false;
    }
    w->FocusItem(controlId);
    dialog.HandleCommand(controlId, Notify::Clicked);
    return true;
}

bool ChooseItem(Dialog& dialog, int comboId, int index) {
    SimControl* c = Reachable(dialog, comboId);
    if (!c || c->kind != ControlKind::DropDownList) return false;
    if (index < 0 || index >= static_cast<int>(c->items.size())) return false;
    c->selection = index;
    WindowOf(dialog)->FocusItem(comboId);
    dialog.HandleCommand(comboId, Notify::SelChange);
    return true;
}

bool ChooseItem(Dialog& dialog, int comboId, const std::string& text) {
    const SimControl* c = ControlOf(dialog, comboId);
    if (!c) return false;
    for (std::size_t i = 0; i < c->items.size(); ++i) {
        if (c->items[i] == text) return ChooseItem(dialog, comboId, static_cast<int>(i));
    }
    return false;
}

bool TypeText(Dialog& dialog, int controlId, const std::string& text) {
    SimControl* c = Reachable(dialog, controlId);
    if (!c) return false;
    if (c->kind == ControlKind::IpAddress) {
        uint32_t address = 0;
        if (!ParseAddress(text, address)) return false;
        c->address = address;
        c->addressBlank = false;
    } else if (c->kind == ControlKind::Edit && !(c->style & kReadOnly)) {
        c->text = text;
    } else {
        return false;
    }
    dialog.HandleCommand(controlId, Notify::EditChange);
    return true;
}

bool PressF1(Dialog& dialog) {
    if (!DialogReachable(dialog)) return false;
    for (Dialog* d = &dialog; d; d = d->Parent()) {
        if (d->HandleHelp()) return true;
        SimWindow* w = WindowOf(*d);
        if (!w || w->IsModal() || !w->ParentDialog()) break;
    }
    return true;
}

bool SystemCommand(Dialog& dialog, unsigned command) {
    if (!DialogReachable(dialog)) return false;
    if (dialog.HandleSysCommand(command)) return true;
    if ((command & kSysCommandMask) == 0xF060) dialog.HandleCommand(kIdCancel, Notify::Clicked);
    return true;
}

bool FireTimer(Dialog& dialog, int timerId) {
    SimWindow* w = WindowOf(dialog);
    if (!w || !w->HasTimer(timerId)) return false;
    dialog.HandleTimer(timerId);
    return true;
}

std::vector<PaintOp> Paint(Dialog& dialog) {
    SimWindow* w = WindowOf(dialog);
    if (!w) return {};
    w->PaintLog().clear();
    dialog.HandlePaint();
    return w->PaintLog();
}

const SimControl* ControlOf(const Dialog& dialog, int controlId) {
    SimWindow* w = WindowOf(dialog);
    return w ? w->Find(controlId) : nullptr;
}

bool IsShown(const Dialog& dialog, int controlId) {
    const SimControl* c = ControlOf(dialog, controlId);
    if (!c || !c->visible) return false;
    for (const Dialog* d = &dialog; d; d = d->Parent()) {
        SimWindow* w = WindowOf(*d);
        if (!w || !w->IsVisible()) return false;
        if (w->IsModal() || !w->ParentDialog()) break;
    }
    return true;
}

bool IsEnded(const Dialog& dialog) {
    SimWindow* w = WindowOf(dialog);
    return !w || w->Ended();
}

int FocusedId(const Dialog& dialog) { SimWindow* w = WindowOf(dialog); return w ? w->Focused() : 0; }
bool HasTimer(const Dialog& dialog, int timerId) { SimWindow* w = WindowOf(dialog); return w && w->HasTimer(timerId); }
bool IsOwnerDisabled(const Dialog& dialog) { SimWindow* w = WindowOf(dialog); return w && w->OwnerWasDisabled(); }
const FontSpec* DialogFont(const Dialog& dialog) { SimWindow* w = WindowOf(dialog); return w ? w->Font() : nullptr; }
int IconOf(const Dialog& dialog) { SimWindow* w = WindowOf(dialog); return w ? w->Icon() : 0; }

std::vector<std::pair<unsigned, std::string>> SystemMenuItems(const Dialog& dialog) {
    SimWindow* w = WindowOf(dialog);
    return w ? w->SystemMenu() : std::vector<std::pair<unsigned, std::string>>{};
}

TooltipState TooltipOf(const Dialog& dialog) {
    SimWindow* w = WindowOf(dialog);
    return w ? w->Tooltip() : TooltipState{};
}

Rect WindowRectOf(const Dialog& dialog) {
    SimWindow* w = WindowOf(dialog);
    return w ? w->WindowRect() : Rect{};
}

}  // namespace ui::sim
