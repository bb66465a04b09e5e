// Adding the spooler's objects and making the default printer, on the simulated spooler.
#include "installer/engine/SpoolerObjects.h"
#include "tests/native/SpoolerEngineFixture.h"

namespace {

using plat::sim::SimRegistry;

class SpoolerObjectsTest : public SpoolerEngineTest {
protected:
    // A driver the spooler knows, so that printers can be added with it.
    void KnownDriver(const std::string& name = "Drv") {
        Registry().PutKey(Spooler().DriverKey(Spooler().DefaultEnvironment(), 3, name));
    }
    plat::PrinterInfo2 Printer(const std::string& name, const std::string& port = "COM1:") {
        plat::PrinterInfo2 p;
        p.pPrinterName = name;
        p.pDriverName = "Drv";
        p.pPortName = port;
        p.pPrintProcessor = "WinPrint";
        return p;
    }
    bool HasPrinter(const std::string& name) { return Registry().KeyExists(Spooler().PrinterKey(name)); }
};

TEST_F(SpoolerObjectsTest, TakenNamesAreNumberedUpTo98) {
    struct Case { int taken; const char* accepted; } cases[] = {
        {0, "QMX-K660(S)"}, {1, "QMX-K660(S)(1)"}, {5, "QMX-K660(S)(5)"}, {98, "QMX-K660(S)(98)"},
    };
    for (const Case& c : cases) {
        SetUp();
        KnownDriver();
        // taken = 1 means the plain name; more take (1), (2) ... as well.
        for (int n = 0; n < c.taken; ++n)
            Spooler().PutPrinter(n == 0 ? "QMX-K660(S)" : "QMX-K660(S)(" + std::to_string(n) + ")", "Drv");
        plat::PrinterInfo2 printer = Printer("QMX-K660(S)");
        EXPECT_EQ(AddPrinterEntry(printer, 2, false, errorText), 1) << c.taken;
        EXPECT_EQ(printer.pPrinterName, c.accepted);
        EXPECT_TRUE(HasPrinter(c.accepted));
        EXPECT_TRUE(errorText.Empty());
        TearDown();
    }
}

TEST_F(SpoolerObjectsTest, AllNumberedNamesTakenIsTooMany) {
    KnownDriver();
    Spooler().PutPrinter("P", "Drv");
    for (int n = 1; n <= 98; ++n) Spooler().PutPrinter("P(" + std::to_string(n) + ")", "Drv");
    plat::PrinterInfo2 printer = Printer("P");
    EXPECT_EQ(AddPrinterEntry(printer, 2, false, errorText), 0);
    EXPECT_EQ(errorText.Text(), "Too many printers");
    EXPECT_FALSE(HasPrinter("P(99)"));
}

TEST_F(SpoolerObjectsTest, UsbPrinterWithATakenNameFailsAtOnce) {
    KnownDriver();
    Spooler().PutPrinter("QMX-K660(U)", "Drv", "USB_QMX-K660_1");
    plat::PrinterInfo2 printer = Printer("QMX-K660(U)", "USB_QMX-K660_1");
    EXPECT_EQ(AddPrinterEntry(printer, 2, true, errorText), 0);
    EXPECT_EQ(errorText.Text(), "Too many printers");
    EXPECT_EQ(printer.pPrinterName, "QMX-K660(U)");
    EXPECT_FALSE(HasPrinter("QMX-K660(U)(1)"));
}

TEST_F(SpoolerObjectsTest, OtherAddPrinterFailuresCarryTheSystemText) {
    plat::PrinterInfo2 printer = Printer("P");  // no driver installed: 1797
    EXPECT_EQ(AddPrinterEntry(printer, 2, false, errorText), 0);
    EXPECT_EQ(errorText.Text(), "Cannot add the printer\nThe printer driver is unknown.\r\n");
}

TEST_F(SpoolerObjectsTest, AddDriverNeedsItsFilesInTheDriverFolder) {
    plat::DriverInfo3 driver;
    driver.cVersion = 3;
    driver.pName = "Drv";
    driver.pDriverPath = "UNIDRV.DLL";
    driver.pDataFile = "M.GPD";
    driver.pConfigFile = "UNIDRVUI.DLL";
    driver.pHelpFile = "UNIDRV.HLP";
    driver.pDependentFiles = std::string("M.GPD\0TTFSUB.GPD\0", 17);
    EXPECT_EQ(AddDriverEntry(driver, errorText), 0);
    EXPECT_EQ(errorText.Text(), "Cannot add the driver\nThe system cannot find the file specified.\r\n");

    errorText.Clear();
    std::string folder;
    ASSERT_EQ(Spooler().DriverDirectory("", folder), 0u);
    EXPECT_EQ(folder, "C:\\WINDOWS\\system32\\spool\\DRIVERS\\W32X86");
    for (const char* file : {"UNIDRV.DLL", "M.GPD", "UNIDRVUI.DLL", "UNIDRV.HLP", "TTFSUB.GPD"})
        machine->Disk().PutFile(folder + "\\" + file, file);
    EXPECT_EQ(AddDriverEntry(driver, errorText), 1);
    EXPECT_TRUE(errorText.Empty());
    std::string key = Spooler().DriverKey("Windows NT x86", 3, "Drv");
    ASSERT_NE(Registry().FindValue(key, "Dependent Files"), nullptr);
    EXPECT_EQ(Registry().FindValue(key, "Dependent Files")->data, std::string("M.GPD\0TTFSUB.GPD\0\0", 18));
    std::string moved;
    EXPECT_EQ(machine->Disk().ReadWholeFile(folder + "\\3\\TTFSUB.GPD", moved), 0u);
}

TEST_F(SpoolerObjectsTest, MonitorAlreadyInstalledCountsAsAdded) {
    Spooler().PutMonitor("KQ Serial Port Monitor", "KQCOMMON.DLL", nullptr);
    EXPECT_EQ(AddMonitorEntry({"KQ Serial Port Monitor", "", "KQCOMMON.DLL"}, errorText), 1);
    EXPECT_TRUE(errorText.Empty());

    // A DLL the spooler cannot load is a failure with the system's text.
    EXPECT_EQ(AddMonitorEntry({"KQ USB Port Monitor", "", "KQUSBMON.DLL"}, errorText), 0);
    EXPECT_EQ(errorText.Text(), "Cannot add the monitor\nThe specified module could not be found.\r\n");

    errorText.Clear();
    machine->Disk().PutFile("C:\\WINDOWS\\system32\\KQUSBMON.DLL", "dll");
    EXPECT_EQ(AddMonitorEntry({"KQ USB Port Monitor", "", "KQUSBMON.DLL"}, errorText), 1);
    EXPECT_EQ(SimRegistry::AsText(*Registry().FindValue(Spooler().MonitorKey("KQ USB Port Monitor"), "Driver")),
              "KQUSBMON.DLL");
}

TEST_F(SpoolerObjectsTest, ProcessorThatExistsGivesWindowsAnswer) {
    for (uint32_t answer : {3005u, 183u}) {
        SetUp();
        Spooler().Settings().processorExistsError = answer;
        Spooler().PutProcessor("", "QMX Raster Processor", "QMXPP.DLL", nullptr);
        EXPECT_EQ(AddProcessorEntry("QMX Raster Processor", "QMXPP.DLL", 3), answer);
        TearDown();
    }
    SetUp();
    EXPECT_EQ(AddProcessorEntry("QMX Raster Processor", "QMXPP.DLL", 3), 0u);  // DLL not staged: 2
    machine->Disk().PutFile("C:\\WINDOWS\\system32\\spool\\PRTPROCS\\W32X86\\QMXPP.DLL", "dll");
    EXPECT_EQ(AddProcessorEntry("QMX Raster Processor", "QMXPP.DLL", 3), 1u);
    EXPECT_TRUE(Registry().KeyExists(Spooler().ProcessorKey("Windows NT x86", "QMX Raster Processor")));
}

TEST_F(SpoolerObjectsTest, DefaultPrinterForEachWindowsFamily) {
    struct Case {
        const char* release;
        bool broadcastSection;  // "windows" as the parameter (9x) or none
    } cases[] = {{"98", true}, {"nt4", false}, {"xp", false}, {"7", false}};
    for (const Case& c : cases) {
        SetUp();
        UseWindows(c.release);
        KnownDriver("Drv");
        Spooler().PutPrinter("P", "Drv", "LPT1:");
        const std::string name = "P";
        EXPECT_EQ(MakeDefaultPrinter(&name), 1) << c.release;
        std::string now;
        EXPECT_EQ(Spooler().DefaultPrinterName(now), 0u) << c.release;
        EXPECT_EQ(now, "P") << c.release;
        ASSERT_EQ(machine->WindowBroadcasts().Sent().size(), 1u) << c.release;
        const auto& sent = machine->WindowBroadcasts().Sent()[0];
        EXPECT_FALSE(sent.notify);
        EXPECT_EQ(sent.timeoutMs, 1000u);
        EXPECT_EQ(sent.section.has_value(), c.broadcastSection) << c.release;
        TearDown();
    }
}

TEST_F(SpoolerObjectsTest, Nt4DefaultPrinterGoesToWinIni) {
    UseWindows("nt4");
    KnownDriver("QMX-K660 Receipt");
    Spooler().PutPrinter("QMX-K660(P)", "QMX-K660 Receipt", "LPT1:");
    machine->Disk().PutFile("C:\\WINNT\\win.ini", "[windows]\r\nload=\r\n[Ports]\r\nLPT1:=\r\n");
    const std::string name = "QMX-K660(P)";
    EXPECT_EQ(MakeDefaultPrinter(&name), 1);
    std::string winIni;
    machine->Disk().ReadWholeFile("C:\\WINNT\\win.ini", winIni);
    EXPECT_EQ(winIni, "[windows]\r\nload=\r\ndevice=QMX-K660(P),QMX-K660 Receipt,LPT1:\r\n[Ports]\r\nLPT1:=\r\n");
}

TEST_F(SpoolerObjectsTest, DefaultPrinterFailures) {
    EXPECT_EQ(MakeDefaultPrinter(nullptr), 0);
    const std::string unknown = "nobody";
    EXPECT_EQ(MakeDefaultPrinter(&unknown), 0);
    KnownDriver();
    Spooler().PutPrinter("P", "Drv");
    Spooler().Settings().hasSetDefaultPrinter = false;  // winspool without SetDefaultPrinterA
    const std::string name = "P";
    EXPECT_EQ(MakeDefaultPrinter(&name), 0);
    EXPECT_TRUE(machine->WindowBroadcasts().Sent().empty());
    EXPECT_TRUE(errorText.Empty());
}

TEST_F(SpoolerObjectsTest, PortListProbe) {
    EXPECT_EQ(ProbePortList(errorText), 1);
    std::vector<plat::PortInfo1> ports;
    uint32_t needed = 0;
    EXPECT_EQ(Spooler().EnumPorts1(0, needed, ports), plat::kErrorInsufficientBuffer);
    EXPECT_GT(needed, 0u);
    ASSERT_EQ(Spooler().EnumPorts1(needed, needed, ports), 0u);
    EXPECT_EQ(ports.size(), 8u);  // COM1: .. COM4:, LPT1: .. LPT3:, FILE:
}

}  // namespace
