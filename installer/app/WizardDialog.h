#pragma once
// The installer's main window: a frame around the five pages, shown one at a time in
// its page area, with Back, OK (Next / Install) and Cancel, the package's side
// picture, an About box on the system menu and the help file on F1.
#include <span>
#include <string>
#include <vector>

#include "installer/app/InstallSelection.h"
#include "installer/config/ModelCatalogue.h"
#include "platform/Desktop.h"
#include "ui/Dialog.h"
#include "ui/Font.h"

class WizardDialog : public ui::Dialog {
public:
    static constexpr int kTemplate = 102;
    static constexpr int kPageArea = 1001;
    static constexpr int kBack = 1002;
    static constexpr int kPicture = 1087;
    static constexpr int kHelpHint = 1093;
    static constexpr int kIcon = 128;
    static constexpr unsigned kAboutCommand = 16;

    // Page indexes, the order start-up registers them in.
    static constexpr int kLicencePage = 0;
    static constexpr int kModelPage = 1;
    static constexpr int kModePage = 2;
    static constexpr int kOsPage = 3;
    static constexpr int kPortPage = 4;

    WizardDialog() : ui::Dialog(kTemplate) {}
    ~WizardDialog() override;

    int startAtLicence = 0;
    int chinese = 0;
    int currentPage = -1;
    InstallSelection installSelection;
    ModelCatalogue catalogue;
    ui::Bitmap leftBitmap;
    plat::WindowRef helpWindow = 0;
    // The type INI's "BaudRate" is applied the next time the wizard moves from the OS
    // page to the port page.
    int baudDefaultPending = 1;
    std::string portSection;
    std::string portSectionFile;

    void AddPage(ui::Dialog* page, int templateId);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    ui::Dialog* PageAt(int index) const;
    virtual void ShowPage(int n);
    void DestroyPages();
    void MakeIniPaths(int printerType);

    static int DetectOsCode();
    static int IsUserAdmin();

    bool OnInitDialog() override;
    void OnOK() override;
    void OnBack();
    void OnShowWindow(bool show) override;
    void OnPaint() override;
    bool OnSysCommand(unsigned command) override;
    bool OnHelp() override;
    std::span<const ui::CommandEntry> CommandMap() const override;

private:
    template <class P>
    P* Page(int index) const { return dynamic_cast<P*>(PageAt(index)); }
    void LeaveModelPage();
    // false when the model does not support the detected Windows.
    bool LeaveOsPage();
    void ArriveAtLastPage();

    std::vector<ui::Dialog*> pages_;
    std::vector<int> templateIds_;
};
