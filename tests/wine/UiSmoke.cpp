// A test program of the dialog framework on real windows: the wizard frame (template
// 102) with the five page templates in its page area, OK moving to the next page, Back
// asking a question in a message box, F1 and the system menu reporting in the hint line.
// Arguments: "zh" applies the Chinese dialog font; "title TEXT" gives the window that
// title (a stand-in for another program's window).
#include <string>

#include "ui/Dialog.h"
#include "ui/MessageBox.h"

namespace {

const int kPages[] = {133, 131, 137, 130, 132};

class Page : public ui::Dialog {
public:
    explicit Page(int templateId) : ui::Dialog(templateId) {}
    const ui::Font* font = nullptr;
    bool OnInitDialog() override {
        ui::Dialog::OnInitDialog();
        if (font) ApplyFontToAll(*font);
        if (TemplateId() == 132) {
            for (const char* p : {"Even", "Mark", "None", "Odd", "Space"}) Combo(1043).AddString(p);
            for (const char* f : {"None", "Xon/Xoff", "Hardware"}) Combo(1045).AddString(f);
            for (const char* port : {"USB_T-80_1", "LPT1:", "KQCOM2:", "KQCOM1:", "NET:"}) Combo(1049).AddString(port);
            Combo(1049).SetCurSel(0);
            Combo(1041).SetCurSel(5);
            Combo(1042).SetCurSel(3);
            Combo(1044).SetCurSel(0);
            Combo(1043).SetCurSel(2);
            Combo(1045).SetCurSel(2);
            ui::Control note = Item(1065);
            note.SetTextColour(ui::Rgb(0, 0, 255));
            note.SetBackColour(ui::Rgb(255, 202, 253));
            note.SetText("A coloured note");
            note.Show(true);
            tooltip.Create(*this);
            tooltip.Activate(true);
            tooltip.SetMaxTipWidth(200);
            tooltip.AddTool(1052, ui::ResourceString(134));
        }
        if (TemplateId() == 131) {
            for (int id : {1030, 1031, 1032, 1074}) Combo(id).AddString("Model " + std::to_string(id));
            Combo(1030).SetCurSel(0);
            CheckRadioButton(1019, 1073, 1019);
            for (auto [id, text] : {std::pair{1094, "Printer type and model"}, {1019, "Receipt"}, {1020, "Ticket"},
                                    {1021, "Label"}, {1073, "Embedded"}, {1046, "Set as the default printer"}}) {
                SetItemText(id, text);
            }
        }
        if (TemplateId() == 133) {
            SetItemText(1081, "License text.\r\nSecond line.");
            CheckRadioButton(1057, 1058, 1058);
        }
        return true;
    }
    void OnOK() override {}
    void OnCancel() override {}
    ui::Tooltip tooltip;
};

class About : public ui::Dialog {
public:
    About() : ui::Dialog(100) {}
};

class Frame : public ui::Dialog {
public:
    Frame() : ui::Dialog(102) {}
    Page pages[5] = {Page(133), Page(131), Page(137), Page(130), Page(132)};
    int current = 0;
    ui::Font font;
    bool chinese = false;
    std::string title = "UI smoke";

    bool OnInitDialog() override {
        ui::Dialog::OnInitDialog();
        AppendSystemMenuItem(16, "&About...");
        if (chinese) {
            font.Create({13, 0, ui::kWeightNormal, false, false, false, ui::kGb2312CharSet, ui::kFamilySwiss,
                         "\xCB\xCE\xCC\xE5"});
            ApplyFontToAll(font);
        }
        ui::Rect area = Item(1001).WindowRect();
        for (Page& page : pages) {
            if (chinese) page.font = &font;
            page.Create(this);
            page.MoveWindow(area);
        }
        pages[0].ShowWindow(true);
        EnableItem(1, true);
        EnableItem(1002, true);
        SetTitle(title);
        return true;
    }
    void OnOK() override {
        pages[current].ShowWindow(false);
        current = (current + 1) % 5;
        pages[current].ShowWindow(true);
        SetItemText(1093, "page " + std::to_string(kPages[current]));
    }
    void OnBack() {
        int answer = ui::ShowMessage(this, "Go back?", Title(), ui::kMbOkCancel | ui::kMbIconQuestion);
        SetItemText(1093, answer == ui::kIdOk ? "answered OK" : "answered Cancel");
    }
    bool OnHelp() override {
        SetItemText(1093, "help pressed");
        return true;
    }
    bool OnSysCommand(unsigned command) override {
        if ((command & ui::kSysCommandMask) != 16) return false;
        About about;
        SetItemText(1093, "about " + std::to_string(about.DoModal(this)));
        return true;
    }
    std::span<const ui::CommandEntry> CommandMap() const override {
        static const ui::CommandEntry map[] = {ui::OnCommand(1002, ui::Notify::Clicked, &Frame::OnBack)};
        return map;
    }
};

}  // namespace

int main(int argc, char** argv) {
    Frame frame;
    frame.chinese = argc > 1 && std::string(argv[1]) == "zh";
    if (argc > 2 && std::string(argv[1]) == "title") frame.title = argv[2];
    return frame.DoModal() == ui::kIdCancel ? 0 : 1;
}
