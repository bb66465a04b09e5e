// The dialog templates of drvsetup: the wizard frame, its five pages, the About box and
// the progress window. The English texts here are what a template shows before the
// program puts the language file's texts in.
#include "ui/Template.h"

namespace {

using ui::ControlKind;
using namespace ui;  // the style flags

constexpr uint32_t kPage = kChildPage;

DialogTemplate AboutBox() {
    return {100, 223, 55, "About Printer Driver Setup", "System", 10,
            kPopup | kCaption | kSysMenu | kModalFrame | kCentre,
            {
                {-1, ControlKind::Icon, 7, 11, 21, 20, "128"},
                {1091, ControlKind::Label, 40, 10, 120, 16, "Printer Driver Setup, version 1.0"},
                {1092, ControlKind::Label, 40, 27, 176, 20, "Copyright (C)"},
                {kIdOk, ControlKind::DefPushButton, 166, 7, 50, 14, "OK", kGroup | kTabStop},
            }};
}

DialogTemplate Wizard() {
    return {102, 296, 182, "Printer Driver Setup", "System", 10,
            kPopup | kCaption | kSysMenu | kMinimizeBox | kCentre | kAppWindow,
            {
                {1087, ControlKind::Frame, 7, 5, 83, 158, ""},
                {1001, ControlKind::Label, 96, 1, 193, 158, "", kHidden},
                {-1, ControlKind::EtchedLine, 100, 162, 189, 1, ""},
                {1093, ControlKind::Label, 4, 172, 103, 8, "Press F1 for help"},
                {1002, ControlKind::PushButton, 112, 166, 50, 14, "< Back", kDisabled | kGroup | kTabStop},
                {kIdOk, ControlKind::DefPushButton, 168, 166, 50, 14, "Next >", kDisabled | kTabStop},
                {kIdCancel, ControlKind::PushButton, 224, 166, 50, 14, "Cancel", kTabStop},
            }};
}

DialogTemplate OsPage() {
    return {130, 200, 162, "", "System", 10, kPage,
            {
                {1094, ControlKind::GroupBox, 7, 5, 186, 150, "Windows version"},
                {1028, ControlKind::AutoRadioButton, 37, 12, 100, 10, "Windows 2000", kTabStop},
                {1029, ControlKind::AutoRadioButton, 37, 33, 100, 10, "Windows XP"},
                {1075, ControlKind::AutoRadioButton, 37, 54, 100, 10, "Windows Server 2003 "},
                {1076, ControlKind::AutoRadioButton, 37, 75, 100, 10, "Windows Vista"},
                {1077, ControlKind::AutoRadioButton, 37, 96, 100, 10, "Windows Server 2008"},
                {1078, ControlKind::AutoRadioButton, 37, 117, 100, 10, "Windows 7"},
                {1079, ControlKind::AutoRadioButton, 37, 138, 100, 10, "Windows 8"},
                {1026, ControlKind::AutoRadioButton, 125, 85, 66, 10, "Windows 98/Me", kHidden},
                {1027, ControlKind::AutoRadioButton, 119, 46, 66, 10, "Windows NT", kHidden},
            }};
}

DialogTemplate ModelPage() {
    const uint32_t list = kVScroll | kTabStop;
    return {131, 200, 162, "", "System", 10, kPage,
            {
                {1094, ControlKind::GroupBox, 7, 4, 186, 136, ""},
                {1019, ControlKind::AutoRadioButton, 12, 27, 50, 10, "", kGroup | kTabStop},
                {1020, ControlKind::AutoRadioButton, 13, 55, 50, 10, ""},
                {1021, ControlKind::AutoRadioButton, 14, 83, 50, 10, ""},
                {1073, ControlKind::AutoRadioButton, 15, 111, 50, 10, ""},
                {1030, ControlKind::DropDownList, 73, 25, 110, 89, "", list | kGroup},
                {1031, ControlKind::DropDownList, 74, 53, 110, 81, "", list},
                {1032, ControlKind::DropDownList, 74, 81, 110, 78, "", list},
                {1074, ControlKind::DropDownList, 74, 109, 110, 108, "", list},
                {1046, ControlKind::AutoCheckBox, 7, 149, 144, 10, "", kGroup | kTabStop},
            }};
}

DialogTemplate PortPage() {
    const uint32_t list = kVScroll | kTabStop;
    return {132, 207, 162, "", "System", 10, kPage,
            {
                {1095, ControlKind::GroupBox, 4, 4, 189, 95, "Set Printer Port"},
                {1096, ControlKind::Label, 10, 15, 32, 8, "Ports:"},
                {1049, ControlKind::DropDownList, 64, 13, 126, 74, "", list | kSorted | kGroup},
                {1097, ControlKind::GroupBox, 6, 27, 185, 55, "COM port setting"},
                {1098, ControlKind::Label, 10, 38, 52, 8, "Baud Rate:"},
                {1041, ControlKind::DropDownList, 64, 36, 38, 98, "", list,
                 {"110", "300", "1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"}},
                {1099, ControlKind::Label, 104, 38, 51, 8, "Parity:"},
                {1043, ControlKind::DropDownList, 157, 36, 33, 82, "", list},
                {1100, ControlKind::Label, 10, 53, 52, 8, "Byte Size:"},
                {1042, ControlKind::DropDownList, 64, 51, 38, 68, "", list, {"5", "6", "7", "8"}},
                {1101, ControlKind::Label, 104, 53, 51, 8, "Stop Bits:"},
                {1044, ControlKind::DropDownList, 157, 51, 33, 55, "", list, {"1", "1.5", "2"}},
                {1102, ControlKind::Label, 10, 68, 52, 8, "Protocol:"},
                {1045, ControlKind::DropDownList, 64, 66, 93, 70, "", list},
                {1103, ControlKind::Label, 10, 86, 52, 8, "IP:"},
                {1106, ControlKind::IpAddress, 64, 85, 92, 11, "", kTabStop},
                {1052, ControlKind::AutoCheckBox, 4, 101, 92, 8, "Raster Graphic Printing",
                 kDisabled | kGroup | kTabStop},
                {1105, ControlKind::Label, 6, 110, 198, 19, "", kHidden},
                {1065, ControlKind::Label, 6, 141, 198, 17, "", kHidden},
            }};
}

DialogTemplate LicencePage() {
    return {133, 197, 162, "", "System", 10, kPage,
            {
                {1090, ControlKind::GroupBox, 6, 4, 183, 151, "License Agreement"},
                {1081, ControlKind::Edit, 9, 13, 179, 121, "",
                 kMultiLine | kReadOnly | kVScroll | kBorder | kAutoVScroll | kTabStop},
                {1057, ControlKind::AutoRadioButton, 34, 140, 54, 10, "Accept", kGroup | kTabStop},
                {1058, ControlKind::AutoRadioButton, 109, 140, 52, 10, "Reject"},
            }};
}

DialogTemplate ModePage() {
    return {137, 197, 162, "", "System", 10, kPage,
            {
                {1103, ControlKind::GroupBox, 7, 7, 183, 147, "Install mode"},
                {1066, ControlKind::AutoRadioButton, 38, 27, 46, 10, "Typical", kGroup | kTabStop},
                {1067, ControlKind::AutoRadioButton, 38, 55, 46, 10, "Advanced"},
                {-1, ControlKind::EtchedLine, 16, 79, 160, 1, ""},
                {1104, ControlKind::Label, 16, 89, 40, 8, "Notes:"},
                {1068, ControlKind::Label, 32, 100, 149, 8, ""},
                {1069, ControlKind::Label, 32, 116, 137, 8, "", kHidden},
                {1070, ControlKind::Label, 32, 133, 135, 8, "", kHidden},
            }};
}

DialogTemplate ProgressWindow() {
    return {141, 220, 46, "", "System", 10, kPopup | kModalFrame | kCentre,
            {
                {1079, ControlKind::Progress, 7, 28, 206, 12, "", kBorder},
            }};
}

}  // namespace

const std::vector<ui::DialogTemplate>& InstallerDialogTemplates() {
    static const std::vector<ui::DialogTemplate> all = {
        AboutBox(), Wizard(), OsPage(), ModelPage(), PortPage(), LicencePage(), ModePage(), ProgressWindow(),
    };
    return all;
}
