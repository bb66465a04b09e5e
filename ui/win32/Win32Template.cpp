#include "ui/win32/Win32Template.h"

#include <commctrl.h>

#include <string>

namespace ui::win32 {

namespace {

void Align(std::vector<WORD>& words) {
    if (words.size() % 2) words.push_back(0);
}

void PutDword(std::vector<WORD>& words, DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}

// Template texts are ANSI in the system code page, as a resource compiler would have
// read them.
void PutText(std::vector<WORD>& words, const std::string& text) {
    if (!text.empty()) {
        int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(n), L'\0');
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), wide.data(), n);
        for (wchar_t c : wide) words.push_back(static_cast<WORD>(c));
    }
    words.push_back(0);
}

void PutClass(std::vector<WORD>& words, ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::AutoCheckBox:
    case ControlKind::AutoRadioButton:
    case ControlKind::GroupBox:
        words.push_back(0xFFFF);
        words.push_back(0x0080);
        return;
    case ControlKind::Edit:
        words.push_back(0xFFFF);
        words.push_back(0x0081);
        return;
    case ControlKind::DropDownList:
        words.push_back(0xFFFF);
        words.push_back(0x0085);
        return;
    case ControlKind::IpAddress:
        PutText(words, WC_IPADDRESSA);
        return;
    case ControlKind::Progress:
        PutText(words, PROGRESS_CLASSA);
        return;
    default:
        words.push_back(0xFFFF);
        words.push_back(0x0082);
        return;
    }
}

}  // namespace

DWORD ControlStyle(const ControlTemplate& c) {
    DWORD style = WS_CHILD;
    if (!(c.style & kHidden)) style |= WS_VISIBLE;
    if (c.style & kDisabled) style |= WS_DISABLED;
    if (c.style & kGroup) style |= WS_GROUP;
    if (c.style & kTabStop) style |= WS_TABSTOP;
    if (c.style & kVScroll) style |= WS_VSCROLL;
    if (c.style & kBorder) style |= WS_BORDER;
    switch (c.kind) {
    case ControlKind::PushButton: style |= BS_PUSHBUTTON; break;
    case ControlKind::DefPushButton: style |= BS_DEFPUSHBUTTON; break;
    case ControlKind::AutoCheckBox: style |= BS_AUTOCHECKBOX; break;
    case ControlKind::AutoRadioButton: style |= BS_AUTORADIOBUTTON; break;
    case ControlKind::GroupBox: style |= BS_GROUPBOX; break;
    case ControlKind::Label: style |= SS_LEFT; break;
    case ControlKind::Frame: style |= SS_BLACKFRAME; break;
    case ControlKind::EtchedLine: style |= SS_ETCHEDHORZ; break;
    case ControlKind::Icon: style |= SS_ICON; break;
    case ControlKind::Edit:
        style |= ES_LEFT;
        if (c.style & kMultiLine) style |= ES_MULTILINE;
        if (c.style & kReadOnly) style |= ES_READONLY;
        if (c.style & kAutoVScroll) style |= ES_AUTOVSCROLL;
        else style |= ES_AUTOHSCROLL;
        break;
    case ControlKind::DropDownList:
        style |= CBS_DROPDOWNLIST;
        if (c.style & kSorted) style |= CBS_SORT;
        break;
    case ControlKind::IpAddress: break;
    case ControlKind::Progress: break;
    }
    if ((c.style & kNotify) && (c.kind == ControlKind::Label)) style |= SS_NOTIFY;
    return style;
}

DWORD DialogWindowStyle(const DialogTemplate& t) {
    DWORD style = DS_SETFONT | DS_3DLOOK;
    if (t.style & kChildPage) style |= WS_CHILD | DS_CONTROL;
    if (t.style & kPopup) style |= WS_POPUP;
    if (t.style & kCaption) style |= WS_CAPTION;
    if (t.style & kSysMenu) style |= WS_SYSMENU;
    if (t.style & kMinimizeBox) style |= WS_MINIMIZEBOX;
    if (t.style & kCentre) style |= DS_CENTER;
    if (t.style & kModalFrame) style |= DS_MODALFRAME;
    if (t.style & kVisible) style |= WS_VISIBLE;
    return style;
}

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& t) {
    std::vector<WORD> words;
    PutDword(words, DialogWindowStyle(t));
    PutDword(words, (t.style & kAppWindow) ? WS_EX_APPWINDOW : 0);
    words.push_back(static_cast<WORD>(t.controls.size()));
    words.push_back(0);
    words.push_back(0);
    words.push_back(static_cast<WORD>(t.width));
    words.push_back(static_cast<WORD>(t.height));
    words.push_back(0);  // no menu
    words.push_back(0);  // the dialog class
    PutText(words, t.caption);
    words.push_back(static_cast<WORD>(t.fontSize));
    PutText(words, t.fontFace);
    for (const ControlTemplate& c : t.controls) {
        Align(words);
        PutDword(words, ControlStyle(c));
        PutDword(words, 0);
        words.push_back(static_cast<WORD>(c.x));
        words.push_back(static_cast<WORD>(c.y));
        words.push_back(static_cast<WORD>(c.width));
        words.push_back(static_cast<WORD>(c.height));
        words.push_back(static_cast<WORD>(c.id));
        PutClass(words, c.kind);
        if (c.kind == ControlKind::Icon) {
            words.push_back(0xFFFF);
            words.push_back(static_cast<WORD>(std::stoi(c.text)));
        } else {
            PutText(words, c.text);
        }
        words.push_back(0);  // no creation data
    }
    return words;
}

}  // namespace ui::win32
