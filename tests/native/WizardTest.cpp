// The wizard container: opening page, navigation and its button rules, the checks on
// leaving the model and OS pages, the side picture, the administrator check, About, F1.
#include "installer/app/AboutDialog.h"
#include "installer/app/OsCodes.h"
#include "installer/app/ProcessObjects.h"
#include "installer/app/WizardState.h"
#include "tests/native/WizardFixture.h"

namespace {

using ui::sim::Click;
using ui::sim::ChooseItem;

class WizardTest : public WizardFixture {
protected:
    static bool OkEnabled(WizardDialog& w) { return Control(w, ui::kIdOk).enabled; }
    static bool BackEnabled(WizardDialog& w) { return Control(w, WizardDialog::kBack).enabled; }
    static std::string OkText(WizardDialog& w) { return Control(w, ui::kIdOk).text; }
    // Picks a model on the model page (its type radio, then the list item).
    static void ChooseModel(WizardDialog& w, int type, const std::string& model) {
        ui::Dialog& page = *w.PageAt(WizardDialog::kModelPage);
        Click(page, ModelPage::kRadioIds[type]);
        ASSERT_TRUE(ChooseItem(page, ModelPage::kListIds[type], model)) << model;
    }
    static int VisiblePages(WizardDialog& w) {
        int shown = 0;
        for (int i = 0; i < w.PageCount(); ++i) shown += w.PageAt(i)->IsVisible();
        return shown;
    }
};

TEST_F(WizardTest, LicenceFirstWalkThroughEveryPageWithItsButtonTexts) {
    EXPECT_TRUE(Start([&](WizardDialog& w) {
        EXPECT_EQ(w.Title(), Lang("Setup", "Caption"));
        EXPECT_EQ(Control(w, WizardDialog::kHelpHint).text, Lang("Setup", "Help"));
        EXPECT_EQ(Control(w, WizardDialog::kBack).text, Lang("Setup", "Back"));
        EXPECT_EQ(Control(w, ui::kIdCancel).text, Lang("Setup", "Cancel"));
        ASSERT_EQ(w.currentPage, 0);
        EXPECT_FALSE(OkEnabled(w));
        EXPECT_FALSE(BackEnabled(w));
        EXPECT_FALSE(Click(w, ui::kIdOk)) << "OK stays disabled until the licence is accepted";

        AcceptLicence(w);
        EXPECT_TRUE(OkEnabled(w));
        for (int page = 1; page <= 4; ++page) {
            EXPECT_EQ(OkText(w), Lang("Setup", "Next")) << "before page " << page;
            ASSERT_TRUE(Click(w, ui::kIdOk));
            EXPECT_EQ(w.currentPage, page);
            EXPECT_TRUE(w.PageAt(page)->IsVisible());
            EXPECT_EQ(VisiblePages(w), 1);
            EXPECT_TRUE(BackEnabled(w));
            EXPECT_TRUE(OkEnabled(w));
            EXPECT_EQ(ui::sim::FocusedId(w), ui::kIdOk);
        }
        EXPECT_EQ(OkText(w), Lang("Setup", "Install"));
        Click(w, ui::kIdOk);  // Install does nothing yet
        EXPECT_EQ(w.currentPage, 4);
        EXPECT_FALSE(ui::sim::IsEnded(w));

        for (int page = 3; page >= 0; --page) {
            ASSERT_TRUE(Click(w, WizardDialog::kBack));
            EXPECT_EQ(w.currentPage, page);
            EXPECT_EQ(OkText(w), Lang("Setup", "Next"));
            EXPECT_TRUE(OkEnabled(w));
        }
        EXPECT_FALSE(BackEnabled(w)) << "nothing before the licence page";
        EXPECT_EQ(ui::sim::FocusedId(w), ui::kIdOk);
    }));
}

TEST_F(WizardTest, AcceptEnablesAndRejectDisablesOk) {
    Start([&](WizardDialog& w) {
        ui::Dialog& licence = *w.PageAt(WizardDialog::kLicencePage);
        EXPECT_EQ(Control(licence, LicencePage::kReject).check, 1);
        EXPECT_EQ(Control(licence, LicencePage::kAccept).check, 0);
        AcceptLicence(w);
        EXPECT_TRUE(OkEnabled(w));
        Click(licence, LicencePage::kReject);
        EXPECT_FALSE(OkEnabled(w));
        EXPECT_EQ(Control(licence, LicencePage::kAccept).check, 0);
        EXPECT_EQ(Control(licence, LicencePage::kText).text.substr(0, 20),
                  [&] { std::string t; machine->Disk().ReadWholeFile("D:\\License\\License_EN.txt", t); return t; }().substr(0, 20));
    });
}

TEST_F(WizardTest, WithoutLicenceTheModelPageComesFirstAndBackStaysDisabledThere) {
    SetSetupKey("LOADLICENSE", "0");
    Start([&](WizardDialog& w) {
        EXPECT_EQ(w.currentPage, 1);
        EXPECT_FALSE(w.PageAt(0)->IsVisible());
        EXPECT_TRUE(OkEnabled(w));
        EXPECT_FALSE(BackEnabled(w));
        Click(w, ui::kIdOk);
        EXPECT_TRUE(BackEnabled(w));
        Click(w, WizardDialog::kBack);
        EXPECT_EQ(w.currentPage, 1);
        EXPECT_FALSE(BackEnabled(w));
        EXPECT_TRUE(OkEnabled(w));
    });
}

TEST_F(WizardTest, MissingLicenceFileShowsTheMessageAndCancels) {
    machine->Disk().RemoveFile("D:\\License\\License_EN.txt");
    Start();
    ASSERT_EQ(Screen().Messages().size(), 1u);
    EXPECT_EQ(Screen().Messages()[0].text, Lang("Message", "IDS_ERR_NOLICENSE"));
    EXPECT_EQ(Screen().Messages()[0].title, "drvsetup");
    EXPECT_TRUE(Screen().LeftOpen().empty()) << "the wizard was cancelled, not left open";
}

TEST_F(WizardTest, ModelWithoutAdvancedSetupForcesTypical) {
    SetSetupKey("LOADLICENSE", "0");
    Start([&](WizardDialog& w) {
        ModePage& mode = PageOf<ModePage>(w, 2);
        // Advanced first on a model that allows it.
        Click(w, ui::kIdOk);
        EXPECT_TRUE(Control(mode, ModePage::kAdvanced).enabled);
        Click(mode, ModePage::kAdvanced);
        EXPECT_EQ(mode.typicalMode, 0);
        EXPECT_EQ(Control(mode, ModePage::kNote1).text, Lang("Mode", "Note2"));
        EXPECT_EQ(Control(mode, ModePage::kNote2).text, Lang("Mode", "Note3"));
        EXPECT_TRUE(Control(mode, ModePage::kNote2).visible);

        Click(w, WizardDialog::kBack);
        ChooseModel(w, kTypeReceipt, "QMX-J330");
        Click(w, ui::kIdOk);
        EXPECT_FALSE(Control(mode, ModePage::kAdvanced).enabled);
        EXPECT_EQ(Control(mode, ModePage::kTypical).check, 1);
        EXPECT_EQ(Control(mode, ModePage::kAdvanced).check, 0);
        EXPECT_EQ(Control(mode, ModePage::kNote1).text, Lang("Message", "IDS_TYPICAL_NOTES"));
        EXPECT_FALSE(Control(mode, ModePage::kNote2).visible);
        EXPECT_FALSE(Control(mode, ModePage::kNote3).visible);
        EXPECT_EQ(mode.typicalMode, 1);
        EXPECT_EQ(w.portSection, "QMX-J330.PORT");
        EXPECT_EQ(w.portSectionFile, "D:\\DRVCONFIG\\setup_receipt.ini");

        Click(w, WizardDialog::kBack);
        ChooseModel(w, kTypeTicket, "QMX-T620");
        Click(w, ui::kIdOk);
        EXPECT_TRUE(Control(mode, ModePage::kAdvanced).enabled) << "a model that allows it enables it again";
        EXPECT_EQ(w.portSectionFile, "D:\\DRVCONFIG\\setup_Ticket.ini");
    });
}

struct SupportCase {
    const char* release;
    int type;
    const char* model;
    const char* key;  // the refusal, or nullptr
};

TEST_F(WizardTest, ModelsThatDoNotSupportTheDetectedWindowsStayOnTheOsPage) {
    const SupportCase cases[] = {
        {"2003", kTypeTicket, "QMX-T620", "IDS_NOTSUPPORT2003"},
        {"vista", kTypeReceipt, "QMX-J330", "IDS_NOTSUPPORTVISTA"},
        {"2008", kTypeEmbedded, "QMX-E210", "IDS_NOTSUPPORT2008"},
        {"7", kTypeReceipt, "QMX-J330", "IDS_NOTSUPPORTWin7"},
        {"8", kTypeReceipt, "QMX-J330", "IDS_NOTSUPPORTWin7"},
        {"xp", kTypeReceipt, "QMX-J330", nullptr},
        {"2000", kTypeTicket, "QMX-T620", nullptr},
        {"7", kTypeReceipt, "QMX-K660", nullptr},
    };
    for (const SupportCase& c : cases) {
        SetUp();
        UseWindows(c.release);
        SetSetupKey("LOADLICENSE", "0");
        Start([&](WizardDialog& w) {
            ChooseModel(w, c.type, c.model);
            NextTo(w, 4);
            if (c.key) {
                EXPECT_EQ(w.currentPage, 3) << c.release << " " << c.model;
                EXPECT_TRUE(w.PageAt(3)->IsVisible());
                EXPECT_EQ(MessageTexts(), std::vector<std::string>{Lang("Message", c.key)});
                EXPECT_EQ(Screen().Messages()[0].title, "drvsetup");
                EXPECT_EQ(OkText(w), Lang("Setup", "Next"));
            } else {
                EXPECT_EQ(w.currentPage, 4) << c.release << " " << c.model;
                EXPECT_TRUE(Screen().Messages().empty());
            }
        });
    }
}

TEST_F(WizardTest, WindowsNtRefusalOfAModelWithoutNtSupport) {
    // Start-up refuses NT 4.0 itself, so the wizard is run on its own here.
    UseWindows("nt4");
    SetSetupKey("LOADLICENSE", "0");
    Screen().SetModalScript([&](ui::Dialog& dialog) {
        auto& w = dynamic_cast<WizardDialog&>(dialog);
        EXPECT_EQ(PageOf<OsPage>(w, 3).osCode, 1);
        ChooseModel(w, kTypeReceipt, "QMX-K880N");
        NextTo(w, 4);
        EXPECT_EQ(w.currentPage, 3);
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{Lang("Message", "IDS_NOTSUPPORTNT")});
        Screen().Reset();
        Screen().AnswerUnqueuedWithDefault(true);
        Click(w, WizardDialog::kBack);
        Click(w, WizardDialog::kBack);
        ChooseModel(w, kTypeReceipt, "QMX-K660");
        NextTo(w, 4);
        EXPECT_EQ(w.currentPage, 4);
        EXPECT_TRUE(Screen().Messages().empty());
    });
    RunSetupWizard();
}

TEST_F(WizardTest, BaudDefaultIsAppliedOnTheFirstArrivalAndAfterGoingBackFromTheModePage) {
    struct Case {
        int type;
        const char* model;
        int baud;
        int item;
    } cases[] = {
        {kTypeReceipt, "QMX-K660", 9600, 5},   {kTypeReceipt, "QMX-K880N", 115200, 9},
        {kTypeTicket, "QMX-T620", 57600, 8},   {kTypeTicket, "QMX-T910H", 38400, 7},
        {kTypeLabel, "QMX-T5", 0, 7},          {kTypeEmbedded, "QMX-E58", 4800, 4},
    };
    for (const auto& c : cases) {
        SetUp();
        SetSetupKey("LOADLICENSE", "0");
        Start([&](WizardDialog& w) {
            PortPage& port = PageOf<PortPage>(w, 4);
            ChooseModel(w, c.type, c.model);
            NextTo(w, 4);
            ASSERT_EQ(w.currentPage, 4);
            EXPECT_EQ(port.baudRate, c.baud) << c.model;
            EXPECT_EQ(Control(port, PortPage::kBaud).selection, c.item) << c.model;
        });
    }
}

TEST_F(WizardTest, BaudDefaultIsNotAppliedAgainAfterGoingBackOnlyToTheOsPage) {
    SetSetupKey("LOADLICENSE", "0");
    Put("DRVCONFIG\\setup_receipt.ini", "[QMX-K660.PORT]\nUSBSUPPORTED=1\nAdvancedSetup=1\nBaudRate=9600\n");
    Start([&](WizardDialog& w) {
        PortPage& port = PageOf<PortPage>(w, 4);
        NextTo(w, 4);
        ASSERT_TRUE(ChooseItem(port, PortPage::kBaud, "110"));
        EXPECT_EQ(port.baudRate, 110);
        Click(w, WizardDialog::kBack);  // to the OS page
        Click(w, ui::kIdOk);
        EXPECT_EQ(port.baudRate, 110);
        EXPECT_EQ(Control(port, PortPage::kBaud).selection, 0);

        Click(w, WizardDialog::kBack);
        Click(w, WizardDialog::kBack);  // to the mode page
        Click(w, WizardDialog::kBack);  // to the model page: pending again
        NextTo(w, 4);
        EXPECT_EQ(port.baudRate, 9600);
        EXPECT_EQ(Control(port, PortPage::kBaud).selection, 5);
    });
}

TEST_F(WizardTest, ArrivingAtTheLastPageCopiesTheChoices) {
    UseWindows("7", 64);
    SetSetupKey("LOADLICENSE", "0");
    Start([&](WizardDialog& w) {
        ChooseModel(w, kTypeLabel, "QMX-T20");
        Click(*w.PageAt(1), ModelPage::kDefault);
        Click(w, ui::kIdOk);
        Click(*w.PageAt(2), ModePage::kAdvanced);
        NextTo(w, 4);
        const InstallSelection& s = w.installSelection;
        EXPECT_EQ(s.printerType, kTypeLabel);
        EXPECT_EQ(s.modelName, "QMX-T20");
        EXPECT_EQ(s.setDefault, 1);
        EXPECT_EQ(s.osCode, 7);
        EXPECT_EQ(s.setupIniPath, "D:\\DRVCONFIG\\setup.ini");
        EXPECT_EQ(s.typeIniPath, "D:\\DRVCONFIG\\setup_Label_64.ini");
        EXPECT_EQ(typicalMode, 0);
        EXPECT_EQ(PageOf<PortPage>(w, 4).typicalMode, 0);
    });
}

TEST_F(WizardTest, CancelClosesOnEveryPageWithoutAQuestion) {
    for (int page = 0; page <= 4; ++page) {
        SetUp();
        Start([&](WizardDialog& w) {
            AcceptLicence(w);
            NextTo(w, page);
            Click(w, ui::kIdCancel);
            EXPECT_TRUE(ui::sim::IsEnded(w)) << page;
            EXPECT_EQ(w.ModalResult(), ui::kIdCancel);
        });
        EXPECT_TRUE(Screen().Messages().empty());
    }
}

TEST_F(WizardTest, MissingSidePictureShowsNoLeftAndCloses) {
    machine->Disk().RemoveFile("D:\\DRVCONFIG\\Left.bmp");
    EXPECT_FALSE(Start());
    ASSERT_EQ(Screen().Messages().size(), 1u);
    EXPECT_EQ(Screen().Messages()[0].text, Lang("Message", "IDS_ERR_NOLEFT"));
    EXPECT_EQ(Screen().Messages()[0].title, "Printer Driver Setup") << "the wizard's own box";
    EXPECT_EQ(Screen().Messages()[0].ownerTemplate, 102);
}

TEST_F(WizardTest, SidePictureIsStretchedOverThePictureControl) {
    Start([&](WizardDialog& w) {
        auto ops = ui::sim::Paint(w);
        ASSERT_EQ(ops.size(), 1u);
        EXPECT_EQ(ops[0].kind, ui::sim::PaintOp::StretchBitmap);
        EXPECT_EQ(ops[0].controlId, WizardDialog::kPicture);
        EXPECT_EQ(ops[0].bitmapPath, "D:\\DRVCONFIG\\Left.bmp");
        ui::Rect picture = Control(w, WizardDialog::kPicture).rect;
        EXPECT_EQ(ops[0].target, (ui::Rect{0, 0, picture.Width(), picture.Height()}));
    });
}

TEST_F(WizardTest, NonAdministratorIsRefusedOnWindows2000AndLaterOnly) {
    struct Case {
        const char* release;
        bool refused;
    } cases[] = {{"2000", true}, {"xp", true}, {"vista", true}, {"8", true}, {"95", false}};
    for (const Case& c : cases) {
        SetUp();
        UseWindows(c.release);
        machine->Identity().administrator = false;
        bool looped = Start();
        EXPECT_EQ(looped, !c.refused) << c.release;
        if (c.refused) {
            ASSERT_EQ(MessageTexts(), std::vector<std::string>{Lang("Message", "IDS_ADMIN")}) << c.release;
            EXPECT_EQ(Screen().Messages()[0].title, "Printer Driver Setup");
        }
    }
}

TEST_F(WizardTest, AboutBoxFromTheSystemMenu) {
    int aboutShown = 0;
    Start(
        [&](WizardDialog& w) {
            auto items = ui::sim::SystemMenuItems(w);
            ASSERT_EQ(items.size(), 1u);
            EXPECT_EQ(items[0].first, WizardDialog::kAboutCommand);
            EXPECT_EQ(items[0].second, Lang("Message", "IDS_ABOUTBOX"));
            EXPECT_TRUE(ui::sim::SystemCommand(w, WizardDialog::kAboutCommand));
            EXPECT_EQ(aboutShown, 1);
            EXPECT_EQ(ui::sim::IconOf(w), WizardDialog::kIcon);
        },
        [&](ui::Dialog& about) {
            ++aboutShown;
            EXPECT_EQ(about.TemplateId(), AboutDialog::kTemplate);
            EXPECT_EQ(about.Title(), Lang("About", "Caption"));
            EXPECT_EQ(Control(about, AboutDialog::kVersion).text, Lang("About", "Version"));
            EXPECT_EQ(Control(about, AboutDialog::kCopyright).text, Lang("About", "Copyright"));
            EXPECT_EQ(Control(about, ui::kIdOk).text, Lang("About", "OK"));
            EXPECT_TRUE(Click(about, ui::kIdOk));
        });
}

TEST_F(WizardTest, SecondF1BringsTheOpenHelpWindowToTheFront) {
    Put("Guide\\Guide_EN.chm", "help");
    machine->Launcher().OpensWindow("Guide_EN.chm", Lang("Help Guide", "Caption"));
    Start([&](WizardDialog& w) {
        ui::sim::PressF1(w);
        ASSERT_EQ(machine->Launcher().Launches().size(), 1u);
        const auto& launch = machine->Launcher().Launches()[0];
        EXPECT_EQ(launch.verb, "open");
        EXPECT_EQ(launch.file, ".\\Guide\\Guide_EN.chm");
        EXPECT_EQ(launch.resolvedPath, "D:\\Guide\\Guide_EN.chm");
        EXPECT_EQ(launch.show, plat::kShow);
        EXPECT_GT(launch.result, 32u);

        ui::sim::PressF1(*w.PageAt(w.currentPage));  // F1 inside a page reaches the wizard
        EXPECT_EQ(machine->Launcher().Launches().size(), 1u);
        ASSERT_FALSE(machine->DesktopWindows().Actions().empty());
        EXPECT_EQ(machine->DesktopWindows().Actions()[0].call, "BringWindowToTop");
        EXPECT_EQ(machine->DesktopWindows().Actions()[0].title, Lang("Help Guide", "Caption"));
        EXPECT_NE(w.helpWindow, 0u);
    });
}

TEST_F(WizardTest, MissingHelpFileIsLeftToTheShell) {
    Start([&](WizardDialog& w) {
        ui::sim::PressF1(w);
        ASSERT_EQ(machine->Launcher().Launches().size(), 1u);
        EXPECT_EQ(machine->Launcher().Launches()[0].result, plat::kShellPathNotFound);
        EXPECT_TRUE(Screen().Messages().empty());
    });
}

TEST_F(WizardTest, ChineseSystemUsesTheChineseFontAndFiles) {
    machine->Identity().languageId = 2052;
    Put("Guide\\Guide_CN.chm", "help");
    Start([&](WizardDialog& w) {
        EXPECT_EQ(w.chinese, 1);
        const ui::FontSpec* font = ui::sim::DialogFont(w);
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(*font, ChineseFontSpec());
        for (int i = 0; i < w.PageCount(); ++i) {
            const ui::FontSpec* pageFont = ui::sim::DialogFont(*w.PageAt(i));
            ASSERT_NE(pageFont, nullptr) << i;
            EXPECT_EQ(pageFont->face, "\xCB\xCE\xCC\xE5");
            EXPECT_EQ(pageFont->charSet, 134);
        }
        EXPECT_EQ(w.Title(), Lang("Setup", "Caption"));
        EXPECT_NE(w.Title(), "Printer Driver Setup");
        ui::sim::PressF1(w);
        EXPECT_EQ(machine->Launcher().Launches()[0].resolvedPath, "D:\\Guide\\Guide_CN.chm");
    });
}

TEST_F(WizardTest, EnglishSystemKeepsTheTemplateFont) {
    Start([&](WizardDialog& w) {
        EXPECT_EQ(ui::sim::DialogFont(w), nullptr);
        EXPECT_FALSE(SharedChineseFont().IsCreated());
    });
}

TEST(DetectOsCode, ClassifiesEveryVersion) {
    struct Case {
        uint32_t platform, major, minor;
        uint8_t product;
        uint16_t arch;
        int code;
        bool known;
    } cases[] = {
        {1, 4, 0, 1, 0, 0, true},   {1, 4, 10, 1, 0, 0, true},  {2, 4, 0, 1, 0, 1, true},
        {2, 4, 1, 1, 0, 0, true},   {2, 5, 0, 1, 0, 2, true},   {2, 5, 1, 1, 0, 3, true},
        {2, 5, 2, 1, 9, 3, true},   {2, 5, 2, 1, 0, 4, true},   {2, 5, 2, 3, 9, 4, true},
        {2, 5, 3, 1, 0, 0, true},   {2, 6, 0, 1, 0, 5, true},   {2, 6, 0, 3, 0, 6, true},
        {2, 6, 1, 1, 0, 7, true},   {2, 6, 1, 2, 0, 6, true},   {2, 6, 2, 1, 0, 7, true},
        {2, 6, 3, 3, 0, 7, true},   {2, 3, 51, 1, 0, 0, true},  {2, 10, 0, 1, 0, 0, true},
        {2, 10, 3, 1, 0, 7, true},  {0, 5, 1, 1, 0, 0, false}, {3, 6, 1, 1, 0, 0, false},
    };
    for (const Case& c : cases) {
        plat::OsVersion v;
        v.platformId = c.platform;
        v.major = c.major;
        v.minor = c.minor;
        v.productType = c.product;
        bool known = true;
        EXPECT_EQ(ClassifyOsCode(v, c.arch, &known), c.code) << c.platform << " " << c.major << "." << c.minor;
        EXPECT_EQ(known, c.known);
    }
}

}  // namespace
