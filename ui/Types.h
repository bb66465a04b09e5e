#pragma once
// Plain values shared by the dialog framework and the programs: rectangles, colours,
// the command notifications the programs react to, message-box styles and answers.
// The numbers are Windows' own, so the win32 back end passes them through unchanged.
#include <cstdint>

namespace ui {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

// 0x00BBGGRR, as Windows keeps colours.
using Colour = uint32_t;
constexpr Colour Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

// Dialog results and message-box answers (IDOK ... IDNO).
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// Command notifications, as the control sends them with WM_COMMAND.
enum class Notify : uint16_t {
    Clicked = 0,       // BN_CLICKED
    SelChange = 1,     // CBN_SELCHANGE
    EditChange = 0x300,  // EN_CHANGE
};

// Message-box buttons and icons (MB_*), combined with |.
constexpr unsigned kMbOk = 0x0;
constexpr unsigned kMbOkCancel = 0x1;
constexpr unsigned kMbYesNoCancel = 0x3;
constexpr unsigned kMbYesNo = 0x4;
constexpr unsigned kMbRetryCancel = 0x5;
constexpr unsigned kMbIconError = 0x10;
constexpr unsigned kMbIconQuestion = 0x20;
constexpr unsigned kMbIconWarning = 0x30;
constexpr unsigned kMbIconInformation = 0x40;

// Combo-box answers.
constexpr int kComboError = -1;  // CB_ERR

// Button check states.
constexpr int kUnchecked = 0;
constexpr int kChecked = 1;
constexpr int kIndeterminate = 2;

// The system-menu commands Windows itself uses are at 0xF000 and above.
constexpr unsigned kSysCommandMask = 0xFFF0;

}  // namespace ui
