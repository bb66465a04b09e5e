// The descriptor readers: a model's driver files, driver record and printer record,
// and the shared components of setup.ini.
#include "installer/config/ModelCatalogue.h"
#include "tests/native/SpoolerEngineFixture.h"

namespace {

// The dependent-file list as names, up to its first empty entry as Windows reads it.
std::vector<std::string> Names(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t end = list.find('\0', start);
        if (end == start) break;
        names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

class DescriptorTest : public SpoolerEngineTest {
protected:
    void SetUp() override {
        SpoolerEngineTest::SetUp();
        Put("DRVCONFIG\\setup.ini", "[DEVICENAME]\r\nDEVICENUMBER=0\r\n");
        gdiStdSign = 0;
    }
    void TearDown() override {
        gdiStdSign = 0;
        SpoolerEngineTest::TearDown();
    }
    void Model(const std::string& sections) { Put("DRVCONFIG\\setup_receipt.ini", sections); }
    ModelCatalogue Catalogue() {
        ModelCatalogue catalogue;
        catalogue.currentType = kTypeReceipt;
        return catalogue;
    }
};

const char* kXpModel =
    "[M.XP]\r\n"
    "DriverNameS=M Serial\r\nDriverNameP=M Parallel\r\nDriverNameU=M Usb\r\nDriverNameN=M Net\r\n"
    "GDIDriverPath=UNIDRV.DLL\r\nGDIDataFile=MG.GPD\r\nGDIConfigFile=UNIDRVUI.DLL\r\nGDIHelpFile=UNIDRV.HLP\r\n"
    "GDIProcessorDLLName=MPP.DLL\r\nGDIDataFileDLLName=MRES.DLL\r\nGDIDataOemuiDLL=MUI.DLL\r\n"
    "GDIDataOemuniDLL=MREND.DLL\r\nGDIDataOemuniini=MREND.INI\r\nGDIPrintProcessor=M Processor\r\n"
    "STDDriverPath=UNIDRV.DLL\r\nSTDDataFile=MS.GPD\r\nSTDConfigFile=UNIDRVUI.DLL\r\nSTDHelpFile=UNIDRV.HLP\r\n"
    "STDProcessorDLLName=0\r\nSTDDataFileDLLName=0\r\nSTDDataOemuiDLL=0\r\nSTDDataOemuniDLL=0\r\n"
    "STDDataOemuniini=0\r\nSTDPrintProcessor=WinPrint\r\n"
    "GDI2KDDKDEV=1\r\nSTD2KDDKDEV=0\r\nATTRIBUTES= +576x\r\n"
    "ControlFontFile=MFONT.DAT\r\nUSBInternalID=MID.DAT\r\nDriverlogViewer=MLOGV.EXE\r\n"
    "LanguageResourceFile1=MUI_EN.DLL\r\nLanguageResourceFile9=MUI_CN.DLL\r\n";

TEST_F(DescriptorTest, FileSetReadsTheFamilyKeysAndTheCommonOnes) {
    Model(kXpModel);
    DriverFileSet files;
    Catalogue().ReadDriverFileSet("M", 3, files, 1, 1);
    EXPECT_EQ(files.driverPath, "UNIDRV.DLL");
    EXPECT_EQ(files.dataFile, "MG.GPD");
    EXPECT_EQ(files.processorDLLName, "MPP.DLL");
    EXPECT_EQ(files.dataOemuniini, "MREND.INI");
    EXPECT_EQ(files.controlFontFile, "MFONT.DAT");
    EXPECT_EQ(files.usbInternalID, "MID.DAT");
    EXPECT_EQ(files.driverlogViewer, "MLOGV.EXE");
    EXPECT_EQ(files.driverlogINI, "0");  // absent keys read the default
    EXPECT_EQ(files.languageResourceFile[0], "MUI_EN.DLL");
    EXPECT_EQ(files.languageResourceFile[8], "MUI_CN.DLL");

    // A family that is neither STD nor GDI reads no family keys (nor the font and
    // internal-id slots), so the required slots stay empty for the worker to refuse.
    DriverFileSet other;
    Catalogue().ReadDriverFileSet("M", 3, other, 2, 1);
    EXPECT_EQ(other.driverPath, "");
    EXPECT_EQ(other.controlFontFile, "");
    EXPECT_EQ(other.driverlogViewer, "MLOGV.EXE");
}

TEST_F(DescriptorTest, GdiStdSignPicksTheFamilyByPort) {
    Model(kXpModel);
    gdiStdSign = 1;
    struct Case { int family, portKind; const char* dataFile; } cases[] = {
        {1, 2, "MS.GPD"},  // USB takes STD even when GDI was chosen
        {0, 0, "MG.GPD"},  // serial takes GDI
        {0, 1, "MS.GPD"},  // parallel keeps the chosen family
        {1, 3, "MG.GPD"},
    };
    for (const Case& c : cases) {
        DriverFileSet files;
        Catalogue().ReadDriverFileSet("M", 3, files, c.family, c.portKind);
        EXPECT_EQ(files.dataFile, c.dataFile) << c.family << "/" << c.portKind;
        plat::DriverInfo3 info;
        Catalogue().ReadDriverInfo("M", 3, info, c.family, c.portKind);
        EXPECT_EQ(info.pDataFile, c.dataFile) << c.family << "/" << c.portKind;
    }
}

TEST_F(DescriptorTest, DriverRecordVersionEnvironmentAndNameKeyByOs) {
    std::string sections;
    for (const char* suffix : {".98", ".NT", ".2K", ".Win7"})
        sections += std::string("[M") + suffix + "]\r\nGDIDriverName=Old " + suffix +
                    "\r\nDriverNameS=S" + suffix + "\r\nDriverNameU=U" + suffix + "\r\nGDIDataFile=D.GPD\r\n";
    Model(sections);
    struct Case { int os, port; uint32_t version; const char* env; const char* name; } cases[] = {
        {0, 0, 0, "Windows 4.0", "Old .98"}, {1, 2, 2, "", "Old .NT"},
        {2, 0, 3, "", "S.2K"},               {7, 2, 3, "", "U.Win7"},
        {7, 1, 3, "", "0"},                  {7, 9, 3, "", ""},  // unknown port kind: no name read
    };
    for (const Case& c : cases) {
        plat::DriverInfo3 info;
        Catalogue().ReadDriverInfo("M", c.os, info, 1, c.port);
        EXPECT_EQ(info.cVersion, c.version) << c.os;
        EXPECT_EQ(info.pEnvironment, c.env) << c.os;
        EXPECT_EQ(info.pName, c.name) << c.os << "/" << c.port;
        EXPECT_EQ(info.pDataFile, "D.GPD") << c.os;
    }
}

TEST_F(DescriptorTest, DependentFileList) {
    const std::string base = "[M.XP]\r\nGDIDataFile=MG.GPD\r\n";
    const std::vector<std::string> ddk = {"MG.GPD", "TTFSUB.GPD", "UNIRES.DLL", "STDNAMES.GPD"};
    struct Case {
        const char* name;
        std::string keys;
        int os;
        std::vector<std::string> expected;
    } cases[] = {
        {"no DDK key", "", 3, {}},
        {"DDK 0", "GDI2KDDKDEV=0\r\n", 3, {}},
        {"optional keys all 0", "GDI2KDDKDEV=1\r\nGDIDataFileDLLName=0\r\nGDIDataOemuiDLL=0\r\n", 3, ddk},
        {"optional keys in order", "GDI2KDDKDEV=1\r\nGDIDataOemuniini=R.INI\r\nGDIDataFileDLLName=A.DLL\r\n", 3,
         {"MG.GPD", "TTFSUB.GPD", "UNIRES.DLL", "STDNAMES.GPD", "A.DLL", "R.INI"}},
        // An empty value adds an empty entry, which ends the list there.
        {"empty entry ends the list", "GDI2KDDKDEV=1\r\nGDIDataFileDLLName=\r\nGDIDataOemuiDLL=U.DLL\r\n", 3, ddk},
    };
    for (const Case& c : cases) {
        Model(base + c.keys);
        plat::DriverInfo3 info;
        Catalogue().ReadDriverInfo("M", c.os, info, 1, 0);
        EXPECT_EQ(Names(info.pDependentFiles), c.expected) << c.name;
    }
    for (int os : {0, 1}) {
        std::string suffix = os == 0 ? ".98" : ".NT";
        Model("[M" + suffix + "]\r\nGDIDataFile=MG.GPD\r\nGDI2KDDKDEV=1\r\n");
        plat::DriverInfo3 info;
        Catalogue().ReadDriverInfo("M", os, info, 1, 0);
        EXPECT_EQ(info.pDependentFiles, "") << os;
    }
}

TEST_F(DescriptorTest, LongOptionalNamesGrowTheListWithoutCutting) {
    std::string longName(150, 'L');
    Model("[M.XP]\r\nGDIDataFile=MG.GPD\r\nGDI2KDDKDEV=1\r\nGDIDataFileDLLName=" + longName + "A\r\nGDIDataOemuiDLL=" +
          longName + "B\r\nGDIDataOemuniDLL=" + longName + "C\r\n");
    plat::DriverInfo3 info;
    Catalogue().ReadDriverInfo("M", 3, info, 1, 0);
    std::vector<std::string> names = Names(info.pDependentFiles);
    ASSERT_EQ(names.size(), 7u);
    EXPECT_EQ(names[6], longName + "C");
}

TEST_F(DescriptorTest, PrinterRecord) {
    Model(std::string(kXpModel) + "[M.NT]\r\nGDIDRIVERNAME=" + std::string(60, 'N') + "\r\nGDIPrintProcessor=P\r\n");
    plat::PrinterInfo2 info;
    Catalogue().ReadPrinterInfo("M", 3, info, 1, 3);
    EXPECT_EQ(info.pPrinterName, "M");
    EXPECT_EQ(info.pDriverName, "M Net");
    EXPECT_EQ(info.pPrintProcessor, "M Processor");
    EXPECT_EQ(info.Attributes, 576u);  // " +576x": blanks and sign taken, stops at the x
    EXPECT_EQ(info.pPortName, "");

    plat::PrinterInfo2 nt;
    Catalogue().ReadPrinterInfo("M", 1, nt, 1, 0);
    EXPECT_EQ(nt.pDriverName, std::string(49, 'N'));  // cut to the 50-byte buffer
    EXPECT_EQ(nt.pPrintProcessor, "P");
    EXPECT_EQ(nt.Attributes, 0u);

    plat::PrinterInfo2 std;
    Catalogue().ReadPrinterInfo("M", 3, std, 0, 1);
    EXPECT_EQ(std.pPrintProcessor, "WinPrint");
}

TEST_F(DescriptorTest, ComponentReaders) {
    Put("DRVCONFIG\\setup.ini",
        "[ProcessorVersion]\r\nDriverVersion=12\r\n"
        "[COMMON-MONITOR.XP]\r\nCOMMONitorPName=Ser\r\nCOMMONitorPDLLName=SER.DLL\r\nCOMMONitorVersion=3\r\n"
        "USBMONitorPName=Usb\r\nUSBMONitorPDLLName=USB.DLL\r\nUSBMONitorPUIDLLName=USBUI.DLL\r\n"
        "USBLMONitorName=Lang\r\nUSBLMONitorDLLName=LANG.DLL\r\nUSBLMONitorVersion=2\r\n"
        "[COMMON-MONITOR.98]\r\nCOMMONitorPName=Ser9x\r\n");
    ModelCatalogue catalogue;
    PortMonitorPair xp = catalogue.ReadPortMonitors(3);
    EXPECT_EQ(xp.serial.pName, "Ser");
    EXPECT_EQ(xp.serial.pDLLName, "SER.DLL");
    EXPECT_EQ(xp.serial.pEnvironment, "");
    EXPECT_EQ(xp.serialVersion, 3u);
    EXPECT_EQ(xp.serialUiDll, "0");
    EXPECT_EQ(xp.usbUiDll, "USBUI.DLL");
    EXPECT_EQ(catalogue.ReadPortMonitors(0).serial.pEnvironment, "Windows 4.0");

    LanguageMonitorInfo usb = catalogue.ReadLanguageMonitor(3, 2);
    EXPECT_EQ(usb.monitor.pName, "Lang");
    EXPECT_EQ(usb.version, 2u);
    EXPECT_EQ(catalogue.ReadLanguageMonitor(3, 0).monitor.pDLLName, "");  // not a USB port
    // Three absent keys read back "0": unset.
    LanguageMonitorInfo unset = catalogue.ReadLanguageMonitor(0, 2);
    EXPECT_EQ(unset.monitor.pName, "");
    EXPECT_EQ(unset.monitor.pDLLName, "");
    EXPECT_EQ(unset.version, 0u);
    EXPECT_EQ(catalogue.ReadProcessorVersion(), 12u);
}

TEST_F(DescriptorTest, DdkFlagIgnoresTheOverride) {
    Model("[M.XP]\r\nGDI2KDDKDEV=1\r\nSTD2KDDKDEV=0\r\n[M.2K]\r\nSTD2KDDKDEV=12\r\n");
    gdiStdSign = 1;
    ModelCatalogue catalogue = Catalogue();
    EXPECT_TRUE(catalogue.ReadDdkFlag("M", 3, 1));
    EXPECT_FALSE(catalogue.ReadDdkFlag("M", 3, 0));
    EXPECT_TRUE(catalogue.ReadDdkFlag("M", 2, 0));  // only the first character counts
    EXPECT_FALSE(catalogue.ReadDdkFlag("M", 3, 2));
}

}  // namespace
