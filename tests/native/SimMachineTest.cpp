#include "platform/sim/SimMachine.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/ErrorCodes.h"

namespace {

namespace fs = std::filesystem;
using plat::sim::SimMachine;

class MachineFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("machinefile-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "disc" / "DRVCONFIG");
        std::ofstream(dir / "disc" / "DRVCONFIG" / "setup.ini") << "[DEVICENAME]\nDEVICENUMBER=2\n";
    }
    void TearDown() override { fs::remove_all(dir); }
    std::unique_ptr<SimMachine> Load(const std::string& text, std::string* error = nullptr) {
        std::ofstream(dir / "m.machine") << text;
        return SimMachine::Load(dir / "m.machine", error);
    }
    fs::path dir;
};

TEST_F(MachineFileTest, StockReleaseWithOverrides) {
    auto m = Load("[Windows]\nRelease=7\nBits=64\nLanguageId=2052\n[User]\nAdministrator=no\n"
                  "[Drives]\nD=disc\n[Program]\nPath=D:\\drvsetup.exe\n");
    ASSERT_TRUE(m);
    plat::OsVersion v = m->System().GetVersion();
    EXPECT_EQ(v.major, 6u);
    EXPECT_EQ(v.minor, 1u);
    EXPECT_EQ(v.platformId, plat::kPlatformWin32Nt);
    EXPECT_EQ(m->System().IsWow64Process(), plat::Wow64Answer::Yes);
    uint16_t arch = 0;
    EXPECT_TRUE(m->System().GetNativeProcessorArchitecture(arch));
    EXPECT_EQ(arch, plat::kProcessorArchitectureAmd64);
    EXPECT_EQ(m->System().SystemDefaultLangId(), 2052);
    EXPECT_FALSE(m->Identity().administrator);
    EXPECT_EQ(m->System().ModuleFileName(), "D:\\drvsetup.exe");
    EXPECT_EQ(m->Profiles().ReadString("devicename", "devicenumber", "0", 50, "d:\\drvconfig\\SETUP.INI"), "2");
    EXPECT_TRUE(m->FileSystem().Exists("C:\\Windows\\system32"));
}

TEST_F(MachineFileTest, StockReleasesTable) {
    struct Case { const char* release; uint32_t major, minor, platformId; uint8_t product; plat::Wow64Answer wow64; } cases[] = {
        {"95", 4, 0, plat::kPlatformWin32Windows, plat::kProductWorkstation, plat::Wow64Answer::Unavailable},
        {"98", 4, 10, plat::kPlatformWin32Windows, plat::kProductWorkstation, plat::Wow64Answer::Unavailable},
        {"me", 4, 90, plat::kPlatformWin32Windows, plat::kProductWorkstation, plat::Wow64Answer::Unavailable},
        {"nt4", 4, 0, plat::kPlatformWin32Nt, plat::kProductWorkstation, plat::Wow64Answer::Unavailable},
        {"2000", 5, 0, plat::kPlatformWin32Nt, plat::kProductWorkstation, plat::Wow64Answer::Unavailable},
        {"xp", 5, 1, plat::kPlatformWin32Nt, plat::kProductWorkstation, plat::Wow64Answer::No},
        {"2003", 5, 2, plat::kPlatformWin32Nt, plat::kProductServer, plat::Wow64Answer::No},
        {"vista", 6, 0, plat::kPlatformWin32Nt, plat::kProductWorkstation, plat::Wow64Answer::No},
        {"2008", 6, 0, plat::kPlatformWin32Nt, plat::kProductServer, plat::Wow64Answer::No},
        {"8", 6, 2, plat::kPlatformWin32Nt, plat::kProductWorkstation, plat::Wow64Answer::No},
    };
    for (const auto& c : cases) {
        auto m = Load(std::string("[Windows]\nRelease=") + c.release + "\n");
        ASSERT_TRUE(m) << c.release;
        plat::OsVersion v = m->System().GetVersion();
        EXPECT_EQ(v.major, c.major) << c.release;
        EXPECT_EQ(v.minor, c.minor) << c.release;
        EXPECT_EQ(v.platformId, c.platformId) << c.release;
        EXPECT_EQ(v.productType, c.product) << c.release;
        EXPECT_EQ(m->System().IsWow64Process(), c.wow64) << c.release;
    }
}

TEST_F(MachineFileTest, BadFilesSayWhy) {
    struct Case { const char* text; const char* why; } cases[] = {
        {"[Windows]\nRelease=10\n", "unknown Release"},
        {"[Windows]\nBits=16\n", "Bits"},
        {"[Windows]\nArchitecture=arm\n", "Architecture"},
        {"[Drives]\nDD=disc\n", "one letter"},
        {"[Drives]\nE=nowhere\n", "no host folder"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(Load(c.text, &error)) << c.text;
        EXPECT_NE(error.find(c.why), std::string::npos) << error;
    }
}

// Writes land in the machine's own layer: the host folder behind a drive stays as it
// was, and the changes can be listed after a run.
TEST_F(MachineFileTest, ChangesStayInTheMachine) {
    auto m = Load("[Drives]\nD=disc\n");
    ASSERT_TRUE(m);
    auto& disk = m->Disk();
    EXPECT_EQ(disk.WriteWholeFile("D:\\drvconfig\\setup.ini", "[x]\n"), 0u);
    EXPECT_EQ(disk.MakeDirectory("D:\\New"), 0u);
    EXPECT_EQ(disk.MakeDirectory("D:\\new"), plat::kErrorAlreadyExists);
    EXPECT_EQ(disk.MakeDirectory("D:\\a\\b"), plat::kErrorPathNotFound);
    EXPECT_EQ(disk.WriteWholeFile("D:\\New\\f.txt", "1"), 0u);
    EXPECT_EQ(disk.SetAttributes("D:\\new\\F.TXT", plat::kFileAttributeReadOnly), 0u);
    EXPECT_EQ(disk.WriteWholeFile("D:\\New\\f.txt", "2"), plat::kErrorAccessDenied);
    EXPECT_EQ(disk.RemoveFile("D:\\DRVCONFIG\\setup.ini"), 0u);
    EXPECT_FALSE(m->FileSystem().Exists("D:\\DRVCONFIG\\setup.ini"));

    std::ifstream host(dir / "disc" / "DRVCONFIG" / "setup.ini");
    std::string first;
    std::getline(host, first);
    EXPECT_EQ(first, "[DEVICENAME]");
    EXPECT_EQ(disk.Changes().size(), 5u);
    EXPECT_EQ(disk.List("D:\\"), (std::vector<std::string>{"DRVCONFIG", "New"}));
    EXPECT_EQ(disk.List("D:\\drvconfig"), std::vector<std::string>{});
}

TEST(SimClockTest, SleepAdvancesVirtualTimeAtOnce) {
    SimMachine m;
    uint32_t start = m.Time().GetTickCount();
    m.Time().Sleep(1500);
    m.Time().Sleep(500);
    EXPECT_EQ(m.Time().GetTickCount() - start, 2000u);
    EXPECT_EQ(m.SleptMilliseconds(), 2000u);
}

TEST(SimProfileTest, BareFileNameIsInTheWindowsFolder) {
    SimMachine m;
    m.Disk().PutFile("C:\\WINDOWS\\win.ini", "[windows]\ndevice=P,winspool,LPT1:\n");
    EXPECT_EQ(m.Profiles().ReadString("Windows", "Device", "", 100, "WIN.INI"), "P,winspool,LPT1:");
}

}  // namespace
