#pragma once
// Page 4, the last: the port and its serial settings, the network address and the
// raster-printing choice. The port list itself is built by the port list builder when
// the wizard arrives here; this page owns the serial lists and their handlers.
#include <span>
#include <string>

#include "installer/pages/LinkStatic.h"
#include "ui/Dialog.h"

class PortPage : public ui::Dialog {
public:
    static constexpr int kTemplate = 132;
    static constexpr int kPorts = 1049;
    static constexpr int kBaud = 1041;
    static constexpr int kByteSize = 1042;
    static constexpr int kParity = 1043;
    static constexpr int kStopBits = 1044;
    static constexpr int kFlow = 1045;
    static constexpr int kRaster = 1052;
    static constexpr int kNote = 1065;
    static constexpr int kIp = 1106;
    static constexpr int kTooltipString = 134;
    static constexpr std::size_t kPortNameLimit = 49;

    PortPage() : ui::Dialog(kTemplate) {}

    int chinese = 0;
    std::string portName;
    std::string lastListModel;
    int baudRate = 0;
    int byteSize = 0;
    double stopBits = 0;
    char parity = 0;
    char flowControl = 0;
    int typicalMode = 1;
    int raster = 0;

    ui::Tooltip tooltip;
    ui::IpAddress ipAddress;
    LinkStatic note;
    ui::ComboBox ports, baudList, byteSizeList, stopBitsList, parityList, flowList;

    bool OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnOK() override {}
    void OnCancel() override {}
    void DoDataExchange(ui::DataExchange& dx) override;
    std::span<const ui::CommandEntry> CommandMap() const override;

    // The package's default speed for the model: kept as read, shown as its list item.
    void ApplyBaudDefault(int baud);

    void OnBaud();
    void OnByteSize();
    void OnParity();
    void OnStopBits();
    void OnFlow();
};

// The install mode the port list was last built for.
extern int lastListMode;
