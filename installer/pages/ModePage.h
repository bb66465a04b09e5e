#pragma once
// Page 2: typical or advanced install, with notes that follow the choice.
#include <span>

#include "ui/Dialog.h"

class ModePage : public ui::Dialog {
public:
    static constexpr int kTemplate = 137;
    static constexpr int kGroup = 1103;
    static constexpr int kTypical = 1066;
    static constexpr int kAdvanced = 1067;
    static constexpr int kNote1 = 1068;
    static constexpr int kNote2 = 1069;
    static constexpr int kNote3 = 1070;
    static constexpr int kRemarks = 1104;

    ModePage() : ui::Dialog(kTemplate) {}

    int chinese = 0;
    int typicalMode = 1;  // 1 typical, 0 advanced

    bool OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnOK() override {}
    void OnCancel() override {}
    void DoDataExchange(ui::DataExchange& dx) override;
    std::span<const ui::CommandEntry> CommandMap() const override;

    void OnTypical();
    void OnAdvanced();
    // The package allows only the typical install for the chosen model.
    void ForceTypical();

private:
    ui::Button typicalRadio_;
};
