#include "ui/win32/Win32Window.h"

#include <commctrl.h>

#include <vector>

#include "ui/win32/Win32Template.h"

namespace ui::win32 {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

Win32Window* WindowOf(const Dialog& dialog) { return dynamic_cast<Win32Window*>(dialog.Window()); }

Win32Window::Win32Window(HWND hwnd, Dialog& dialog, bool modal) : hwnd_(hwnd), dialog_(dialog), modal_(modal) {}

Win32Window::~Win32Window() {
    for (auto& [id, brush] : brushes_) DeleteObject(brush.second);
    if (tooltip_ && IsWindow(tooltip_)) ::DestroyWindow(tooltip_);
    if (bigIcon_) DestroyIcon(bigIcon_);
    if (smallIcon_) DestroyIcon(smallIcon_);
}

HBRUSH Win32Window::BrushFor(int id, COLORREF colour) {
    auto it = brushes_.find(id);
    if (it != brushes_.end() && it->second.first == colour) return it->second.second;
    if (it != brushes_.end()) DeleteObject(it->second.second);
    HBRUSH brush = CreateSolidBrush(colour);
    brushes_[id] = {colour, brush};
    return brush;
}

std::string Win32Window::Title() const {
    int n = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    n = GetWindowTextA(hwnd_, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(n));
    return text;
}

void Win32Window::Move(const Rect& r) {
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Win32Window::ClientRect() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32Window::End(int result) {
    if (modal_) ::EndDialog(hwnd_, result);
    else ::ShowWindow(hwnd_, SW_HIDE);
}

void Win32Window::Destroy() {
    if (destroying) return;
    destroying = true;
    if (IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
}

void Win32Window::SetIcon(int resourceId) {
    if (bigIcon_) DestroyIcon(bigIcon_);
    if (smallIcon_) DestroyIcon(smallIcon_);
    bigIcon_ = static_cast<HICON>(LoadImageA(Instance(), MAKEINTRESOURCEA(resourceId), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    smallIcon_ = static_cast<HICON>(LoadImageA(Instance(), MAKEINTRESOURCEA(resourceId), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

bool Win32Window::AppendSystemMenuItem(unsigned command, const std::string& text) {
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    if (!menu) return false;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    return AppendMenuA(menu, MF_STRING, command, text.c_str()) != FALSE;
}

bool Win32Window::SetTimer(int timerId, unsigned milliseconds) {
    return ::SetTimer(hwnd_, static_cast<UINT_PTR>(timerId), milliseconds, nullptr) != 0;
}

void Win32Window::SetFont(const Font& font) {
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font.Handle()), TRUE);
}

void Win32Window::SetChildrenFont(const Font& font) {
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.Handle()), TRUE);
    }
}

void Win32Window::SetItemText(int id, const std::string& text) { SetDlgItemTextA(hwnd_, id, text.c_str()); }

std::string Win32Window::ItemText(int id) const {
    HWND item = ItemHandle(id);
    if (!item) return "";
    int n = GetWindowTextLengthA(item);
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    n = GetWindowTextA(item, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return text;
}

void Win32Window::EnableItem(int id, bool enable) { if (HWND h = ItemHandle(id)) EnableWindow(h, enable); }
bool Win32Window::IsItemEnabled(int id) const { HWND h = ItemHandle(id); return h && IsWindowEnabled(h); }
void Win32Window::ShowItem(int id, bool show) { if (HWND h = ItemHandle(id)) ::ShowWindow(h, show ? SW_SHOW : SW_HIDE); }

// The control's own visible style, as Windows keeps it for a control of a hidden page.
bool Win32Window::IsItemVisible(int id) const {
    HWND h = ItemHandle(id);
    return h && (GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE);
}

void Win32Window::FocusItem(int id) {
    if (HWND h = ItemHandle(id)) SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(h), TRUE);
}

void Win32Window::SetItemFont(int id, const Font& font) {
    Send(id, WM_SETFONT, reinterpret_cast<WPARAM>(font.Handle()), TRUE);
}

void Win32Window::RedrawItem(int id) {
    if (HWND h = ItemHandle(id)) RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

Rect Win32Window::ItemRect(int id) const {
    HWND h = ItemHandle(id);
    if (!h) return Rect{};
    RECT r{};
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32Window::SetCheck(int id, int state) { Send(id, BM_SETCHECK, static_cast<WPARAM>(state)); }
int Win32Window::Check(int id) const { return static_cast<int>(Send(id, BM_GETCHECK)); }

int Win32Window::ComboAdd(int id, const std::string& text) {
    return static_cast<int>(Send(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}
int Win32Window::ComboInsert(int id, int index, const std::string& text) {
    return static_cast<int>(Send(id, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}
void Win32Window::ComboReset(int id) { Send(id, CB_RESETCONTENT); }
int Win32Window::ComboCount(int id) const { return HasItem(id) ? static_cast<int>(Send(id, CB_GETCOUNT)) : kComboError; }
int Win32Window::ComboCurSel(int id) const { return HasItem(id) ? static_cast<int>(Send(id, CB_GETCURSEL)) : kComboError; }
int Win32Window::ComboSetCurSel(int id, int index) {
    return HasItem(id) ? static_cast<int>(Send(id, CB_SETCURSEL, static_cast<WPARAM>(index))) : kComboError;
}
int Win32Window::ComboFind(int id, int start, const std::string& text, bool exact) const {
    if (!HasItem(id)) return kComboError;
    return static_cast<int>(Send(id, exact ? CB_FINDSTRINGEXACT : CB_FINDSTRING, static_cast<WPARAM>(start),
                                 reinterpret_cast<LPARAM>(text.c_str())));
}
int Win32Window::ComboItemText(int id, int index, std::string& text) const {
    if (!HasItem(id)) return kComboError;
    LRESULT n = Send(id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (n == CB_ERR) return kComboError;
    std::vector<char> buffer(static_cast<std::size_t>(n) + 1, '\0');
    n = Send(id, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    if (n == CB_ERR) return kComboError;
    text.assign(buffer.data(), static_cast<std::size_t>(n));
    return static_cast<int>(n);
}

void Win32Window::IpSet(int id, uint32_t address) { Send(id, IPM_SETADDRESS, 0, static_cast<LPARAM>(address)); }
int Win32Window::IpGet(int id, uint32_t& address) const {
    DWORD value = 0;
    int filled = HasItem(id) ? static_cast<int>(Send(id, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&value))) : 0;
    address = value;
    return filled;
}
bool Win32Window::IpBlank(int id) const { return !HasItem(id) || Send(id, IPM_ISBLANK) != 0; }
void Win32Window::IpClear(int id) { Send(id, IPM_CLEARADDRESS); }

void Win32Window::ProgressRange(int id, int low, int high) { Send(id, PBM_SETRANGE, 0, MAKELPARAM(low, high)); }
int Win32Window::ProgressSetPos(int id, int position) { return static_cast<int>(Send(id, PBM_SETPOS, static_cast<WPARAM>(position))); }
int Win32Window::ProgressPos(int id) const { return static_cast<int>(Send(id, PBM_GETPOS)); }

bool Win32Window::TooltipCreate() {
    if (tooltip_) ::DestroyWindow(tooltip_);
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                               Instance(), nullptr);
    return tooltip_ != nullptr;
}

void Win32Window::TooltipActivate(bool active) {
    if (tooltip_) SendMessageA(tooltip_, TTM_ACTIVATE, active, 0);
}

void Win32Window::TooltipMaxWidth(int pixels) {
    if (tooltip_) SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, pixels);
}

bool Win32Window::TooltipAddTool(int controlId, const std::string& text) {
    HWND control = ItemHandle(controlId);
    if (!tooltip_ || !control || toolCount_ >= 8) return false;
    // The tooltip keeps a pointer to the text; it lives as long as this window.
    std::string& kept = toolTexts_[toolCount_++];
    kept = text;
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.hinst = Instance();
    info.lpszText = kept.data();
    return SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

}  // namespace ui::win32
