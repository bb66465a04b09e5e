#include "installer/pages/PortPage.h"

#include <cstdlib>

#include "installer/app/LangText.h"
#include "installer/config/SetupIni.h"
#include "installer/pages/PageFont.h"
#include "installer/pages/PortPageRules.h"

int lastListMode = 1;

namespace {

std::string SelectedText(const ui::ComboBox& list) {
    std::string text;
    if (list.ItemText(list.CurSel(), text) == ui::kComboError) return "";
    return text.substr(0, kListTextLimit);
}

}  // namespace

void PortPage::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(kIp, ipAddress);
    dx.Control(kNote, note);
    dx.Control(kPorts, ports);
    dx.Control(kBaud, baudList);
    dx.Control(kByteSize, byteSizeList);
    dx.Control(kStopBits, stopBitsList);
    dx.Control(kParity, parityList);
    dx.Control(kFlow, flowList);
    dx.Check(kRaster, raster);
}

bool PortPage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    ApplyChineseFont(*this, chinese);

    LangText confirm("Confirm");
    for (const char* key : {"Parity.Even", "Parity.Mark", "Parity.None", "Parity.Odd", "Parity.Space"})
        parityList.AddString(confirm.Read(key));
    ports.SetCurSel(0);
    byteSizeList.SetCurSel(3);
    stopBitsList.SetCurSel(0);
    parityList.SetCurSel(2);
    for (const char* key : {"Protocol.None", "Protocol.Xonoff", "Protocol.Hardware"})
        flowList.AddString(confirm.Read(key));
    flowList.SetCurSel(2);

    stopBits = 1.0;
    byteSize = 8;
    parity = 'n';
    flowControl = 'p';

    tooltip.Create(*this);
    tooltip.Activate(true);
    tooltip.SetMaxTipWidth(200);
    tooltip.AddTool(kRaster, ui::ResourceString(kTooltipString));

    note.SetTextColour(ui::Rgb(0, 0, 255));
    note.SetBackColour(ui::Rgb(255, 202, 253));
    note.SetFontHeight(14);
    note.SetFontFace("Arial");

    lastListModel = "PRINTER";
    typicalMode = 1;
    lastListMode = 1;
    return true;
}

void PortPage::ApplyBaudDefault(int baud) {
    baudRate = baud;
    baudList.SetCurSel(BaudListIndex(baud));
}

void PortPage::OnBaud() { baudRate = CAtoi(SelectedText(baudList)); }
void PortPage::OnByteSize() { byteSize = CAtoi(SelectedText(byteSizeList)); }
void PortPage::OnStopBits() { stopBits = std::atof(SelectedText(stopBitsList).c_str()); }
void PortPage::OnParity() { parity = ParityOfItem(parityList.CurSel(), parity); }
void PortPage::OnFlow() { flowControl = FlowControlOfItem(flowList.CurSel(), flowControl); }

void PortPage::OnShowWindow(bool) {
    LangText confirm("Confirm");
    const std::pair<int, const char*> texts[] = {
        {1095, "Set"},      {1096, "Ports"},    {1097, "Com"},      {1098, "BaudRate"}, {1099, "Parity"},
        {1100, "ByteSize"}, {1101, "StopBits"}, {1102, "Protocol"}, {kRaster, "Raster"},
    };
    for (const auto& [id, key] : texts) SetItemText(id, confirm.Read(key));
}

std::span<const ui::CommandEntry> PortPage::CommandMap() const {
    static const ui::CommandEntry map[] = {
        ui::OnCommand(kBaud, ui::Notify::SelChange, &PortPage::OnBaud),
        ui::OnCommand(kByteSize, ui::Notify::SelChange, &PortPage::OnByteSize),
        ui::OnCommand(kParity, ui::Notify::SelChange, &PortPage::OnParity),
        ui::OnCommand(kStopBits, ui::Notify::SelChange, &PortPage::OnStopBits),
        ui::OnCommand(kFlow, ui::Notify::SelChange, &PortPage::OnFlow),
    };
    return map;
}
