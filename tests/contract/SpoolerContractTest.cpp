// How the print spooler answers the calls the engine makes; the same cases on the
// simulated machine and on Windows (under Wine). Where Wine answers otherwise than
// Windows the case says so (docs/wine-differences.md).
#include <cctype>
#include <string_view>

#include "platform/ErrorCodes.h"
#include "platform/Platform.h"
#include "tests/contract/ContractEnv.h"
#include "tests/contract/SpoolerEnv.h"

namespace contract {
namespace {

bool EndsWithNoCase(const std::string& text, std::string_view end) {
    if (text.size() < end.size()) return false;
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - end.size() + i])) !=
            std::tolower(static_cast<unsigned char>(end[i])))
            return false;
    return true;
}

bool OnWine() { return std::string(BackEndName()) == "win32"; }

class SpoolerContract : public ContractTest {
protected:
    void SetUp() override {
        ContractTest::SetUp();
        UseWine64Windows();
    }
    plat::Spooler& Spooler() { return plat::os().PrintSpooler(); }

    // Puts a driver's files into the driver directory and adds the driver.
    std::string InstallDriver() {
        std::string name = UniqueName("Contract Driver");
        std::string folder;
        EXPECT_EQ(Spooler().DriverDirectory("", folder), 0u);
        for (const char* file : {"CDRV.DLL", "CDRV.GPD", "CDRVUI.DLL"}) {
            PutFile(file, std::string("driver file ") + file);
            EXPECT_EQ(plat::os().FileSystem().CopyOneFile(PathOf(file), folder + "\\" + file, false), 0u) << file;
        }
        plat::DriverInfo3 driver;
        driver.cVersion = 3;
        driver.pName = name;
        driver.pDriverPath = "CDRV.DLL";
        driver.pDataFile = "CDRV.GPD";
        driver.pConfigFile = "CDRVUI.DLL";
        EXPECT_EQ(Spooler().AddDriver3(driver), 0u);
        return name;
    }
    plat::PrinterInfo2 Printer(const std::string& name, const std::string& driver) {
        plat::PrinterInfo2 p;
        p.pPrinterName = name;
        p.pDriverName = driver;
        p.pPortName = "LPT1:";
        p.pPrintProcessor = "WinPrint";
        p.pDatatype = "RAW";
        return p;
    }
};

TEST_F(SpoolerContract, DirectoriesOfTheDefaultEnvironment) {
    std::string drivers, processors;
    ASSERT_EQ(Spooler().DriverDirectory("", drivers), 0u);
    ASSERT_EQ(Spooler().ProcessorDirectory("", processors), 0u);
    EXPECT_TRUE(EndsWithNoCase(drivers, "\\spool\\drivers\\x64")) << drivers;
    EXPECT_TRUE(EndsWithNoCase(processors, "\\spool\\prtprocs\\x64")) << processors;
    ASSERT_EQ(Spooler().DriverDirectory("Windows NT x86", drivers), 0u);
    EXPECT_TRUE(EndsWithNoCase(drivers, "\\spool\\drivers\\w32x86")) << drivers;
    EXPECT_EQ(Spooler().DriverDirectory("Windows Nowhere", drivers), plat::kErrorInvalidEnvironment);
}

TEST_F(SpoolerContract, PortListNeedsItsSize) {
    uint32_t needed = 0;
    std::vector<plat::PortInfo1> ports;
    ASSERT_EQ(Spooler().EnumPorts1(0, needed, ports), plat::kErrorInsufficientBuffer);
    ASSERT_GT(needed, 0u);
    ASSERT_EQ(Spooler().EnumPorts1(needed, needed, ports), 0u);
    bool lpt1 = false, com1 = false;
    for (const auto& port : ports) {
        lpt1 = lpt1 || port.pName == "LPT1:";
        com1 = com1 || port.pName == "COM1:";
    }
    EXPECT_TRUE(lpt1);
    EXPECT_TRUE(com1);
}

TEST_F(SpoolerContract, UnknownPrinterAndUnknownDriver) {
    plat::PrinterHandle handle = 0;
    EXPECT_EQ(Spooler().OpenPrinterHandle("No Such Printer Here", plat::kPrinterAccessUse, handle),
              plat::kErrorInvalidPrinterName);
    plat::PrinterInfo2 p = Printer(UniqueName("Contract Orphan"), "No Such Driver Here");
    // Wine: 87 where Windows says the driver is unknown.
    EXPECT_EQ(Spooler().AddPrinter2(p, handle), OnWine() ? plat::kErrorInvalidParameter : plat::kErrorUnknownPrinterDriver);
}

TEST_F(SpoolerContract, DriverPrinterAndDefaultPrinter) {
    std::string driver = InstallDriver();
    std::string name = UniqueName("Contract Printer");
    plat::PrinterHandle handle = 0;
    ASSERT_EQ(Spooler().AddPrinter2(Printer(name, driver), handle), 0u);
    EXPECT_EQ(Spooler().ClosePrinterHandle(handle), 0u);
    // Windows refuses a taken name with 1802; Wine adds the printer again.
    uint32_t again = Spooler().AddPrinter2(Printer(name, driver), handle);
    if (OnWine()) {
        EXPECT_EQ(again, 0u);
        Spooler().ClosePrinterHandle(handle);
    } else {
        EXPECT_EQ(again, plat::kErrorPrinterAlreadyExists);
    }

    ASSERT_EQ(Spooler().OpenPrinterHandle(name, plat::kPrinterAllAccess, handle), 0u);
    uint32_t needed = 0;
    plat::PrinterInfo2 read;
    EXPECT_EQ(Spooler().ReadPrinter2(handle, 0, needed, read), plat::kErrorInsufficientBuffer);
    ASSERT_GT(needed, 0u);
    ASSERT_EQ(Spooler().ReadPrinter2(handle, needed, needed, read), 0u);
    EXPECT_EQ(read.pDriverName, driver);
    EXPECT_EQ(read.pPortName, "LPT1:");
    EXPECT_TRUE(EndsWithNoCase(read.pPrinterName, name));
    EXPECT_EQ(Spooler().ClosePrinterHandle(handle), 0u);

    ASSERT_EQ(Spooler().SetDefaultPrinterNamed(name), 0u);
    std::string now;
    ASSERT_EQ(Spooler().DefaultPrinterName(now), 0u);
    EXPECT_EQ(now, name);
    EXPECT_EQ(Spooler().SetDefaultPrinterNamed("No Such Printer Here"), plat::kErrorInvalidPrinterName);
}

TEST_F(SpoolerContract, PrinterWithoutDataType) {
    std::string driver = InstallDriver();
    std::string name = UniqueName("Contract Untyped");
    plat::PrinterInfo2 p = Printer(name, driver);
    p.pDatatype.clear();
    plat::PrinterHandle handle = 0;
    uint32_t result = Spooler().AddPrinter2(p, handle);
    if (OnWine()) {
        // Wine wants a data type (87), and the printer cannot be opened afterwards.
        EXPECT_EQ(result, plat::kErrorInvalidParameter);
        EXPECT_EQ(Spooler().OpenPrinterHandle(name, plat::kPrinterAccessUse, handle), plat::kErrorInvalidPrinterName);
        return;
    }
    EXPECT_EQ(result, 0u);
    Spooler().ClosePrinterHandle(handle);
    ASSERT_EQ(Spooler().OpenPrinterHandle(name, plat::kPrinterAccessUse, handle), 0u);
    Spooler().ClosePrinterHandle(handle);
}

TEST_F(SpoolerContract, MonitorsAndProcessorsThatExist) {
    EXPECT_EQ(Spooler().AddMonitor2({"Local Port", "", "localspl.dll"}), plat::kErrorPrintMonitorAlreadyInstalled);
    EXPECT_EQ(Spooler().AddMonitor2({UniqueName("Contract Monitor"), "", ""}), plat::kErrorInvalidParameter);
    EXPECT_EQ(Spooler().AddMonitor2({UniqueName("Contract Monitor"), "", "nosuchmonitor.dll"}),
              plat::kErrorModNotFound);
}

TEST_F(SpoolerContract, StandardTcpIpPortMonitor) {
    plat::PrinterHandle monitor = 0;
    uint32_t opened = Spooler().OpenPrinterHandle(",XcvMonitor Standard TCP/IP Port", plat::kServerAccessAdminister,
                                                  monitor);
    if (OnWine()) {
        // Wine has no Standard TCP/IP port monitor: opening it answers 1796.
        EXPECT_EQ(opened, plat::kErrorUnknownPort);
        return;
    }
    ASSERT_EQ(opened, 0u);
    plat::PortData1 record;
    record.sztPortName = u"KQIP_127.0.0.1";
    record.dwVersion = 1;
    record.dwProtocol = 1;
    record.cbSize = 964;
    record.sztHostAddress = u"127.0.0.1";
    record.dwPortNumber = 9100;
    std::string output;
    uint32_t status = 99;
    EXPECT_EQ(Spooler().XcvCall(monitor, u"AddPort", record.ToBytes(), 260, output, status), 0u);
    EXPECT_EQ(status, 0u);
    Spooler().ClosePrinterHandle(monitor);
}

}  // namespace
}  // namespace contract
