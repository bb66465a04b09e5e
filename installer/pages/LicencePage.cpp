#include "installer/pages/LicencePage.h"

#include "installer/app/LangText.h"
#include "installer/app/ProcessObjects.h"
#include "installer/config/SetupIni.h"
#include "installer/pages/CEditEx.h"
#include "installer/pages/PageFont.h"
#include "platform/Platform.h"
#include "ui/MessageBox.h"

std::string LicenceFilePath() {
    return ProgramFolder() + "\\License" + (IsChineseSystem() ? "\\License_CN.txt" : "\\License_EN.txt");
}

void LicencePage::DoDataExchange(ui::DataExchange& dx) { dx.Control(kText, LicenceTextControl()); }

bool LicencePage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    LicenceTextControl().ApplyColours();
    CheckRadioButton(kAccept, kReject, kReject);
    if (loadLicence == 1) {
        std::string text;
        if (plat::os().FileSystem().ReadWholeFile(LicenceFilePath(), text) != 0) {
            ui::ShowMessage(this, MessageText("IDS_ERR_NOLICENSE"), ui::ApplicationName());
            if (Parent()) Parent()->OnCancel();
            return false;
        }
        // Shown as the bytes are: the Chinese file is already in the ANSI code page.
        LicenceTextControl().SetText(text);
    }
    ApplyChineseFont(*this, chinese);
    return true;
}

void LicencePage::OnShowWindow(bool) {
    LangText legal("Legal");
    SetItemText(kGroup, legal.Read("Agreement"));
    SetItemText(kAccept, legal.Read("Accept"));
    SetItemText(kReject, legal.Read("Reject"));
}

// Accepting enables the wizard's OK button, rejecting disables it; the choice itself
// lives only in the radio buttons.
void LicencePage::OnAccept() {
    if (ui::Dialog* wizard = ui::MainWindow()) wizard->EnableItem(ui::kIdOk, true);
}

void LicencePage::OnReject() {
    if (ui::Dialog* wizard = ui::MainWindow()) wizard->EnableItem(ui::kIdOk, false);
}

std::span<const ui::CommandEntry> LicencePage::CommandMap() const {
    static const ui::CommandEntry map[] = {
        ui::OnCommand(kAccept, ui::Notify::Clicked, &LicencePage::OnAccept),
        ui::OnCommand(kReject, ui::Notify::Clicked, &LicencePage::OnReject),
    };
    return map;
}
