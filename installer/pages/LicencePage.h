#pragma once
// Page 0: the package's licence text in a read-only box, with accept and reject.
#include <span>

#include "ui/Dialog.h"

class LicencePage : public ui::Dialog {
public:
    static constexpr int kTemplate = 133;
    static constexpr int kText = 1081;
    static constexpr int kAccept = 1057;
    static constexpr int kReject = 1058;
    static constexpr int kGroup = 1090;

    LicencePage() : ui::Dialog(kTemplate) {}

    int loadLicence = 0;
    int chinese = 0;

    bool OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnOK() override {}
    void OnCancel() override {}
    void DoDataExchange(ui::DataExchange& dx) override;
    std::span<const ui::CommandEntry> CommandMap() const override;

    void OnAccept();
    void OnReject();
};

// License\License_CN.txt for a Chinese system language, else License\License_EN.txt,
// in the program's folder.
std::string LicenceFilePath();
