#include "installer/app/SetupApp.h"

#include "installer/app/LangText.h"
#include "installer/app/StartupGate.h"
#include "installer/app/WizardDialog.h"
#include "installer/config/SetupIni.h"
#include "installer/engine/PortRegistration.h"
#include "installer/pages/LicencePage.h"
#include "installer/pages/ModePage.h"
#include "installer/pages/ModelPage.h"
#include "installer/pages/OsPage.h"
#include "installer/pages/PortPage.h"
#include "ui/MessageBox.h"

namespace {

// The port steps report their own failures ("ERROR" for a TCP/IP port) in a plain box.
void ShowPortMessage(const std::string& text, const std::string& title) {
    ui::ShowMessage(nullptr, text, title);
}

}  // namespace

bool SetupApp::InitInstance() {
    portMessageBox = ShowPortMessage;
    if (AnotherInstanceRunning(ui::ApplicationName())) return false;
    if (auto refusal = CheckEnvironment()) {
        ui::ShowAppMessage(LangText(refusal->section).Read(refusal->key));
        return false;
    }
    RunSetupWizard();
    return false;
}

void RunSetupWizard() {
    // Constructed after the gate: the model catalogues take the bitness it found.
    WizardDialog wizard;
    ui::SetMainWindow(&wizard);
    LicencePage licence;
    ModePage mode;
    OsPage os;
    ModelPage model;
    PortPage port;

    if (ReadSetupInt("LOADLICENSE") != 0) {
        wizard.startAtLicence = 1;
        licence.loadLicence = 1;
    }
    if (IsChineseSystem()) {
        wizard.chinese = licence.chinese = mode.chinese = os.chinese = model.chinese = port.chinese = 1;
    }
    wizard.AddPage(&licence, LicencePage::kTemplate);
    wizard.AddPage(&model, ModelPage::kTemplate);
    wizard.AddPage(&mode, ModePage::kTemplate);
    wizard.AddPage(&os, OsPage::kTemplate);
    wizard.AddPage(&port, PortPage::kTemplate);
    wizard.DoModal();
    ui::SetMainWindow(nullptr);
}
