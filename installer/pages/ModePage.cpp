#include "installer/pages/ModePage.h"

#include "installer/app/LangText.h"
#include "installer/app/ProcessObjects.h"
#include "installer/pages/PageFont.h"

void ModePage::DoDataExchange(ui::DataExchange& dx) { dx.Control(kTypical, typicalRadio_); }

bool ModePage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    typicalMode = 1;
    CheckRadioButton(kTypical, kAdvanced, kTypical);
    SetItemText(kNote1, LangText("Mode").Read("Note1"));
    ApplyChineseFont(*this, chinese);
    return true;
}

void ModePage::OnTypical() {
    SetItemText(kNote1, LangText("Mode").Read("Note1"));
    ShowItem(kNote2, false);
    ShowItem(kNote3, false);
    typicalMode = 1;
}

void ModePage::OnAdvanced() {
    LangText mode("Mode");
    SetItemText(kNote1, mode.Read("Note2"));
    SetItemText(kNote2, mode.Read("Note3"));
    ShowItem(kNote2, true);
    ShowItem(kNote3, false);
    typicalMode = 0;
}

void ModePage::ForceTypical() {
    EnableItem(kAdvanced, false);
    CheckRadioButton(kTypical, kAdvanced, kTypical);
    SetItemText(kNote1, MessageText("IDS_TYPICAL_NOTES"));
    ShowItem(kNote2, false);
    ShowItem(kNote3, false);
    typicalMode = 1;
}

void ModePage::OnShowWindow(bool) {
    LangText mode("Mode");
    SetItemText(kGroup, mode.Read("Type"));
    SetItemText(kTypical, mode.Read("Typical"));
    SetItemText(kAdvanced, mode.Read("Advanced"));
    SetItemText(kRemarks, mode.Read("Remarks"));
}

std::span<const ui::CommandEntry> ModePage::CommandMap() const {
    static const ui::CommandEntry map[] = {
        ui::OnCommand(kTypical, ui::Notify::Clicked, &ModePage::OnTypical),
        ui::OnCommand(kAdvanced, ui::Notify::Clicked, &ModePage::OnAdvanced),
    };
    return map;
}
