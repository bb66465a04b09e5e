// Start-up: the checks before the wizard opens, and what each refusal shows.
#include "installer/app/StartupGate.h"
#include "tests/native/WizardFixture.h"

namespace {

using StartupTest = WizardFixture;

const char kChineseWizardTitle[] = "\xB4\xF2\xD3\xA1\xBB\xFA\xC7\xFD\xB6\xAF\xB0\xB2\xD7\xB0\xB3\xCC\xD0\xF2";
const char kChineseUninstallTitle[] = "\xB4\xF2\xD3\xA1\xBB\xFA\xD0\xB6\xD4\xD8\xB3\xCC\xD0\xF2";

TEST_F(StartupTest, SampleWindowsXpOpensTheWizardAndHoldsTheMutex) {
    EXPECT_TRUE(Start());
    EXPECT_TRUE(machine->DesktopWindows().MutexExists("drvsetup"));
    EXPECT_TRUE(Screen().Messages().empty());
}

TEST_F(StartupTest, SecondInstanceBringsTheFirstWindowToTheFrontAndShowsNothing) {
    struct Case {
        const char* title;
        bool found;
    } cases[] = {{"Printer Driver Setup", true}, {kChineseWizardTitle, true}, {"Some other window", false}};
    for (const Case& c : cases) {
        SetUp();
        machine->DesktopWindows().HoldMutex("drvsetup");
        plat::WindowRef first = machine->DesktopWindows().OpenWindow(c.title, true);
        machine->DesktopWindows().OpenWindow("Unrelated");
        EXPECT_FALSE(Start());
        EXPECT_TRUE(Screen().Messages().empty());
        const auto& actions = machine->DesktopWindows().Actions();
        if (c.found) {
            ASSERT_EQ(actions.size(), 2u) << c.title;
            EXPECT_EQ(actions[0].call, "SetForegroundWindow");
            EXPECT_EQ(actions[1].call, "OpenIcon");
            EXPECT_EQ(machine->DesktopWindows().Foreground(), first);
            EXPECT_FALSE(machine->DesktopWindows().Window(first)->iconic);
        } else {
            EXPECT_TRUE(actions.empty());
        }
    }
}

TEST_F(StartupTest, OpenUninstallerWindowRefusesWithSetupClose) {
    for (const char* title : {"Uninstall", "UNINSTALL", kChineseUninstallTitle}) {
        SetUp();
        machine->DesktopWindows().OpenWindow(title);
        EXPECT_FALSE(Start()) << title;
        ASSERT_EQ(Screen().Messages().size(), 1u);
        EXPECT_EQ(Screen().Messages()[0].text, Lang("Setup", "Close"));
        EXPECT_EQ(Screen().Messages()[0].title, "drvsetup");
        EXPECT_EQ(Screen().Messages()[0].style, ui::kMbOk);
    }
}

TEST_F(StartupTest, VersionGateRefusesWindows98MeAndNt4ButNot95) {
    struct Case {
        const char* release;
        bool refused;
    } cases[] = {{"98", true}, {"me", true}, {"nt4", true}, {"95", false}, {"2000", false}, {"8", false}};
    for (const Case& c : cases) {
        SetUp();
        UseWindows(c.release);
        bool ran = Start();
        EXPECT_EQ(ran, !c.refused) << c.release;
        if (c.refused) {
            ASSERT_EQ(MessageTexts().size(), 1u) << c.release;
            EXPECT_EQ(MessageTexts()[0], Lang("Setup", "Nonsupport"));
        }
    }
}

TEST_F(StartupTest, PackageBitnessAgainstTheWindowsBitness) {
    struct Case {
        const char* value;
        int bits;
        const char* refusal;  // Message key, or nullptr when the wizard opens
    } cases[] = {
        {"1", 64, "IDS_X64"}, {"2", 32, "IDS_X32"}, {"1", 32, nullptr}, {"2", 64, nullptr},
        {"0", 64, nullptr},   {"abc", 32, nullptr}, {"3", 64, nullptr},
    };
    for (const Case& c : cases) {
        SetUp();
        UseWindows("7", c.bits);
        SetSetupKey("Supported32OR64", c.value);
        bool ran = Start();
        EXPECT_EQ(ran, c.refusal == nullptr) << c.value << " on " << c.bits;
        EXPECT_EQ(is64BitWindows, c.bits == 64);
        if (c.refusal) {
            ASSERT_EQ(MessageTexts().size(), 1u);
            EXPECT_EQ(MessageTexts()[0], Lang("Message", c.refusal));
        }
    }
}

TEST_F(StartupTest, Wow64LookupMissingMeans32Bit) {
    UseWindows("xp", 64);
    machine->Identity().hasIsWow64Process = false;
    EXPECT_TRUE(Start());
    EXPECT_FALSE(is64BitWindows);
}

TEST_F(StartupTest, PortOfferIsTestedOnTheLastCatalogueEntryOnly) {
    struct Case {
        const char* name;
        const char* setup;
        const char* receipt;  // setup_receipt.ini
        const char* label;    // setup_label.ini
        bool offers;
    } cases[] = {
        {"only network on the last entry", "DEVICENUMBER=2\nDEVICENAME1=A-ReceiptPrinter\nDEVICENAME2=B-LabelPrinter\n",
         "[A.PORT]\nUSBSUPPORTED=1\n", "[B.PORT]\nNETSUPPORTED=1\n", false},
        {"earlier entry offers, last none", "DEVICENUMBER=2\nDEVICENAME1=A-ReceiptPrinter\nDEVICENAME2=B-LabelPrinter\n",
         "[A.PORT]\nCOMSUPPORTED=1\n", "[B.PORT]\nCOMSUPPORTED=0\n", false},
        {"last entry alone offers", "DEVICENUMBER=2\nDEVICENAME1=A-ReceiptPrinter\nDEVICENAME2=B-LabelPrinter\n",
         "", "[B.PORT]\nLPTSUPPORTED=1\n", true},
        {"section found in another type's file", "DEVICENUMBER=1\nDEVICENAME1=B-LabelPrinter\n",
         "[B.PORT]\nusbsupported=2\n", "", true},
        {"no entry carries a type", "DEVICENUMBER=2\nDEVICENAME1=A\nDEVICENAME2=B\n", "[A.PORT]\nUSBSUPPORTED=1\n",
         "[B.PORT]\nUSBSUPPORTED=1\n", false},
        {"no entries", "DEVICENUMBER=0\n", "[0.PORT]\nUSBSUPPORTED=1\n", "", false},
        {"last entry missing: its key reads 0", "DEVICENUMBER=2\nDEVICENAME1=A-ReceiptPrinter\n",
         "[0.PORT]\nUSBSUPPORTED=1\n", "", true},
    };
    for (const Case& c : cases) {
        SetUp();
        Put("DRVCONFIG\\setup.ini", std::string("[DEVICENAME]\n") + c.setup);
        Put("DRVCONFIG\\setup_receipt.ini", c.receipt);
        Put("DRVCONFIG\\setup_label.ini", c.label);
        EXPECT_EQ(PackageOffersPort(), c.offers) << c.name;
        bool ran = Start();
        EXPECT_EQ(ran, c.offers) << c.name;
        if (!c.offers) {
            EXPECT_EQ(MessageTexts(), std::vector<std::string>{Lang("Setup", "PortNull")}) << c.name;
        }
    }
}

TEST_F(StartupTest, SixtyFourBitWindowsTestsThe64BitTypeFiles) {
    UseWindows("7", 64);
    Put("DRVCONFIG\\setup.ini", "[DEVICENAME]\nDEVICENUMBER=1\nDEVICENAME1=B-LabelPrinter\n");
    Put("DRVCONFIG\\setup_label.ini", "[B.PORT]\nUSBSUPPORTED=1\n");
    Put("DRVCONFIG\\setup_label_64.ini", "[B.PORT]\nUSBSUPPORTED=0\n");
    EXPECT_FALSE(Start());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{Lang("Setup", "PortNull")});
}

TEST_F(StartupTest, MissingLanguageFileStillRefusesWithAnEmptyText) {
    machine->Disk().RemoveFile("D:\\language\\setup_EN.ini");
    machine->DesktopWindows().OpenWindow("Uninstall");
    EXPECT_FALSE(Start());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{""});
}

TEST_F(StartupTest, LicenceSwitchChoosesTheFirstPage) {
    for (const char* value : {"1", "0", "no"}) {
        SetUp();
        SetSetupKey("LOADLICENSE", value);
        Start([&](WizardDialog& w) {
            bool licence = std::string(value) == "1";
            EXPECT_EQ(w.startAtLicence, licence ? 1 : 0) << value;
            EXPECT_EQ(PageOf<LicencePage>(w, 0).loadLicence, licence ? 1 : 0);
            EXPECT_EQ(w.currentPage, licence ? 0 : 1);
        });
    }
}

TEST_F(StartupTest, PagesAreRegisteredInIndexOrder) {
    Start([](WizardDialog& w) {
        ASSERT_EQ(w.PageCount(), 5);
        const int templates[] = {133, 131, 137, 130, 132};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(w.PageAt(i)->TemplateId(), templates[i]);
        EXPECT_EQ(ui::MainWindow(), &w);
    });
}

}  // namespace
