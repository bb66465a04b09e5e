#pragma once
// drvsetup on a simulated machine with the sample package on drive D:, driven through
// the simulated screen. A test changes the machine or the package first, then starts
// the installer and acts inside the wizard's modal loop.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "installer/app/LangText.h"
#include "installer/app/SetupApp.h"
#include "installer/app/WizardDialog.h"
#include "installer/config/SetupIni.h"
#include "installer/pages/LicencePage.h"
#include "installer/pages/ModePage.h"
#include "installer/pages/ModelPage.h"
#include "installer/pages/OsPage.h"
#include "installer/pages/PortPage.h"
#include "platform/sim/SimMachine.h"
#include "ui/sim/SimDesktop.h"

class WizardFixture : public ::testing::Test {
protected:
    void SetUp() override {
        machine = std::make_unique<plat::sim::SimMachine>();
        machine->Disk().MapDrive('D', SAMPLE_PACKAGE_DIR);
        machine->Identity().programPath = "D:\\drvsetup.exe";
        plat::InstallPlatform(machine.get());
        is64BitWindows = false;
        Screen().Reset();
        Screen().AnswerUnqueuedWithDefault(true);
    }
    void TearDown() override {
        Screen().SetModalScript(nullptr);
        Screen().Reset();
        plat::InstallPlatform(nullptr);
        is64BitWindows = false;
    }

    static ui::sim::Desktop& Screen() { return ui::sim::Desktop::Current(); }

    void UseWindows(const std::string& release, int bits = 32) {
        ASSERT_TRUE(plat::sim::StockWindows(release, bits, machine->Identity())) << release;
        machine->CreateSystemFolders();
    }
    // Replaces (or adds) a file of the package, relative to the program folder.
    void Put(const std::string& relative, const std::string& contents) {
        machine->Disk().PutFile("D:\\" + relative, contents);
    }
    // The sample package's setup.ini with one key of [DEVICENAME] set.
    void SetSetupKey(const std::string& key, const std::string& value) {
        std::string text;
        machine->Disk().ReadWholeFile("D:\\DRVCONFIG\\setup.ini", text);
        std::string line = "\n" + key + "=";
        std::size_t at = text.find(line);
        if (at == std::string::npos) {
            at = text.find("[DEVICENAME]") + 12;
            text.insert(at, "\r\n" + key + "=" + value);
        } else {
            std::size_t end = text.find_first_of("\r\n", at + line.size());
            text.replace(at + line.size(), end - at - line.size(), value);
        }
        Put("DRVCONFIG\\setup.ini", text);
    }

    // Starts the installer; `during` runs inside the wizard's modal loop. Other modal
    // dialogs go to `nested` (or are left for the screen to cancel). Returns whether the
    // wizard opened its loop.
    bool Start(std::function<void(WizardDialog&)> during = {},
               std::function<void(ui::Dialog&)> nested = {}) {
        bool ran = false;
        Screen().SetModalScript([&](ui::Dialog& dialog) {
            if (auto* wizard = dynamic_cast<WizardDialog*>(&dialog)) {
                ran = true;
                if (during) during(*wizard);
            } else if (nested) {
                nested(dialog);
            }
        });
        SetupApp app;
        EXPECT_FALSE(app.InitInstance());
        return ran;
    }

    template <class P>
    static P& PageOf(WizardDialog& wizard, int index) {
        return *dynamic_cast<P*>(wizard.PageAt(index));
    }
    static std::string Lang(const std::string& section, const std::string& key) {
        return LangText(section).Read(key);
    }
    static const ui::sim::SimControl& Control(const ui::Dialog& dialog, int id) {
        const ui::sim::SimControl* control = ui::sim::ControlOf(dialog, id);
        if (!control) throw std::runtime_error("no control " + std::to_string(id));
        return *control;
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : Screen().Messages()) texts.push_back(box.text);
        return texts;
    }
    // Next until the wizard stands on `page` (or does not move any more).
    static void NextTo(WizardDialog& wizard, int page) {
        while (wizard.currentPage < page) {
            int before = wizard.currentPage;
            ui::sim::Click(wizard, ui::kIdOk);
            if (wizard.currentPage == before) return;
        }
    }
    static void AcceptLicence(WizardDialog& wizard) {
        ui::sim::Click(*wizard.PageAt(WizardDialog::kLicencePage), LicencePage::kAccept);
    }

    std::unique_ptr<plat::sim::SimMachine> machine;
};
