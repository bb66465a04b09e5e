#pragma once
// Page 3: the Windows version the driver is installed for. The page detects it itself;
// the matching radio is checked and every other one disabled, so the user only confirms.
#include "ui/Dialog.h"

class OsPage : public ui::Dialog {
public:
    static constexpr int kTemplate = 130;
    static constexpr int kGroup = 1094;
    static constexpr int kWindows2000 = 1028;

    OsPage() : ui::Dialog(kTemplate) {}

    int chinese = 0;
    int osCode = 0;  // 0..7 once initialised

    bool OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnOK() override {}
    void OnCancel() override {}
};
