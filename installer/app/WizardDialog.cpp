#include "installer/app/WizardDialog.h"

#include "installer/app/AboutDialog.h"
#include "installer/app/LangText.h"
#include "installer/app/OsCodes.h"
#include "installer/app/ProcessObjects.h"
#include "installer/app/WizardRules.h"
#include "installer/app/WizardState.h"
#include "installer/config/SetupIni.h"
#include "installer/pages/ModePage.h"
#include "installer/pages/ModelPage.h"
#include "installer/pages/OsPage.h"
#include "installer/pages/PortPage.h"
#include "platform/Platform.h"
#include "ui/Canvas.h"
#include "ui/MessageBox.h"

WizardDialog::~WizardDialog() { SharedChineseFont().Delete(); }

void WizardDialog::AddPage(ui::Dialog* page, int templateId) {
    pages_.push_back(page);
    templateIds_.push_back(templateId);
}

ui::Dialog* WizardDialog::PageAt(int index) const {
    return index >= 0 && index < PageCount() ? pages_[index] : nullptr;
}

bool WizardDialog::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    AppendSystemMenuItem(kAboutCommand, MessageText("IDS_ABOUTBOX"));
    SetIcon(kIcon);
    if (ReadSetupInt("GDISTDSign") != 0) gdiStdSign = 1;
    if (chinese == 1) {
        SharedChineseFont().Create(ChineseFontSpec());
        ApplyFontToAll(SharedChineseFont());
    }

    if (!pages_.empty()) {
        ui::Rect area = Item(kPageArea).WindowRect();
        for (ui::Dialog* page : pages_) {
            page->Create(this);
            page->MoveWindow(area);
        }
        if (startAtLicence) {
            ShowPage(kLicencePage);
        } else {
            EnableItem(ui::kIdOk, true);
            ShowPage(kModelPage);
        }
    }

    LangText setup("Setup");
    SetItemText(kBack, setup.Read("Back"));
    SetItemText(ui::kIdOk, setup.Read(PageCount() > 1 ? "Next" : "Install"));
    SetItemText(ui::kIdCancel, setup.Read("Cancel"));

    if (!leftBitmap.LoadFromFile(ProgramFolderPrefix() + "DRVCONFIG\\Left.bmp")) {
        ui::ShowMessage(this, MessageText("IDS_ERR_NOLEFT"), Title());
        OnCancel();
        return false;
    }
    int osCode = DetectOsCode();
    if (osCode >= 2 && !IsUserAdmin()) {
        ui::ShowMessage(this, MessageText("IDS_ADMIN"), Title());
        OnCancel();
        return false;
    }
    return true;
}

void WizardDialog::ShowPage(int n) {
    if (ui::Dialog* current = PageAt(currentPage)) {
        if (!current->UpdateData(true)) return;
        current->ShowWindow(false);
    }
    ui::Dialog* next = PageAt(n);
    if (!next) return;
    if (currentPage == kModePage && n < kModePage) baudDefaultPending = 1;
    if (currentPage == kLicencePage) {
        ModelPage* models = Page<ModelPage>(kModelPage);
        EnableItem(ui::kIdOk, models && models->modelsAvailable != 0);
    }
    if (n > currentPage) {
        if (currentPage == kModelPage) {
            LeaveModelPage();
        } else if (currentPage == kOsPage && !LeaveOsPage()) {
            currentPage = n - 1;
            PageAt(currentPage)->ShowWindow(true);
            return;
        }
    }
    currentPage = n;
    next->ShowWindow(true);
}

void WizardDialog::LeaveModelPage() {
    ModelPage* models = Page<ModelPage>(kModelPage);
    if (!models) return;
    installSelection.printerType = models->printerType;
    PortSection section = PortSectionOf(models->printerType, models->modelName);
    portSectionFile = section.file;
    portSection = section.name;
    ModePage* mode = Page<ModePage>(kModePage);
    if (!mode) return;
    if (ReadPortInt(section, "AdvancedSetup") != 0) mode->EnableItem(ModePage::kAdvanced, true);
    else mode->ForceTypical();
}

bool WizardDialog::LeaveOsPage() {
    PortSection section{portSectionFile, portSection};
    if (baudDefaultPending) {
        if (PortPage* port = Page<PortPage>(kPortPage)) port->ApplyBaudDefault(ReadPortInt(section, "BaudRate"));
        baudDefaultPending = 0;
    }
    OsPage* os = Page<OsPage>(kOsPage);
    if (!os) return true;
    if (auto refusal = WindowsSupportRefusal(section, os->osCode)) {
        ui::ShowAppMessage(MessageText(*refusal));
        return false;
    }
    return true;
}

void WizardDialog::OnOK() {
    if (currentPage >= PageCount() - 1) return;  // Install: the install runs from here
    ShowPage(currentPage + 1);
    if (currentPage == PageCount() - 1) ArriveAtLastPage();
    EnableItem(kBack, true);
    FocusItem(ui::kIdOk);
}

void WizardDialog::ArriveAtLastPage() {
    if (ModelPage* models = Page<ModelPage>(kModelPage)) {
        installSelection.printerType = models->printerType;
        installSelection.modelName = models->modelName.substr(0, InstallSelection::kModelNameLimit);
        installSelection.setDefault = models->setDefault;
    }
    MakeIniPaths(installSelection.printerType);
    if (ModePage* mode = Page<ModePage>(kModePage)) typicalMode = mode->typicalMode;
    if (OsPage* os = Page<OsPage>(kOsPage)) installSelection.osCode = os->osCode;
    // The port list builder reads the mode from the page when it fills the list.
    if (PortPage* port = Page<PortPage>(kPortPage)) port->typicalMode = typicalMode;
    SetItemText(ui::kIdOk, LangText("Setup").Read("Install"));
}

void WizardDialog::OnBack() {
    if (currentPage > 0) {
        if (currentPage <= PageCount() - 1) SetItemText(ui::kIdOk, LangText("Setup").Read("Next"));
        ShowPage(currentPage - 1);
        if (!startAtLicence && currentPage == kModelPage) {
            EnableItem(kBack, false);
            FocusItem(ui::kIdOk);
        }
    }
    if (currentPage <= 0) {
        EnableItem(kBack, false);
        FocusItem(ui::kIdOk);
    }
    EnableItem(ui::kIdOk, true);
}

void WizardDialog::OnShowWindow(bool) {
    LangText setup("Setup");
    SetTitle(setup.Read("Caption"));
    SetItemText(kHelpHint, setup.Read("Help"));
}

void WizardDialog::OnPaint() {
    if (IsMinimised()) {
        ui::Canvas canvas = ui::Canvas::ForPaint(*this);
        ui::Rect rect = canvas.ClientRect();
        const int iconSize = 32;  // SM_CXICON, SM_CYICON
        canvas.Icon(kIcon, (rect.Width() - iconSize + 1) / 2, (rect.Height() - iconSize + 1) / 2);
        return;
    }
    ui::Canvas picture = ui::Canvas::ForControl(*this, kPicture);
    if (picture.IsValid() && leftBitmap.IsLoaded()) picture.StretchBitmap(leftBitmap, picture.ClientRect());
}

bool WizardDialog::OnSysCommand(unsigned command) {
    if ((command & ui::kSysCommandMask) != kAboutCommand) return false;
    AboutDialog about;
    about.DoModal(this);
    return true;
}

bool WizardDialog::OnHelp() {
    plat::Desktop& desktop = plat::os().DesktopWindows();
    helpWindow = desktop.FindTopLevelWindow(LangText("Help Guide").Read("Caption"));
    if (helpWindow) {
        desktop.BringToTop(helpWindow);
        desktop.RestoreFromIcon(helpWindow);
        return true;
    }
    // Relative to the current directory, which is the disc's folder when the installer
    // is started from it.
    std::string guide = std::string(".\\Guide\\") + (IsChineseSystem() ? "Guide_CN.chm" : "Guide_EN.chm");
    plat::os().Launcher().Execute("open", guide, "", "", plat::kShow);
    return true;
}

void WizardDialog::DestroyPages() {
    for (ui::Dialog* page : pages_) page->DestroyWindow();
}

void WizardDialog::MakeIniPaths(int printerType) {
    IniPaths paths = ::MakeIniPaths(printerType);
    installSelection.setupIniPath = paths.setupIniPath;
    installSelection.typeIniPath = paths.typeIniPath;
}

int WizardDialog::DetectOsCode() {
    bool knownPlatform = true;
    int code = ClassifyOsCode(plat::os().System().GetVersion(), NativeArchitecture(), &knownPlatform);
    if (!knownPlatform) ui::ShowAppMessage(MessageText("IDS_ERR_SYSTEM"));
    return code;
}

int WizardDialog::IsUserAdmin() { return plat::os().UserSecurity().TokenHasAdministrators() ? 1 : 0; }

std::span<const ui::CommandEntry> WizardDialog::CommandMap() const {
    static const ui::CommandEntry map[] = {
        ui::OnCommand(kBack, ui::Notify::Clicked, &WizardDialog::OnBack),
    };
    return map;
}
