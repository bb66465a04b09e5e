#pragma once
// A dialog window of the simulated machine: the dialog's controls in memory, built from
// its template, keeping Windows' rules for the states the programs depend on.
#include <map>
#include <string>
#include <vector>

#include "ui/BackEnd.h"
#include "ui/sim/SimDesktop.h"

namespace ui::sim {

class SimWindow : public detail::DialogWindow {
public:
    SimWindow(Dialog& dialog, const DialogTemplate& dialogTemplate, Dialog* parent, Dialog* owner, bool modal);
    ~SimWindow() override;

    Dialog& Owner() { return dialog_; }
    const Dialog& Owner() const { return dialog_; }
    Dialog* ParentDialog() const { return parent_; }
    Dialog* OwnerDialog() const { return owner_; }
    bool IsModal() const { return modal_; }
    bool Ended() const { return ended_; }
    SimControl* Find(int id);
    const SimControl* Find(int id) const;
    std::vector<SimControl>& Controls() { return controls_; }
    // The controls of the group of an auto radio button (WS_GROUP to the next WS_GROUP).
    std::vector<SimControl*> RadioGroup(int id);

    void SetTitle(const std::string& text) override { title_ = text; }
    std::string Title() const override { return title_; }
    void Show(bool show) override;
    bool IsVisible() const override { return visible_; }
    bool IsMinimised() const override { return false; }
    void Move(const Rect& rect) override { rect_ = rect; }
    Rect ClientRect() const override { return Rect{0, 0, rect_.Width(), rect_.Height()}; }
    Rect WindowRect() const { return rect_; }
    void Invalidate() override {}
    void End(int result) override;
    void Destroy() override;
    void SetIcon(int resourceId) override { icon_ = resourceId; }
    bool AppendSystemMenuItem(unsigned command, const std::string& text) override;
    bool SetTimer(int timerId, unsigned milliseconds) override;
    void KillTimer(int timerId) override { timers_.erase(timerId); }
    void SetFont(const Font& font) override;
    void SetChildrenFont(const Font& font) override;

    bool HasItem(int id) const override { return Find(id) != nullptr; }
    void SetItemText(int id, const std::string& text) override;
    std::string ItemText(int id) const override;
    void EnableItem(int id, bool enable) override;
    bool IsItemEnabled(int id) const override;
    void ShowItem(int id, bool show) override;
    bool IsItemVisible(int id) const override;
    void FocusItem(int id) override;
    void SetItemFont(int id, const Font& font) override;
    void RedrawItem(int id) override;
    Rect ItemRect(int id) const override;
    void SetCheck(int id, int state) override;
    int Check(int id) const override;

    int ComboAdd(int id, const std::string& text) override;
    int ComboInsert(int id, int index, const std::string& text) override;
    void ComboReset(int id) override;
    int ComboCount(int id) const override;
    int ComboCurSel(int id) const override;
    int ComboSetCurSel(int id, int index) override;
    int ComboFind(int id, int start, const std::string& text, bool exact) const override;
    int ComboItemText(int id, int index, std::string& text) const override;

    void IpSet(int id, uint32_t address) override;
    int IpGet(int id, uint32_t& address) const override;
    bool IpBlank(int id) const override;
    void IpClear(int id) override;

    void ProgressRange(int id, int low, int high) override;
    int ProgressSetPos(int id, int position) override;
    int ProgressPos(int id) const override;

    bool TooltipCreate() override;
    void TooltipActivate(bool active) override { tooltip_.active = active; }
    void TooltipMaxWidth(int pixels) override { tooltip_.maxWidth = pixels; }
    bool TooltipAddTool(int controlId, const std::string& text) override;

    int Focused() const { return focus_; }
    bool HasTimer(int timerId) const { return timers_.count(timerId) != 0; }
    const FontSpec* Font() const { return hasFont_ ? &font_ : nullptr; }
    int Icon() const { return icon_; }
    const std::vector<std::pair<unsigned, std::string>>& SystemMenu() const { return systemMenu_; }
    const TooltipState& Tooltip() const { return tooltip_; }
    std::vector<PaintOp>& PaintLog() { return paintLog_; }
    bool OwnerWasDisabled() const { return ownerDisabled_; }
    void SetOwnerDisabled(bool disabled) { ownerDisabled_ = disabled; }

private:
    SimControl* Combo(int id);
    const SimControl* Combo(int id) const;

    Dialog& dialog_;
    Dialog* parent_;
    Dialog* owner_;
    bool modal_;
    std::string title_;
    Rect rect_;
    bool visible_ = false;
    bool ended_ = false;
    bool destroyed_ = false;
    std::vector<SimControl> controls_;
    std::map<int, unsigned> timers_;
    std::vector<std::pair<unsigned, std::string>> systemMenu_;
    int icon_ = 0;
    bool hasFont_ = false;
    FontSpec font_;
    int focus_ = 0;
    TooltipState tooltip_;
    std::vector<PaintOp> paintLog_;
    bool ownerDisabled_ = false;
};

// The sim window of a dialog, or nullptr when it has none.
SimWindow* WindowOf(const Dialog& dialog);

}  // namespace ui::sim
