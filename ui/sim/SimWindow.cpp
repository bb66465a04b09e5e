#include "ui/sim/SimWindow.h"

#include <algorithm>
#include <cstdio>

namespace ui::sim {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Windows compares list items without regard to case; an ASCII fold is enough for the
// programs' lists.
int CompareNoCase(const std::string& a, const std::string& b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(Lower(a[i]));
        unsigned char y = static_cast<unsigned char>(Lower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool StartsWithNoCase(const std::string& item, const std::string& prefix) {
    if (prefix.size() > item.size()) return false;
    return CompareNoCase(item.substr(0, prefix.size()), prefix) == 0;
}

bool IsButton(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::DefPushButton ||
           kind == ControlKind::AutoCheckBox || kind == ControlKind::AutoRadioButton;
}

}  // namespace

SimWindow::SimWindow(Dialog& dialog, const DialogTemplate& t, Dialog* parent, Dialog* owner, bool modal)
    : dialog_(dialog), parent_(parent), owner_(owner), modal_(modal), title_(t.caption) {
    rect_ = DialogUnitsToPixels(0, 0, t.width, t.height);
    for (const ControlTemplate& c : t.controls) {
        SimControl control;
        control.id = c.id;
        control.kind = c.kind;
        control.style = c.style;
        control.rect = DialogUnitsToPixels(c.x, c.y, c.width, c.height);
        control.text = c.kind == ControlKind::DropDownList ? "" : c.text;
        control.enabled = !(c.style & kDisabled);
        control.visible = !(c.style & kHidden);
        controls_.push_back(control);
    }
    // The list data of the template goes in as the dialog manager adds it: item by item,
    // in order, sorted where the box sorts.
    for (const ControlTemplate& c : t.controls) {
        for (const std::string& item : c.items) ComboAdd(c.id, item);
    }
    Desktop::Current().Add(this);
}

SimWindow::~SimWindow() { Destroy(); }

SimControl* SimWindow::Find(int id) {
    if (id == -1) return nullptr;
    for (SimControl& c : controls_) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

const SimControl* SimWindow::Find(int id) const { return const_cast<SimWindow*>(this)->Find(id); }

SimControl* SimWindow::Combo(int id) {
    SimControl* c = Find(id);
    return c && c->kind == ControlKind::DropDownList ? c : nullptr;
}

const SimControl* SimWindow::Combo(int id) const { return const_cast<SimWindow*>(this)->Combo(id); }

std::vector<SimControl*> SimWindow::RadioGroup(int id) {
    std::vector<SimControl*> group;
    std::size_t at = 0;
    while (at < controls_.size() && controls_[at].id != id) ++at;
    if (at == controls_.size()) return group;
    std::size_t first = at;
    while (first > 0 && !(controls_[first].style & kGroup)) --first;
    for (std::size_t i = first; i < controls_.size(); ++i) {
        if (i > first && (controls_[i].style & kGroup)) break;
        if (controls_[i].kind == ControlKind::AutoRadioButton) group.push_back(&controls_[i]);
    }
    return group;
}

void SimWindow::Show(bool show) {
    if (visible_ == show) return;
    visible_ = show;
    dialog_.HandleShow(show);
}

void SimWindow::End(int result) {
    ended_ = true;
    dialog_.SetModalResult(result);
    // EndDialog hides the dialog; a modal one is destroyed when its loop returns.
    Show(false);
}

void SimWindow::Destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    // Child windows go with their parent, as Windows destroys them.
    for (SimWindow* w : std::vector<SimWindow*>(Desktop::Current().Windows())) {
        if (w != this && w->parent_ == &dialog_) w->dialog_.DetachWindow();
    }
    if (Desktop::Current().onWindow) Desktop::Current().onWindow(dialog_, false);
    Desktop::Current().Remove(this);
}

bool SimWindow::AppendSystemMenuItem(unsigned command, const std::string& text) {
    if (dialog_.Template() && !(dialog_.Template()->style & kSysMenu)) return false;
    systemMenu_.emplace_back(command, text);
    return true;
}

bool SimWindow::SetTimer(int timerId, unsigned milliseconds) {
    timers_[timerId] = milliseconds;
    return true;
}

void SimWindow::SetFont(const ui::Font& font) {
    hasFont_ = true;
    font_ = font.Description();
}

void SimWindow::SetChildrenFont(const ui::Font& font) {
    for (SimControl& c : controls_) {
        c.hasFont = true;
        c.font = font.Description();
    }
    for (SimWindow* w : Desktop::Current().Windows()) {
        if (w->parent_ == &dialog_) w->SetFont(font);
    }
}

void SimWindow::SetItemText(int id, const std::string& text) {
    if (SimControl* c = Find(id)) {
        if (c->kind == ControlKind::DropDownList) return;  // a list without an edit field keeps its items
        c->text = text;
    }
}

std::string SimWindow::ItemText(int id) const {
    const SimControl* c = Find(id);
    if (!c) return "";
    if (c->kind == ControlKind::DropDownList) {
        return c->selection >= 0 ? c->items[static_cast<std::size_t>(c->selection)] : "";
    }
    if (c->kind == ControlKind::IpAddress) {
        char dotted[16];
        std::snprintf(dotted, sizeof(dotted), "%u.%u.%u.%u", (c->address >> 24) & 255u,
                      (c->address >> 16) & 255u, (c->address >> 8) & 255u, c->address & 255u);
        return dotted;
    }
    return c->text;
}

void SimWindow::EnableItem(int id, bool enable) { if (SimControl* c = Find(id)) c->enabled = enable; }
bool SimWindow::IsItemEnabled(int id) const { const SimControl* c = Find(id); return c && c->enabled; }
void SimWindow::ShowItem(int id, bool show) { if (SimControl* c = Find(id)) c->visible = show; }
bool SimWindow::IsItemVisible(int id) const { const SimControl* c = Find(id); return c && c->visible; }
void SimWindow::FocusItem(int id) { if (Find(id)) focus_ = id; }

void SimWindow::SetItemFont(int id, const ui::Font& font) {
    if (SimControl* c = Find(id)) {
        c->hasFont = true;
        c->font = font.Description();
        ++c->redraws;
    }
}

void SimWindow::RedrawItem(int id) { if (SimControl* c = Find(id)) ++c->redraws; }
Rect SimWindow::ItemRect(int id) const { const SimControl* c = Find(id); return c ? c->rect : Rect{}; }

void SimWindow::SetCheck(int id, int state) {
    SimControl* c = Find(id);
    if (c && IsButton(c->kind) && c->kind != ControlKind::PushButton && c->kind != ControlKind::DefPushButton) {
        c->check = state;
    }
}

int SimWindow::Check(int id) const { const SimControl* c = Find(id); return c ? c->check : 0; }

int SimWindow::ComboAdd(int id, const std::string& text) {
    SimControl* c = Combo(id);
    if (!c) return kComboError;
    std::size_t at = c->items.size();
    if (c->style & kSorted) {
        at = 0;
        while (at < c->items.size() && CompareNoCase(c->items[at], text) <= 0) ++at;
    }
    c->items.insert(c->items.begin() + static_cast<std::ptrdiff_t>(at), text);
    if (c->selection >= static_cast<int>(at)) ++c->selection;
    return static_cast<int>(at);
}

int SimWindow::ComboInsert(int id, int index, const std::string& text) {
    SimControl* c = Combo(id);
    if (!c) return kComboError;
    int count = static_cast<int>(c->items.size());
    if (index > count) return kComboError;
    if (index < 0) index = count;
    c->items.insert(c->items.begin() + index, text);
    if (c->selection >= index) ++c->selection;
    return index;
}

void SimWindow::ComboReset(int id) {
    if (SimControl* c = Combo(id)) {
        c->items.clear();
        c->selection = -1;
    }
}

int SimWindow::ComboCount(int id) const {
    const SimControl* c = Combo(id);
    return c ? static_cast<int>(c->items.size()) : kComboError;
}

int SimWindow::ComboCurSel(int id) const {
    const SimControl* c = Combo(id);
    return c ? c->selection : kComboError;
}

int SimWindow::ComboSetCurSel(int id, int index) {
    SimControl* c = Combo(id);
    if (!c) return kComboError;
    if (index < 0 || index >= static_cast<int>(c->items.size())) {
        c->selection = -1;
        return kComboError;
    }
    c->selection = index;
    return index;
}

int SimWindow::ComboFind(int id, int start, const std::string& text, bool exact) const {
    const SimControl* c = Combo(id);
    if (!c) return kComboError;
    int count = static_cast<int>(c->items.size());
    if (start < 0 || start >= count) start = -1;
    // The search begins after `start`, wraps round and ends with `start` itself.
    for (int step = 1; step <= count; ++step) {
        int i = (start + step) % count;
        const std::string& item = c->items[static_cast<std::size_t>(i)];
        if (exact ? CompareNoCase(item, text) == 0 : StartsWithNoCase(item, text)) return i;
    }
    return kComboError;
}

int SimWindow::ComboItemText(int id, int index, std::string& text) const {
    const SimControl* c = Combo(id);
    if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return kComboError;
    text = c->items[static_cast<std::size_t>(index)];
    return static_cast<int>(text.size());
}

void SimWindow::IpSet(int id, uint32_t address) {
    SimControl* c = Find(id);
    if (!c || c->kind != ControlKind::IpAddress) return;
    c->address = address;
    c->addressBlank = false;
}

int SimWindow::IpGet(int id, uint32_t& address) const {
    const SimControl* c = Find(id);
    if (!c || c->kind != ControlKind::IpAddress) return 0;
    address = c->address;
    return c->addressBlank ? 0 : 4;
}

bool SimWindow::IpBlank(int id) const {
    const SimControl* c = Find(id);
    return !c || c->kind != ControlKind::IpAddress || c->addressBlank;
}

void SimWindow::IpClear(int id) {
    SimControl* c = Find(id);
    if (!c || c->kind != ControlKind::IpAddress) return;
    c->address = 0;
    c->addressBlank = true;
}

void SimWindow::ProgressRange(int id, int low, int high) {
    SimControl* c = Find(id);
    if (!c || c->kind != ControlKind::Progress) return;
    c->rangeLow = low;
    c->rangeHigh = high;
}

int SimWindow::ProgressSetPos(int id, int position) {
    SimControl* c = Find(id);
    if (!c || c->kind != ControlKind::Progress) return 0;
    int previous = c->position;
    // The bar keeps its position inside its range.
    c->position = std::max(c->rangeLow, std::min(c->rangeHigh, position));
    c->positions.push_back(c->position);
    return previous;
}

int SimWindow::ProgressPos(int id) const {
    const SimControl* c = Find(id);
    return c && c->kind == ControlKind::Progress ? c->position : 0;
}

bool SimWindow::TooltipCreate() {
    tooltip_ = TooltipState{};
    tooltip_.created = true;
    return true;
}

bool SimWindow::TooltipAddTool(int controlId, const std::string& text) {
    if (!tooltip_.created || !Find(controlId)) return false;
    tooltip_.tools.emplace_back(controlId, text);
    return true;
}

SimWindow* WindowOf(const Dialog& dialog) { return dynamic_cast<SimWindow*>(dialog.Window()); }

}  // namespace ui::sim
