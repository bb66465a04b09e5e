// Whether the maker's monitors and print processor are missing, outdated or current.
#include "installer/config/ModelCatalogue.h"
#include "installer/engine/ComponentChecks.h"
#include "installer/engine/FileStaging.h"
#include "tests/native/SpoolerEngineFixture.h"

namespace {

using plat::sim::SimRegistry;

class ComponentChecksTest : public SpoolerEngineTest {
protected:
    void SetUp() override {
        SpoolerEngineTest::SetUp();
        catalogue = std::make_unique<ModelCatalogue>();
        ResetCabinetState();
        Setup("3", "4", "2");
    }
    // setup.ini with the package's versions of the serial monitor, the USB monitor and
    // the language monitor, the same for every Windows.
    void Setup(const std::string& serial, const std::string& usb, const std::string& language) {
        std::string text = "[ProcessorVersion]\r\nDriverVersion=3\r\n";
        for (const char* suffix : {".98", ".NT", ".XP", ".Win7"})
            text += std::string("[COMMON-MONITOR") + suffix + "]\r\n" +
                    "COMMONitorPName=KQ Serial Port Monitor\r\nCOMMONitorPDLLName=KQCOMMON.DLL\r\n"
                    "COMMONitorPUIDLLName=KQCOMUI.DLL\r\nCOMMONitorVersion=" + serial + "\r\n"
                    "USBMONitorPName=KQ USB Port Monitor\r\nUSBMONitorPDLLName=KQUSBMON.DLL\r\n"
                    "USBMONitorVersion=" + usb + "\r\n"
                    "USBLMONitorName=KQ USB Language Monitor\r\nUSBLMONitorDLLName=KQLMON.DLL\r\n"
                    "USBLMONitorVersion=" + language + "\r\n";
        Put("DRVCONFIG\\setup.ini", text);
        for (const char* dll : {"KQCOMMON.DLL", "KQCOMUI.DLL", "KQUSBMON.DLL", "KQLMON.DLL", "QMXPP.DLL"}) {
            Put(std::string("W32\\") + dll, dll);
            Put(std::string("W64\\") + dll, dll);
        }
    }
    std::optional<uint32_t> Version(const std::string& key) {
        const plat::sim::RegistryValue* v = Registry().FindValue(key, "DriverVersion");
        return v ? SimRegistry::AsDword(*v) : std::nullopt;
    }
    std::string MonitorKey(const char* name) { return Spooler().MonitorKey(name); }
    ModelCatalogue& Cat() { return *catalogue; }
    std::unique_ptr<ModelCatalogue> catalogue;
};

TEST_F(ComponentChecksTest, InstalledVersionAgainstThePackage) {
    struct Case { const char* installed; const char* package; int result; } cases[] = {
        {"3", "3", 0}, {"3", "4", kSerialMonitorOutdated}, {"4", "3", 0}, {nullptr, "3", kSerialMonitorOutdated},
        {"0", "4294967295", kSerialMonitorOutdated},  // unsigned: the largest is newer
    };
    for (const Case& c : cases) {
        SetUp();
        Setup(c.package, "4", "2");
        std::string installed = c.installed ? c.installed : "";
        Spooler().PutMonitor("KQ Serial Port Monitor", "KQCOMMON.DLL", c.installed ? &installed : nullptr);
        EXPECT_EQ(CheckPortMonitors(Cat(), kTypeReceipt, 3, "KQCOM1:", errorText), c.result)
            << (c.installed ? c.installed : "none") << " vs " << c.package;
        EXPECT_TRUE(errorText.Empty());
        TearDown();
    }
}

TEST_F(ComponentChecksTest, MissingSerialMonitorIsInstalledAtOnce) {
    EXPECT_EQ(CheckPortMonitors(Cat(), kTypeReceipt, 3, "KQCOM1:", errorText), 0);
    EXPECT_TRUE(errorText.Empty()) << errorText.Text();
    EXPECT_EQ(Version(MonitorKey("KQ Serial Port Monitor")), std::optional<uint32_t>(3));
    EXPECT_EQ(SimRegistry::AsText(*Registry().FindValue(MonitorKey("KQ Serial Port Monitor"), "Driver")), "KQCOMMON.DLL");
    EXPECT_TRUE(machine->Disk().GetAttributes("C:\\WINDOWS\\system32\\KQCOMUI.DLL", nullptr) !=
                plat::kInvalidFileAttributes);
}

TEST_F(ComponentChecksTest, WhichPortsAndWindowsCheckWhichMonitor) {
    struct Case { const char* release; int bits; int os; const char* port; bool serialTouched, usbTouched; } cases[] = {
        {"xp", 32, 3, "LPT1:", false, false},
        {"xp", 32, 3, "KQNET_1", false, false},
        {"7", 64, 7, "KQCOM1:", false, false},  // no serial monitor on 64-bit Windows
        {"98", 32, 0, "KQCOM1:", false, false},
        {"nt4", 32, 1, "USB_QMX-K660_1", false, false},
        {"xp", 32, 3, "USB_QMX-K660_1", false, true},
        {"7", 64, 7, "USB_QMX-K660_1", false, true},
    };
    for (const Case& c : cases) {
        SetUp();
        UseWindows(c.release, c.bits);
        EXPECT_EQ(CheckPortMonitors(Cat(), kTypeReceipt, c.os, c.port, errorText), 0) << c.release << c.port;
        EXPECT_EQ(Registry().KeyExists(MonitorKey("KQ Serial Port Monitor")), c.serialTouched) << c.release << c.port;
        EXPECT_EQ(Registry().KeyExists(MonitorKey("KQ USB Port Monitor")), c.usbTouched) << c.release << c.port;
        TearDown();
    }
}

TEST_F(ComponentChecksTest, MonitorThatCannotBeAddedEndsWith15) {
    Setup("3", "4", "2");
    machine->Disk().RemoveFile("D:\\disc\\W32\\KQUSBMON.DLL");  // nothing to stage: the spooler cannot load it
    EXPECT_EQ(CheckPortMonitors(Cat(), kTypeReceipt, 3, "USB_QMX-K660_1", errorText), kAddMonitorFailed);
    EXPECT_NE(errorText.Text().find("Cannot add the monitor\nThe specified module could not be found."),
              std::string::npos)
        << errorText.Text();
}

TEST_F(ComponentChecksTest, LanguageMonitor) {
    EXPECT_EQ(CheckLanguageMonitor(Cat(), kTypeReceipt, 3, "KQCOM1:", errorText), 0);
    EXPECT_FALSE(Registry().KeyExists(MonitorKey("KQ USB Language Monitor")));
    EXPECT_EQ(CheckLanguageMonitor(Cat(), kTypeReceipt, 3, "USB_QMX-K660_1", errorText), 0);
    EXPECT_EQ(Version(MonitorKey("KQ USB Language Monitor")), std::optional<uint32_t>(2));
    Setup("3", "4", "5");
    EXPECT_EQ(CheckLanguageMonitor(Cat(), kTypeReceipt, 3, "USB_QMX-K660_1", errorText), kLanguageMonitorOutdated);

    // A package that names no language monitor (the three keys read "0").
    SetUp();
    Put("DRVCONFIG\\setup.ini", "[COMMON-MONITOR.XP]\r\nUSBMONitorPName=x\r\n");
    EXPECT_EQ(CheckLanguageMonitor(Cat(), kTypeReceipt, 3, "USB_QMX-K660_1", errorText), 0);
    EXPECT_TRUE(Registry().Changes().empty());
}

TEST_F(ComponentChecksTest, PrintProcessor) {
    EXPECT_EQ(CheckPrintProcessor(3, "WinPrint", "", errorText), 0);
    EXPECT_EQ(CheckPrintProcessor(3, "QMX Raster Processor", "QMXPP.DLL", errorText), 0);
    std::string key = Spooler().ProcessorKey("Windows NT x86", "QMX Raster Processor");
    EXPECT_EQ(Version(key), std::optional<uint32_t>(3));
    EXPECT_EQ(machine->SleptMilliseconds(), 200u);
    EXPECT_EQ(CheckPrintProcessor(3, "QMX Raster Processor", "QMXPP.DLL", errorText), 0);  // current now

    Registry().PutValue(key, "DriverVersion", plat::kRegDword, SimRegistry::Dword(2));
    EXPECT_EQ(CheckPrintProcessor(3, "QMX Raster Processor", "QMXPP.DLL", errorText), kProcessorOutdated);
    EXPECT_TRUE(errorText.Empty());
}

TEST_F(ComponentChecksTest, PrintProcessorOn64BitWindowsUsesTheX64Key) {
    UseWindows("7", 64);
    EXPECT_EQ(CheckPrintProcessor(7, "QMX Raster Processor", "QMXPP.DLL", errorText), 0);
    EXPECT_EQ(Version(Spooler().ProcessorKey("Windows x64", "QMX Raster Processor")), std::optional<uint32_t>(3));
}

TEST_F(ComponentChecksTest, ProcessorThatCannotBeAddedEndsWith14) {
    machine->Disk().RemoveFile("D:\\disc\\W32\\QMXPP.DLL");
    EXPECT_EQ(CheckPrintProcessor(3, "QMX Raster Processor", "QMXPP.DLL", errorText), kAddProcessorFailed);
    EXPECT_EQ(errorText.Text(), "Cannot add the print processor");
}

TEST_F(ComponentChecksTest, SpoolDirectoryThenRestart) {
    Registry().PutKey("HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Print\\Printers\\P");
    SetSpoolDirectory("P");
    EXPECT_EQ(SimRegistry::AsText(*Registry().FindValue(
                  "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Print\\Printers\\P", "SpoolDirectory")),
              "C:\\windows\\system32\\spool\\printers");
    ASSERT_EQ(machine->Services().History().size(), 2u);
    EXPECT_EQ(machine->SleptMilliseconds(), 300u);
    SetSpoolDirectory("Absent");  // not created
    EXPECT_FALSE(Registry().KeyExists("HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Print\\Printers\\Absent"));
}

}  // namespace
