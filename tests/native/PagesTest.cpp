// The pages on their own terms: the OS page's detection table, the model page's lists
// and default entry, the port page's serial lists, and the custom controls.
#include "installer/app/ProcessObjects.h"
#include "installer/pages/CEditEx.h"
#include "tests/native/WizardFixture.h"

namespace {

using ui::sim::ChooseItem;
using ui::sim::Click;

using PagesTest = WizardFixture;

TEST_F(PagesTest, OsPageChecksTheDetectedVersionAndDisablesTheOthers) {
    struct Case {
        const char* name;
        const char* release;
        int bits;
        uint32_t major, minor;  // 0, 0: the release's own
        uint8_t product;        // 0: the release's own
        int radio;              // checked radio, 0 for none
        int code;
    } cases[] = {
        {"2000", "2000", 32, 0, 0, 0, 1028, 2},
        {"XP", "xp", 32, 0, 0, 0, 1029, 3},
        {"XP x64", "2003", 64, 5, 2, plat::kProductWorkstation, 1029, 3},
        {"2003", "2003", 32, 0, 0, 0, 1075, 4},
        {"2003 x64", "2003", 64, 0, 0, 0, 1075, 4},
        {"5.2 workstation on x86", "2003", 32, 5, 2, plat::kProductWorkstation, 1075, 4},
        {"Vista", "vista", 32, 0, 0, 0, 1076, 5},
        {"2008", "2008", 64, 0, 0, 0, 1077, 6},
        {"2008 R2", "2008", 64, 6, 1, plat::kProductServer, 1077, 6},
        {"7", "7", 32, 0, 0, 0, 1078, 7},
        {"8", "8", 64, 0, 0, 0, 1079, 7},
        {"6.3", "8", 32, 6, 3, 0, 1079, 7},
        {"10.0", "8", 32, 10, 0, 0, 0, 0},
        {"95", "95", 32, 0, 0, 0, 0, 0},
    };
    const int radios[] = {1026, 1027, 1028, 1029, 1075, 1076, 1077, 1078, 1079};
    for (const Case& c : cases) {
        SetUp();
        UseWindows(c.release, c.bits);
        if (c.major) {
            machine->Identity().version.major = c.major;
            machine->Identity().version.minor = c.minor;
        }
        if (c.product) machine->Identity().version.productType = c.product;
        Start([&](WizardDialog& w) {
            OsPage& os = PageOf<OsPage>(w, WizardDialog::kOsPage);
            EXPECT_EQ(os.osCode, c.code) << c.name;
            EXPECT_EQ(currentOsPage, &os);
            for (int radio : radios) {
                const auto& control = Control(os, radio);
                EXPECT_EQ(control.check, radio == c.radio ? 1 : 0) << c.name << " radio " << radio;
                EXPECT_EQ(control.enabled, radio == c.radio || (c.radio == 0 && radio == 1026))
                    << c.name << " radio " << radio;
            }
            EXPECT_FALSE(Control(os, 1026).visible);
            EXPECT_FALSE(Control(os, 1027).visible);
            EXPECT_EQ(Control(os, 1028).visible, c.bits == 32) << c.name << ": Windows 2000 hidden on 64-bit";
        });
        EXPECT_TRUE(Screen().Messages().empty()) << c.name;
    }
}

TEST_F(PagesTest, OsPageOnAnUnknownPlatformShowsTheSystemMessage) {
    machine->Identity().version.platformId = 3;
    Start([&](WizardDialog& w) {
        EXPECT_EQ(PageOf<OsPage>(w, 3).osCode, 0);
        for (int radio : {1028, 1029, 1075, 1076, 1077, 1078, 1079}) EXPECT_FALSE(Control(*w.PageAt(3), radio).enabled);
    });
    // Once from the page and once from the wizard's own version check.
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{Lang("Message", "IDS_ERR_SYSTEM"),
                                                        Lang("Message", "IDS_ERR_SYSTEM")}));
    EXPECT_EQ(Screen().Messages()[0].title, "drvsetup");
}

TEST_F(PagesTest, OsPageGroupTextIsSetOnEveryShowAndHide) {
    Start([&](WizardDialog& w) {
        ui::Dialog& os = *w.PageAt(3);
        os.SetItemText(OsPage::kGroup, "x");
        w.ShowPage(3);
        EXPECT_EQ(Control(os, OsPage::kGroup).text, Lang("System", "Select"));
        os.SetItemText(OsPage::kGroup, "x");
        w.ShowPage(4);
        EXPECT_EQ(Control(os, OsPage::kGroup).text, Lang("System", "Select"));
    });
}

TEST_F(PagesTest, ModelPageFillsTheListsAndPreselectsTheDefaultModel) {
    Start([&](WizardDialog& w) {
        ModelPage& models = PageOf<ModelPage>(w, 1);
        EXPECT_EQ(Control(models, 1030).items, (std::vector<std::string>{"QMX-K660", "QMX-J330", "QMX-K880N"}));
        EXPECT_EQ(Control(models, 1032).items, (std::vector<std::string>{"QMX-T5", "QMX-T20"}));
        EXPECT_EQ(models.printerType, kTypeReceipt);
        EXPECT_EQ(models.modelName, "QMX-K660");
        EXPECT_EQ(Control(models, 1019).check, 1);
        EXPECT_TRUE(Control(models, 1030).enabled);
        for (int list : {1031, 1032, 1074}) {
            EXPECT_FALSE(Control(models, list).enabled);
            EXPECT_EQ(Control(models, list).selection, 0);
        }
        EXPECT_EQ(models.modelsAvailable, 1);
        EXPECT_EQ(Control(models, ModelPage::kGroup).text, "") << "texts come when the page first shows";
        AcceptLicence(w);
        Click(w, ui::kIdOk);
        EXPECT_EQ(Control(models, ModelPage::kGroup).text, Lang("Series", "Select"));
        EXPECT_EQ(Control(models, 1073).text, Lang("Series", "Embedded"));
        EXPECT_EQ(Control(models, ModelPage::kDefault).text, Lang("Series", "Default"));
    });
}

TEST_F(PagesTest, ModelPageSwitchingTypesRestoresEachListsSelection) {
    SetSetupKey("LOADLICENSE", "0");
    Start([&](WizardDialog& w) {
        ModelPage& models = PageOf<ModelPage>(w, 1);
        ASSERT_TRUE(ChooseItem(models, 1030, "QMX-K880N"));
        EXPECT_EQ(models.modelName, "QMX-K880N");
        Click(models, 1021);
        EXPECT_EQ(models.printerType, kTypeLabel);
        EXPECT_EQ(models.modelName, "QMX-T5");
        EXPECT_FALSE(Control(models, 1030).enabled);
        EXPECT_TRUE(Control(models, 1032).enabled);
        Click(models, 1019);
        EXPECT_EQ(models.modelName, "QMX-K880N");
        EXPECT_EQ(models.printerType, kTypeReceipt);
        EXPECT_EQ(models.setDefault, 0);
        Click(models, ModelPage::kDefault);
        EXPECT_EQ(models.setDefault, 0) << "taken only when the page's data is saved";
        Click(w, ui::kIdOk);
        EXPECT_EQ(models.setDefault, 1);
    });
}

TEST_F(PagesTest, ModelPageDefaultEntryFindsAPrefixAfterItemZeroFirst) {
    struct Case {
        const char* name;
        const char* setup;
        int type;
        const char* model;     // modelName afterwards
        int selection;         // in the default type's list
        int checkedRadio;      // 0: none
    } cases[] = {
        {"exact item 0 that prefixes item 1 selects item 1",
         "DEVICENUMBER=2\nDEVICENAME1=AB-ReceiptPrinter\nDEVICENAME2=ABC-ReceiptPrinter\nDEFAULTNAME=1\n", 0, "ABC", 1,
         1019},
        {"case-insensitive prefix", "DEVICENUMBER=2\nDEVICENAME1=qmx-a1-TicketPrinter\nDEVICENAME2=QMX-B-TicketPrinter\nDEFAULTNAME=1\n",
         1, "qmx-a1", 0, 1020},
        {"default names no item of its list",
         "DEVICENUMBER=2\nDEVICENAME1=A-ReceiptPrinter\nDEVICENAME2=B-LabelPrinter\nDEFAULTNAME=3\nDEVICENAME3=Z-ReceiptPrinter\n",
         0, "", -1, 1019},
        {"default entry without a type", "DEVICENUMBER=1\nDEVICENAME1=A-ReceiptPrinter\n", -1, "", 0, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        Put("DRVCONFIG\\setup.ini", std::string("[DEVICENAME]\n") + c.setup);
        Put("DRVCONFIG\\setup_receipt.ini", "[A.PORT]\nUSBSUPPORTED=1\n[AB.PORT]\nUSBSUPPORTED=1\n[ABC.PORT]\nUSBSUPPORTED=1\n");
        Put("DRVCONFIG\\setup_ticket.ini", "[QMX-B.PORT]\nUSBSUPPORTED=1\n");
        Put("DRVCONFIG\\setup_label.ini", "[B.PORT]\nUSBSUPPORTED=1\n");
        bool ran = Start([&](WizardDialog& w) {
            ModelPage& models = PageOf<ModelPage>(w, 1);
            EXPECT_EQ(models.printerType, c.type) << c.name;
            EXPECT_EQ(models.modelName, c.model) << c.name;
            if (c.type >= 0) {
                EXPECT_EQ(Control(models, ModelPage::kListIds[c.type]).selection, c.selection) << c.name;
                EXPECT_TRUE(Control(models, ModelPage::kListIds[c.type]).enabled);
            }
            for (int radio : ModelPage::kRadioIds) EXPECT_EQ(Control(models, radio).check, radio == c.checkedRadio) << c.name;
        });
        EXPECT_TRUE(ran) << c.name;
    }
}

TEST_F(PagesTest, ModelPageTypeWithoutModelsIsDisabledEvenWhenTheDefaultNamesIt) {
    Put("DRVCONFIG\\setup.ini",
        "[DEVICENAME]\nDEVICENUMBER=2\nDEVICENAME1=A-ReceiptPrinter\nDEVICENAME2=B-ReceiptPrinter\nDEFAULTNAME=3\n"
        "DEVICENAME3=L-LabelPrinter\n");
    Put("DRVCONFIG\\setup_receipt.ini", "[B.PORT]\nUSBSUPPORTED=1\n");
    Start([&](WizardDialog& w) {
        ModelPage& models = PageOf<ModelPage>(w, 1);
        EXPECT_TRUE(Control(models, 1019).enabled);
        for (int radio : {1020, 1021, 1073}) EXPECT_FALSE(Control(models, radio).enabled);
        EXPECT_EQ(Control(models, 1021).check, 1);
        EXPECT_TRUE(Control(models, 1032).enabled);
        EXPECT_EQ(models.printerType, kTypeLabel);
        EXPECT_EQ(models.modelName, "");
    });
}

class PortPageTest : public WizardFixture {
protected:
    // Runs the wizard to the port page and hands it over.
    void OnPortPage(std::function<void(PortPage&)> check) {
        SetSetupKey("LOADLICENSE", "0");
        Start([&](WizardDialog& w) {
            NextTo(w, 4);
            ASSERT_EQ(w.currentPage, 4);
            check(PageOf<PortPage>(w, 4));
        });
    }
};

TEST_F(PortPageTest, DefaultsListsAndTexts) {
    OnPortPage([&](PortPage& port) {
        EXPECT_EQ(Control(port, PortPage::kBaud).items.size(), 10u);
        EXPECT_EQ(Control(port, PortPage::kByteSize).selection, 3);
        EXPECT_EQ(Control(port, PortPage::kStopBits).selection, 0);
        EXPECT_EQ(Control(port, PortPage::kParity).items,
                  (std::vector<std::string>{Lang("Confirm", "Parity.Even"), Lang("Confirm", "Parity.Mark"),
                                            Lang("Confirm", "Parity.None"), Lang("Confirm", "Parity.Odd"),
                                            Lang("Confirm", "Parity.Space")}));
        EXPECT_EQ(Control(port, PortPage::kParity).selection, 2);
        EXPECT_EQ(Control(port, PortPage::kFlow).items.size(), 3u);
        EXPECT_EQ(Control(port, PortPage::kFlow).selection, 2);
        EXPECT_EQ(port.byteSize, 8);
        EXPECT_EQ(port.stopBits, 1.0);
        EXPECT_EQ(port.parity, 'n');
        EXPECT_EQ(port.flowControl, 'p');
        EXPECT_EQ(port.lastListModel, "PRINTER");
        EXPECT_EQ(lastListMode, 1);
        EXPECT_EQ(Control(port, PortPage::kPorts).selection, -1) << "the port list is still empty";
        EXPECT_EQ(Control(port, 1095).text, Lang("Confirm", "Set"));
        EXPECT_EQ(Control(port, 1102).text, Lang("Confirm", "Protocol"));
        EXPECT_EQ(Control(port, PortPage::kRaster).text, Lang("Confirm", "Raster"));
        EXPECT_FALSE(Control(port, PortPage::kRaster).enabled);
        EXPECT_FALSE(Control(port, PortPage::kNote).visible);

        ui::sim::TooltipState tip = ui::sim::TooltipOf(port);
        EXPECT_TRUE(tip.created);
        EXPECT_TRUE(tip.active);
        EXPECT_EQ(tip.maxWidth, 200);
        ASSERT_EQ(tip.tools.size(), 1u);
        EXPECT_EQ(tip.tools[0].first, PortPage::kRaster);
        EXPECT_EQ(tip.tools[0].second, ui::ResourceString(134));
        EXPECT_FALSE(tip.tools[0].second.empty());

        EXPECT_EQ(port.note.TextColour(), ui::Rgb(0, 0, 255));
        EXPECT_EQ(port.note.BackColour(), ui::Rgb(255, 202, 253));
        EXPECT_EQ(port.note.LogFont().height, -14);
        EXPECT_EQ(port.note.LogFont().face, "Arial");
        EXPECT_EQ(Control(port, PortPage::kNote).font, port.note.LogFont());
    });
}

TEST_F(PortPageTest, SerialListsSetTheirMembers) {
    OnPortPage([&](PortPage& port) {
        ASSERT_TRUE(ChooseItem(port, PortPage::kStopBits, "1.5"));
        EXPECT_EQ(port.stopBits, 1.5);
        ASSERT_TRUE(ChooseItem(port, PortPage::kByteSize, "7"));
        EXPECT_EQ(port.byteSize, 7);
        ASSERT_TRUE(ChooseItem(port, PortPage::kBaud, "115200"));
        EXPECT_EQ(port.baudRate, 115200);
    });
}

TEST_F(PortPageTest, ParityAndFlowControlFollowTheItemPositionInBothLanguages) {
    for (uint16_t language : {1033, 2052}) {
        SetUp();
        machine->Identity().languageId = language;
        OnPortPage([&](PortPage& port) {
            const char parity[] = {'E', 'M', 'N', 'O', 'S'};
            for (int i = 0; i < 5; ++i) {
                ASSERT_TRUE(ChooseItem(port, PortPage::kParity, i));
                EXPECT_EQ(port.parity, parity[i]) << language << " item " << i;
            }
            const char flow[] = {' ', 'x', 'p'};
            for (int i : {1, 0, 2}) {
                ASSERT_TRUE(ChooseItem(port, PortPage::kFlow, i));
                EXPECT_EQ(port.flowControl, flow[i]) << language << " item " << i;
            }
        });
    }
}

TEST_F(PagesTest, LicenceFileIsShownAsItsBytes) {
    struct Case {
        uint16_t language;
        const char* file;
        std::string contents;
    } cases[] = {
        {2052, "License\\License_CN.txt", "\xD0\xED\xBF\xC9\r\nGBK \\1 text"},
        {3076, "License\\License_CN.txt", ""},
        {1033, "License\\License_EN.txt", "Terms\r\n"},
    };
    for (const Case& c : cases) {
        SetUp();
        machine->Identity().languageId = c.language;
        Put(c.file, c.contents);
        Start([&](WizardDialog& w) {
            EXPECT_EQ(Control(*w.PageAt(0), LicencePage::kText).text, c.contents) << c.language;
        });
        EXPECT_TRUE(Screen().Messages().empty()) << c.language;
    }
}

TEST(CustomControls, EditKeepsTheWindowColoursAndFiltersCharacters) {
    CEditEx edit;
    EXPECT_EQ(edit.backColour, ui::Rgb(255, 255, 255));
    EXPECT_EQ(edit.textColour, ui::Rgb(0, 0, 0));
    EXPECT_TRUE(edit.AcceptsChar('x'));
    edit.charFilter = [](char c) { return c >= '0' && c <= '9'; };
    EXPECT_TRUE(edit.AcceptsChar('7'));
    EXPECT_FALSE(edit.AcceptsChar('x'));
}

TEST_F(PagesTest, LicenceBoxAnswersWithTheWindowColours) {
    Start([&](WizardDialog& w) {
        ui::Dialog::ItemColours* colours = w.PageAt(0)->ColoursOf(LicencePage::kText);
        ASSERT_NE(colours, nullptr);
        EXPECT_TRUE(colours->hasBack);
        EXPECT_EQ(colours->back, ui::Rgb(255, 255, 255));
        EXPECT_EQ(colours->text, ui::Rgb(0, 0, 0));
    });
}

}  // namespace
