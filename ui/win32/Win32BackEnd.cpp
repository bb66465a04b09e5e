// The win32 back end's half of the framework: the dialog procedure that turns window
// messages into the dialog's handlers, modal and modeless dialogs from our templates,
// fonts, bitmaps, painting and message boxes.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "resources/dialogs/Strings.h"
#include "ui/BackEnd.h"
#include "ui/Dialog.h"
#include "ui/win32/Win32Template.h"
#include "ui/win32/Win32Window.h"

namespace ui::detail {

using win32::Instance;
using win32::Win32Window;

namespace {

void InitControls() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_INTERNET_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES |
                                                      ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    done = true;
}

Dialog* DialogOf(HWND hwnd) { return reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER)); }

INT_PTR Answer(HWND hwnd, LRESULT result) {
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR ColourAnswer(Dialog& dialog, HDC dc, HWND control, UINT message) {
    Win32Window* window = win32::WindowOf(dialog);
    Dialog::ItemColours* colours = dialog.ColoursOf(GetDlgCtrlID(control));
    if (!window || !colours) return FALSE;
    if (colours->hasText) SetTextColor(dc, colours->text);
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) SetBkMode(dc, TRANSPARENT);
    COLORREF back = colours->hasBack ? colours->back
                    : GetSysColor(message == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE);
    SetBkColor(dc, back);
    return reinterpret_cast<INT_PTR>(window->BrushFor(GetDlgCtrlID(control), back));
}

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(l);
        SetWindowLongPtrA(hwnd, DWLP_USER, l);
        bool modal = !(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) && dialog->ModalResult() == -2;
        dialog->SetModalResult(0);
        dialog->AttachWindow(std::make_unique<Win32Window>(hwnd, *dialog, modal));
        // The template's list data, as the class library's dialog init data adds it.
        for (const ControlTemplate& c : dialog->Template()->controls) {
            for (const std::string& item : c.items) {
                SendDlgItemMessageA(hwnd, c.id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
            }
        }
        return dialog->HandleInit() ? TRUE : FALSE;
    }
    Dialog* dialog = DialogOf(hwnd);
    if (!dialog || !dialog->Window()) return FALSE;
    switch (message) {
    case WM_COMMAND:
        dialog->HandleCommand(LOWORD(w), static_cast<Notify>(HIWORD(w)));
        return TRUE;
    case WM_SHOWWINDOW:
        if (l == 0) dialog->HandleShow(w != 0);
        return FALSE;
    case WM_TIMER:
        dialog->HandleTimer(static_cast<int>(w));
        return TRUE;
    case WM_PAINT: {
        Win32Window* window = win32::WindowOf(*dialog);
        window->paintedItself = false;
        dialog->HandlePaint();
        return window->paintedItself ? TRUE : FALSE;
    }
    case WM_SYSCOMMAND:
        if (dialog->HandleSysCommand(static_cast<unsigned>(w))) return Answer(hwnd, 0);
        return FALSE;
    case WM_HELP:
        if (dialog->HandleHelp()) return Answer(hwnd, TRUE);
        return FALSE;
    case WM_QUERYDRAGICON:
        if (dialog->IconId()) {
            return reinterpret_cast<INT_PTR>(LoadIconA(Instance(), MAKEINTRESOURCEA(dialog->IconId())));
        }
        return FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return ColourAnswer(*dialog, reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l), message);
    case WM_NCDESTROY: {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        Win32Window* window = win32::WindowOf(*dialog);
        if (window && !window->destroying) dialog->DetachWindow();
        return FALSE;
    }
    default:
        return FALSE;
    }
}

class Win32Canvas : public CanvasImpl {
public:
    Win32Canvas(HWND target, bool paint) : target_(target), paint_(paint) {
        if (paint_) {
            dc_ = BeginPaint(target_, &ps_);
        } else {
            dc_ = GetDC(target_);
        }
    }
    ~Win32Canvas() override {
        if (paint_) EndPaint(target_, &ps_);
        else ReleaseDC(target_, dc_);
    }
    Rect ClientRect() const override {
        RECT r{};
        GetClientRect(target_, &r);
        return Rect{r.left, r.top, r.right, r.bottom};
    }
    void StretchBitmap(const Bitmap& bitmap, const Rect& t) override {
        HDC memory = CreateCompatibleDC(dc_);
        HGDIOBJ old = SelectObject(memory, static_cast<HBITMAP>(bitmap.Handle()));
        SetStretchBltMode(dc_, COLORONCOLOR);
        StretchBlt(dc_, t.left, t.top, t.Width(), t.Height(), memory, 0, 0, bitmap.Width(), bitmap.Height(), SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    void TextCentred(const std::string& text, const Rect& area, const FontSpec& f, Colour colour) override {
        HFONT font = CreateFontA(f.height, f.width, 0, 0, f.weight, f.italic, f.underline, f.strikeOut,
                                 static_cast<DWORD>(f.charSet), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, static_cast<DWORD>(f.pitchAndFamily), f.face.c_str());
        HGDIOBJ old = SelectObject(dc_, font);
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, colour);
        RECT r{area.left, area.top, area.right, area.bottom};
        DrawTextA(dc_, text.c_str(), -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        SelectObject(dc_, old);
        DeleteObject(font);
    }
    void Icon(int resourceId, int x, int y) override {
        DrawIcon(dc_, x, y, LoadIconA(Instance(), MAKEINTRESOURCEA(resourceId)));
    }

private:
    HWND target_;
    bool paint_;
    HDC dc_ = nullptr;
    PAINTSTRUCT ps_{};
};

}  // namespace

int RunModal(Dialog& dialog, Dialog* owner) {
    InitControls();
    std::vector<WORD> words = win32::BuildDialogTemplate(*dialog.Template());
    Win32Window* ownerWindow = owner ? win32::WindowOf(*owner) : nullptr;
    dialog.SetParentForBackEnd(owner);
    dialog.SetModalResult(-2);  // marks the window that WM_INITDIALOG makes as modal
    INT_PTR result = DialogBoxIndirectParamA(Instance(), reinterpret_cast<LPCDLGTEMPLATEA>(words.data()),
                                             ownerWindow ? ownerWindow->Handle() : nullptr, DialogProc,
                                             reinterpret_cast<LPARAM>(&dialog));
    dialog.DetachWindow();
    return static_cast<int>(result);
}

bool CreateModeless(Dialog& dialog, Dialog* parent) {
    InitControls();
    std::vector<WORD> words = win32::BuildDialogTemplate(*dialog.Template());
    Win32Window* parentWindow = parent ? win32::WindowOf(*parent) : nullptr;
    dialog.SetParentForBackEnd(parent);
    dialog.SetModalResult(0);
    HWND hwnd = CreateDialogIndirectParamA(Instance(), reinterpret_cast<LPCDLGTEMPLATEA>(words.data()),
                                           parentWindow ? parentWindow->Handle() : nullptr, DialogProc,
                                           reinterpret_cast<LPARAM>(&dialog));
    return hwnd != nullptr;
}

std::unique_ptr<CanvasImpl> PaintCanvas(Dialog& dialog) {
    Win32Window* w = win32::WindowOf(dialog);
    if (!w) return nullptr;
    w->paintedItself = true;
    return std::make_unique<Win32Canvas>(w->Handle(), true);
}

std::unique_ptr<CanvasImpl> ControlCanvas(Dialog& dialog, int controlId) {
    Win32Window* w = win32::WindowOf(dialog);
    HWND control = w ? w->ItemHandle(controlId) : nullptr;
    if (!control) return nullptr;
    return std::make_unique<Win32Canvas>(control, false);
}

void* CreateFontHandle(const FontSpec& f) {
    return CreateFontA(f.height, f.width, 0, 0, f.weight, f.italic, f.underline, f.strikeOut,
                       static_cast<DWORD>(f.charSet), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       static_cast<DWORD>(f.pitchAndFamily), f.face.c_str());
}

void DeleteFontHandle(void* handle) { DeleteObject(static_cast<HFONT>(handle)); }

void* LoadBitmapHandle(const std::string& path, int& width, int& height) {
    HANDLE bitmap = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    if (!bitmap) return nullptr;
    BITMAP info{};
    GetObjectA(bitmap, sizeof(info), &info);
    width = info.bmWidth;
    height = info.bmHeight;
    return bitmap;
}

void DeleteBitmapHandle(void* handle) { DeleteObject(static_cast<HBITMAP>(handle)); }

int MessageBoxAnswer(Dialog* owner, const std::string& text, const std::string& title, unsigned style) {
    Win32Window* w = owner ? win32::WindowOf(*owner) : nullptr;
    return MessageBoxA(w ? w->Handle() : nullptr, text.c_str(), title.c_str(), style);
}

}  // namespace ui::detail

ui::Colour ui::SystemColour(int index) { return GetSysColor(index); }

// The UTF-8 text in the ANSI code page, as LoadStringA converts a string resource.
std::string ui::ResourceString(int id) {
    const StringResource* s = FindStringResource(id);
    if (!s) return "";
    int n = MultiByteToWideChar(CP_UTF8, 0, s->utf8, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s->utf8, -1, wide.data(), n);
    int m = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(m), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), m, nullptr, nullptr);
    if (!ansi.empty() && ansi.back() == '\0') ansi.pop_back();
    return ansi;
}
