#pragma once
// Dialog templates as data. Both back ends build their dialogs from these records: the
// win32 back end makes an in-memory dialog template for the dialog manager, the sim
// back end its in-memory control tree. Positions and sizes are dialog units.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/Types.h"

namespace ui {

enum class ControlKind {
    PushButton,
    DefPushButton,
    AutoCheckBox,
    AutoRadioButton,
    GroupBox,
    Label,        // static text, left aligned
    Frame,        // static black frame (a picture area)
    EtchedLine,   // static etched horizontal line
    Icon,         // static icon; the text is the icon's resource id in decimal
    Edit,
    DropDownList, // combo box with a drop-down list and no edit field
    IpAddress,
    Progress,
};

// Control styles beyond the kind (combined with |).
enum ControlStyle : uint32_t {
    kHidden = 1u << 0,       // no WS_VISIBLE
    kDisabled = 1u << 1,     // WS_DISABLED
    kGroup = 1u << 2,        // WS_GROUP
    kTabStop = 1u << 3,      // WS_TABSTOP
    kSorted = 1u << 4,       // CBS_SORT
    kVScroll = 1u << 5,      // WS_VSCROLL
    kMultiLine = 1u << 6,    // ES_MULTILINE
    kReadOnly = 1u << 7,     // ES_READONLY
    kAutoVScroll = 1u << 8,  // ES_AUTOVSCROLL
    kBorder = 1u << 9,       // WS_BORDER
    kNotify = 1u << 10,      // SS_NOTIFY
};

struct ControlTemplate {
    ControlTemplate(int id_, ControlKind kind_, int x_, int y_, int width_, int height_, std::string text_,
                    uint32_t style_ = 0, std::vector<std::string> items_ = {})
        : id(id_), kind(kind_), x(x_), y(y_), width(width_), height(height_), text(std::move(text_)),
          style(style_), items(std::move(items_)) {}
    int id = -1;  // -1: a control the program never addresses (IDC_STATIC)
    ControlKind kind = ControlKind::Label;
    int x = 0, y = 0, width = 0, height = 0;
    std::string text;
    uint32_t style = 0;
    std::vector<std::string> items;  // initial list data of a combo box, in order
};

enum DialogStyle : uint32_t {
    kChildPage = 1u << 0,   // WS_CHILD | DS_CONTROL: a page inside another dialog
    kPopup = 1u << 1,       // WS_POPUP
    kCaption = 1u << 2,     // WS_CAPTION
    kSysMenu = 1u << 3,     // WS_SYSMENU
    kMinimizeBox = 1u << 4, // WS_MINIMIZEBOX
    kCentre = 1u << 5,      // DS_CENTER
    kAppWindow = 1u << 6,   // WS_EX_APPWINDOW: shown in the taskbar
    kModalFrame = 1u << 7,  // DS_MODALFRAME
    kVisible = 1u << 8,     // WS_VISIBLE: a modeless dialog shows when made
};

struct DialogTemplate {
    int id = 0;
    int width = 0, height = 0;
    std::string caption;
    std::string fontFace = "System";
    int fontSize = 10;
    uint32_t style = 0;
    std::vector<ControlTemplate> controls;  // in creation (tab) order

    const ControlTemplate* Find(int controlId) const;
};

// The templates of the programs (resources/dialogs); nullptr for an unknown id.
const DialogTemplate* FindDialogTemplate(int id);

// String resources (the program's string table); "" for an unknown id. The text comes in
// the ANSI code page of the machine, as LoadStringA gives it.
std::string ResourceString(int id);

}  // namespace ui
