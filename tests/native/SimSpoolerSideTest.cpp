// The simulated machine's own parts of the spooler side: profile writes, the change
// listing and the machine-file settings.
#include <filesystem>
#include <fstream>

#include "platform/sim/SimProfileWrite.h"
#include "tests/native/SpoolerEngineFixture.h"

namespace {

TEST(SimProfileWriteTest, EditsLikeWritePrivateProfileString) {
    const std::string text = "[windows]\r\nload=\r\nDevice=old\r\n\r\n[Ports]\r\nCOM1:=9600,n,8,1\r\n";
    struct Case {
        const char* name;
        std::string section;
        std::optional<std::string> key, value;
        std::string result;
    } cases[] = {
        {"replace, key matched without case", "WINDOWS", std::string("device"), std::string("P,D,LPT1:"),
         "[windows]\r\nload=\r\ndevice=P,D,LPT1:\r\n\r\n[Ports]\r\nCOM1:=9600,n,8,1\r\n"},
        {"append before the blank line", "windows", std::string("new"), std::string("1"),
         "[windows]\r\nload=\r\nDevice=old\r\nnew=1\r\n\r\n[Ports]\r\nCOM1:=9600,n,8,1\r\n"},
        {"new section at the end", "Extra", std::string("k"), std::string("v"), text + "[Extra]\r\nk=v\r\n"},
        {"no value removes the key", "Ports", std::string("COM1:"), std::nullopt,
         "[windows]\r\nload=\r\nDevice=old\r\n\r\n[Ports]\r\n"},
        {"no key removes the section", "windows", std::nullopt, std::nullopt, "[Ports]\r\nCOM1:=9600,n,8,1\r\n"},
        {"removing what is not there", "Nowhere", std::string("k"), std::nullopt, text},
    };
    for (const Case& c : cases)
        EXPECT_EQ(plat::sim::EditProfileText(text, c.section, c.key, c.value), c.result) << c.name;
}

class SimSpoolerSideTest : public SpoolerEngineTest {};

TEST_F(SimSpoolerSideTest, ChangesAreListed) {
    plat::RegKeyHandle key = 0;
    ASSERT_EQ(machine->Reg().CreateKey(plat::kHkeyLocalMachine, "SOFTWARE\\VELOXIA\\PORTNAME", "", plat::kKeyAllAccess,
                                       key, nullptr),
              0u);
    ASSERT_EQ(machine->Reg().SetValue(key, "USB_QMX-K660_3", plat::kRegDword, plat::sim::SimRegistry::Dword(3)), 0u);
    machine->Reg().CloseKey(key);
    EXPECT_EQ(Registry().DescribeChanges(),
              (std::vector<std::string>{"key created HKLM\\SOFTWARE\\VELOXIA",
                                        "key created HKLM\\SOFTWARE\\VELOXIA\\PORTNAME",
                                        "HKLM\\SOFTWARE\\VELOXIA\\PORTNAME\\[USB_QMX-K660_3] = REG_DWORD 3"}));
}

TEST(SimSpoolerMachineFileTest, SettingsAreApplied) {
    auto file = std::filesystem::temp_directory_path() / "spooler-machine.ini";
    std::ofstream(file) << "[Windows]\nRelease=xp\n"
                           "[Spooler]\nPrinter=QMX-K660(S)\nMonitor=KQ Serial Port Monitor, KQCOMMON.DLL, 2\n"
                           "Processor=QMX Raster Processor,QMXPP.DLL\nProcessorExistsError=183\nXcvCallError=5\n"
                           "[SpoolerService]\nState=stopped\nStartError=1058\nStaysStopPending=1\n";
    std::string error;
    auto machine = plat::sim::SimMachine::Load(file, &error);
    ASSERT_TRUE(machine) << error;
    auto& spooler = machine->PrintSpooler();
    auto& registry = machine->RegistryData();
    EXPECT_TRUE(registry.KeyExists(spooler.PrinterKey("QMX-K660(S)")));
    auto version = registry.FindValue(spooler.MonitorKey("KQ Serial Port Monitor"), "DriverVersion");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(plat::sim::SimRegistry::AsDword(*version), std::optional<uint32_t>(2));
    EXPECT_TRUE(registry.KeyExists(spooler.ProcessorKey("Windows NT x86", "QMX Raster Processor")));
    EXPECT_EQ(registry.FindValue(spooler.ProcessorKey("Windows NT x86", "QMX Raster Processor"), "DriverVersion"),
              nullptr);
    EXPECT_EQ(spooler.Settings().processorExistsError, 183u);
    EXPECT_EQ(spooler.Settings().xcvCallError, 5u);
    EXPECT_EQ(machine->Services().SpoolerState(), plat::kServiceStopped);
    EXPECT_EQ(machine->Services().Settings().startError, 1058u);
    EXPECT_TRUE(machine->Services().Settings().staysStopPending);
    EXPECT_TRUE(registry.Changes().empty());  // set-up is not a change

    std::ofstream(file) << "[SpoolerService]\nState=paused\n";
    EXPECT_FALSE(plat::sim::SimMachine::Load(file, &error));
    EXPECT_NE(error.find("State must be running or stopped"), std::string::npos);
    std::filesystem::remove(file);
}

}  // namespace
