#pragma once
// A real dialog window behind a ui::Dialog.
#include <windows.h>

#include <map>
#include <string>

#include "ui/BackEnd.h"
#include "ui/Dialog.h"

namespace ui::win32 {

class Win32Window : public detail::DialogWindow {
public:
    Win32Window(HWND hwnd, Dialog& dialog, bool modal);
    ~Win32Window() override;

    HWND Handle() const { return hwnd_; }
    HWND ItemHandle(int id) const { return GetDlgItem(hwnd_, id); }
    bool IsModal() const { return modal_; }
    bool destroying = false;
    bool paintedItself = false;
    // The brush a coloured control answers its colour query with.
    HBRUSH BrushFor(int id, COLORREF colour);

    void SetTitle(const std::string& text) override { SetWindowTextA(hwnd_, text.c_str()); }
    std::string Title() const override;
    void Show(bool show) override { ::ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE); }
    bool IsVisible() const override { return IsWindowVisible(hwnd_) != FALSE; }
    bool IsMinimised() const override { return IsIconic(hwnd_) != FALSE; }
    void Move(const Rect& rect) override;
    Rect ClientRect() const override;
    void Invalidate() override { InvalidateRect(hwnd_, nullptr, TRUE); }
    void End(int result) override;
    void Destroy() override;
    void SetIcon(int resourceId) override;
    bool AppendSystemMenuItem(unsigned command, const std::string& text) override;
    bool SetTimer(int timerId, unsigned milliseconds) override;
    void KillTimer(int timerId) override { ::KillTimer(hwnd_, static_cast<UINT_PTR>(timerId)); }
    void SetFont(const Font& font) override;
    void SetChildrenFont(const Font& font) override;

    bool HasItem(int id) const override { return ItemHandle(id) != nullptr; }
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
    void TooltipActivate(bool active) override;
    void TooltipMaxWidth(int pixels) override;
    bool TooltipAddTool(int controlId, const std::string& text) override;

private:
    LRESULT Send(int id, UINT message, WPARAM w = 0, LPARAM l = 0) const {
        return SendDlgItemMessageA(hwnd_, id, message, w, l);
    }

    HWND hwnd_;
    Dialog& dialog_;
    bool modal_;
    HWND tooltip_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    std::map<int, std::pair<COLORREF, HBRUSH>> brushes_;
    std::string toolTexts_[8];
    int toolCount_ = 0;
};

Win32Window* WindowOf(const Dialog& dialog);
HINSTANCE Instance();

}  // namespace ui::win32
