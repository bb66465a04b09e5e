#include "installer/config/ModelCatalogue.h"
#include "installer/config/SetupIni.h"
#include "tests/native/SimPackage.h"

namespace {

TEST(CAtoiTest, FollowsTheCRules) {
    struct Case { const char* text; int value; } cases[] = {
        {"0", 0}, {"", 0}, {"abc", 0}, {"12abc", 12}, {"  -7", -7}, {"+3", 3}, {"\t 9600", 9600},
        {"- 5", 0}, {"1.5", 1}, {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
    };
    for (const Case& c : cases) EXPECT_EQ(CAtoi(c.text), c.value) << '"' << c.text << '"';
}

class SetupConfigTest : public SimPackageTest {};

TEST_F(SetupConfigTest, SetupReadsUseDefaultZeroAndAtoi) {
    Put("DRVCONFIG\\setup.ini",
        "[DEVICENAME]\nSupported32OR64=abc\nLOADLICENSE=1\nsupportedusbmode = 2 \nSHELLEXENAME=PrnTool\n");
    Put("DRVCONFIG\\setup_receipt.ini", "[QMX-K660.PORT]\nusbsupported=1\n");
    EXPECT_EQ(ReadSetupInt("Supported32OR64"), 0);
    EXPECT_EQ(ReadSetupInt("LOADLICENSE"), 1);
    EXPECT_EQ(ReadSetupInt("SupportedUSBMODE"), 2);
    EXPECT_EQ(ReadSetupInt("GDISTDSign"), 0);
    EXPECT_EQ(ReadSetupText("SHELLEXENAME"), "PrnTool");
    EXPECT_EQ(ReadSetupText("Missing"), "0");
    EXPECT_EQ(ReadSetupInt("DRVCONFIG\\setup_receipt.ini", "QMX-K660.PORT", "USBSUPPORTED"), 1);
    EXPECT_EQ(ReadSetupInt("DRVCONFIG\\setup_receipt.ini", "QMX-K660.PORT", "LPTSUPPORTED"), 0);
}

TEST_F(SetupConfigTest, SetupTextIsCutTo199Bytes) {
    Put("DRVCONFIG\\setup.ini", "[DEVICENAME]\nSHELLEXENAME=" + std::string(250, 'u') + "\n");
    EXPECT_EQ(ReadSetupText("SHELLEXENAME"), std::string(199, 'u'));
}

TEST_F(SetupConfigTest, TypeIniNamesByTypeCaseAndBitness) {
    struct Case { int type; bool capitalised; bool is64; const char* name; } cases[] = {
        {0, false, false, "DRVCONFIG\\setup_receipt.ini"},
        {0, true, false, "DRVCONFIG\\setup_receipt.ini"},
        {1, true, false, "DRVCONFIG\\setup_Ticket.ini"},
        {2, true, true, "DRVCONFIG\\setup_Label_64.ini"},
        {3, false, true, "DRVCONFIG\\setup_embedded_64.ini"},
        {3, true, false, "DRVCONFIG\\setup_Embedded.ini"},
        {4, true, false, ""},
        {-1, false, false, ""},
    };
    for (const Case& c : cases) {
        is64BitWindows = c.is64;
        EXPECT_EQ(TypeIniName(c.type, c.capitalised), c.name) << c.type << c.capitalised << c.is64;
    }
}

TEST_F(SetupConfigTest, MakeIniPathsBuildsFromTheProgramFolder) {
    IniPaths paths = MakeIniPaths(1);
    EXPECT_EQ(paths.setupIniPath, "D:\\disc\\DRVCONFIG\\setup.ini");
    EXPECT_EQ(paths.typeIniPath, "D:\\disc\\DRVCONFIG\\setup_Ticket.ini");
    EXPECT_EQ(MakeIniPaths(7).typeIniPath, "D:\\disc\\");
}

// A folder far longer than the 200-byte buffers the installer once used still works.
TEST_F(SetupConfigTest, LongProgramFolderWorks) {
    std::string folder = "D:\\" + std::string(120, 'a') + "\\" + std::string(120, 'b');
    machine->Identity().programPath = folder + "\\drvsetup.exe";
    machine->Disk().PutFile(folder + "\\DRVCONFIG\\setup_embedded_64.ini", "[E.PORT]\nCOMSUPPORTED=1\n");
    machine->Disk().PutFile(folder + "\\DRVCONFIG\\setup.ini", "[DEVICENAME]\nDEVICENUMBER=1\nDEVICENAME1=E-EmbeddedPrinter\n");
    is64BitWindows = true;
    ModelCatalogue catalogue;
    EXPECT_EQ(catalogue.TypeIniPath(3), folder + "\\DRVCONFIG\\setup_embedded_64.ini");
    std::string name;
    EXPECT_EQ(catalogue.GetCatalogueEntry(1, name), kTypeEmbedded);
    EXPECT_EQ(ReadSetupInt("DRVCONFIG\\setup_Embedded_64.ini", "E.PORT", "COMSUPPORTED"), 1);
    EXPECT_EQ(MakeIniPaths(3).typeIniPath, folder + "\\DRVCONFIG\\setup_Embedded_64.ini");
}

class CatalogueTest : public SimPackageTest {
protected:
    void SetUp() override {
        SimPackageTest::SetUp();
        Put("DRVCONFIG\\setup.ini",
            "[DEVICENAME]\n"
            "DEVICENUMBER=6\n"
            "DEVICENAME1=QMX-K660-ReceiptPrinter\n"
            "DEVICENAME3=QMX-T5-TicketPrinter\n"
            "DEVICENAME4=A-TicketPrinter-ReceiptPrinter\n"
            "DEVICENAME5=QMX-K660\n"
            "DEVICENAME6=QMX-L40-LabelPrinter\n"
            "DEVICENAME03=padded\n"
            "DEFAULTNAME=3\n");
    }
};

TEST_F(CatalogueTest, EntriesGiveTypeAndNameWithoutSuffix) {
    ModelCatalogue catalogue;
    EXPECT_EQ(catalogue.GetCatalogueCount(), 6);
    struct Case { int entry; int type; const char* name; } cases[] = {
        {1, kTypeReceipt, "QMX-K660"},
        {2, kTypeNone, "0"},  // absent between present entries
        {3, kTypeTicket, "QMX-T5"},
        {4, kTypeReceipt, "A-TicketPrinter"},  // the receipt suffix is searched first
        {5, kTypeNone, "QMX-K660"},
        {6, kTypeLabel, "QMX-L40"},
        {0, kTypeNone, "0"},
    };
    for (const Case& c : cases) {
        std::string name = "stale";
        EXPECT_EQ(catalogue.GetCatalogueEntry(c.entry, name), c.type) << c.entry;
        EXPECT_EQ(name, c.name) << c.entry;
    }
}

TEST_F(CatalogueTest, DefaultEntryAndMissingDefault) {
    ModelCatalogue catalogue;
    std::string name;
    EXPECT_EQ(catalogue.GetDefaultEntry(name), kTypeTicket);
    EXPECT_EQ(name, "QMX-T5");
    Put("DRVCONFIG\\setup.ini", "[DEVICENAME]\nDEVICENAME1=QMX-K660-ReceiptPrinter\n");
    EXPECT_EQ(catalogue.GetDefaultEntry(name), kTypeNone);
    EXPECT_EQ(name, "0");
    EXPECT_EQ(catalogue.GetCatalogueCount(), 0);
}

TEST_F(CatalogueTest, PathsFollowTheBitness) {
    ModelCatalogue on32;
    EXPECT_EQ(on32.SetupPath(), "D:\\disc\\DRVCONFIG\\setup.ini");
    EXPECT_EQ(on32.TypeIniPath(0), "D:\\disc\\DRVCONFIG\\setup_receipt.ini");
    is64BitWindows = true;
    ModelCatalogue on64;
    const char* expected[] = {"setup_receipt_64.ini", "setup_ticket_64.ini", "setup_label_64.ini",
                              "setup_embedded_64.ini"};
    for (int type = 0; type < 4; ++type)
        EXPECT_EQ(on64.TypeIniPath(type), std::string("D:\\disc\\DRVCONFIG\\") + expected[type]);
}

TEST_F(CatalogueTest, MissingPackageReadsDefaults) {
    machine->Identity().programPath = "D:\\empty\\drvsetup.exe";
    ModelCatalogue catalogue;
    std::string name;
    EXPECT_EQ(catalogue.GetCatalogueCount(), 0);
    EXPECT_EQ(catalogue.GetCatalogueEntry(1, name), kTypeNone);
    EXPECT_EQ(name, "0");
    EXPECT_EQ(ReadSetupInt("LOADLICENSE"), 0);
}

}  // namespace
