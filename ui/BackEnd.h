#pragma once
// What each back end (ui/sim, ui/win32) provides to the common dialog code. Program code
// does not use this header.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/Font.h"
#include "ui/Template.h"
#include "ui/Types.h"

namespace ui {
class Dialog;
}

namespace ui::detail {

// One dialog window and its controls. Item operations on an id the dialog does not have
// do nothing and read as empty (0, "", -1 for indexes).
class DialogWindow {
public:
    virtual ~DialogWindow() = default;

    virtual void SetTitle(const std::string& text) = 0;
    virtual std::string Title() const = 0;
    virtual void Show(bool show) = 0;
    virtual bool IsVisible() const = 0;
    virtual bool IsMinimised() const = 0;
    virtual void Move(const Rect& rect) = 0;
    virtual Rect ClientRect() const = 0;
    virtual void Invalidate() = 0;
    virtual void End(int result) = 0;
    virtual void Destroy() = 0;
    virtual void SetIcon(int resourceId) = 0;
    virtual bool AppendSystemMenuItem(unsigned command, const std::string& text) = 0;
    virtual bool SetTimer(int timerId, unsigned milliseconds) = 0;
    virtual void KillTimer(int timerId) = 0;
    virtual void SetFont(const Font& font) = 0;  // the dialog window itself
    // WM_SETFONT to every child window, first child then each next sibling.
    virtual void SetChildrenFont(const Font& font) = 0;

    virtual bool HasItem(int id) const = 0;
    virtual void SetItemText(int id, const std::string& text) = 0;
    virtual std::string ItemText(int id) const = 0;
    virtual void EnableItem(int id, bool enable) = 0;
    virtual bool IsItemEnabled(int id) const = 0;
    virtual void ShowItem(int id, bool show) = 0;
    virtual bool IsItemVisible(int id) const = 0;
    virtual void FocusItem(int id) = 0;
    virtual void SetItemFont(int id, const Font& font) = 0;
    virtual void RedrawItem(int id) = 0;
    virtual Rect ItemRect(int id) const = 0;  // in the dialog's client coordinates
    virtual void SetCheck(int id, int state) = 0;
    virtual int Check(int id) const = 0;

    virtual int ComboAdd(int id, const std::string& text) = 0;
    virtual int ComboInsert(int id, int index, const std::string& text) = 0;
    virtual void ComboReset(int id) = 0;
    virtual int ComboCount(int id) const = 0;
    virtual int ComboCurSel(int id) const = 0;
    virtual int ComboSetCurSel(int id, int index) = 0;
    virtual int ComboFind(int id, int start, const std::string& text, bool exact) const = 0;
    virtual int ComboItemText(int id, int index, std::string& text) const = 0;

    virtual void IpSet(int id, uint32_t address) = 0;
    virtual int IpGet(int id, uint32_t& address) const = 0;
    virtual bool IpBlank(int id) const = 0;
    virtual void IpClear(int id) = 0;

    virtual void ProgressRange(int id, int low, int high) = 0;
    virtual int ProgressSetPos(int id, int position) = 0;
    virtual int ProgressPos(int id) const = 0;

    virtual bool TooltipCreate() = 0;
    virtual void TooltipActivate(bool active) = 0;
    virtual void TooltipMaxWidth(int pixels) = 0;
    virtual bool TooltipAddTool(int controlId, const std::string& text) = 0;
};

class CanvasImpl {
public:
    virtual ~CanvasImpl() = default;
    virtual Rect ClientRect() const = 0;
    virtual void StretchBitmap(const Bitmap& bitmap, const Rect& target) = 0;
    virtual void TextCentred(const std::string& text, const Rect& area, const FontSpec& font,
                             Colour colour) = 0;
    virtual void Icon(int resourceId, int x, int y) = 0;
};

// Runs the dialog modally (init, the loop, end); the result of EndDialog or -1.
int RunModal(Dialog& dialog, Dialog* owner);
// Makes the modeless window; the dialog's HandleInit runs before it returns.
bool CreateModeless(Dialog& dialog, Dialog* parent);
std::unique_ptr<CanvasImpl> PaintCanvas(Dialog& dialog);
std::unique_ptr<CanvasImpl> ControlCanvas(Dialog& dialog, int controlId);
void* CreateFontHandle(const FontSpec& fontSpec);
void DeleteFontHandle(void* handle);
// Loads a bitmap file; nullptr on failure.
void* LoadBitmapHandle(const std::string& path, int& width, int& height);
void DeleteBitmapHandle(void* handle);
int MessageBoxAnswer(Dialog* owner, const std::string& text, const std::string& title, unsigned style);

}  // namespace ui::detail
