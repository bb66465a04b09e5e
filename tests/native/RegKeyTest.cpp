// The registry wrapper on the simulated registry: access rights, the 64-bit view, one
// key per object.
#include "installer/engine/RegKey.h"
#include "tests/native/SpoolerEngineFixture.h"

namespace {

using plat::sim::SimRegistry;

class RegKeyTest : public SpoolerEngineTest {};

TEST_F(RegKeyTest, AccessRightsFollowTheBitness) {
    is64BitWindows = true;
    EXPECT_EQ(RegAccessRights(), 0x2011Fu);
    is64BitWindows = false;
    EXPECT_EQ(RegAccessRights(), 0xF003Fu);
}

TEST_F(RegKeyTest, On64BitWindowsTheMakersKeysAreInThe64BitView) {
    UseWindows("7", 64);
    ASSERT_EQ(CreateRegKey(plat::kHkeyLocalMachine, "SOFTWARE\\VELOXIA\\PRINTERPORT\\"), 1);
    RegKey key;
    ASSERT_EQ(key.Open(plat::kHkeyLocalMachine, "SOFTWARE\\VELOXIA\\PRINTERPORT\\"), 1);
    EXPECT_EQ(key.SetDword("USB_QMX-K660_1", 0), 1);
    EXPECT_NE(Registry().FindValue("HKLM\\SOFTWARE\\VELOXIA\\PRINTERPORT", "USB_QMX-K660_1"), nullptr);
    EXPECT_FALSE(Registry().KeyExists("HKLM\\SOFTWARE\\Wow6432Node\\VELOXIA"));

    // Without the flag this 32-bit program would have reached the redirected copy.
    plat::RegKeyHandle raw = 0;
    ASSERT_EQ(machine->Reg().CreateKey(plat::kHkeyLocalMachine, "SOFTWARE\\VELOXIA\\X", "", plat::kKeyAllAccess, raw, nullptr), 0u);
    machine->Reg().CloseKey(raw);
    EXPECT_TRUE(Registry().KeyExists("HKLM\\SOFTWARE\\Wow6432Node\\VELOXIA\\X"));
}

TEST_F(RegKeyTest, ViewsOfSharedAndRedirectedKeys) {
    struct Case { const char* release; const char* sub; uint32_t access; const char* path; } cases[] = {
        {"7", "SOFTWARE\\A", plat::kKeyRead, "HKLM\\SOFTWARE\\Wow6432Node\\A"},
        {"7", "SOFTWARE\\A", plat::kKeyRead | plat::kKeyWow64_64Key, "HKLM\\SOFTWARE\\A"},
        {"7", "SYSTEM\\CurrentControlSet\\Control\\Print", plat::kKeyRead, "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Print"},
        {"7", "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports", plat::kKeyRead,
         "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports"},
        {"vista", "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports", plat::kKeyRead,
         "HKLM\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows NT\\CurrentVersion\\Ports"},
        {"7", "SOFTWARE\\Wow6432Node\\A", plat::kKeyRead, "HKLM\\SOFTWARE\\Wow6432Node\\A"},
    };
    for (const Case& c : cases) {
        UseWindows(c.release, 64);
        EXPECT_EQ(Registry().Resolve(machine->Identity(), plat::kHkeyLocalMachine, c.sub, c.access), c.path) << c.sub;
    }
    UseWindows("xp", 32);
    EXPECT_EQ(Registry().Resolve(machine->Identity(), plat::kHkeyLocalMachine, "SOFTWARE\\A\\", plat::kKeyRead),
              "HKLM\\SOFTWARE\\A");
}

TEST_F(RegKeyTest, QueriesAndClosedObjects) {
    RegKey key;
    uint32_t value = 7, error = 0;
    EXPECT_EQ(key.QueryDword("x", value, &error), 0);  // nothing open
    EXPECT_EQ(key.SetString("x", "v"), 0);
    EXPECT_EQ(key.Close(), 0);
    EXPECT_EQ(key.Open(plat::kHkeyLocalMachine, "SYSTEM\\Nowhere"), 0);
    EXPECT_EQ(key.LastError(), plat::kErrorFileNotFound);

    Registry().PutValue("HKLM\\SYSTEM\\K", "Version", plat::kRegDword, SimRegistry::Dword(3));
    Registry().PutValue("HKLM\\SYSTEM\\K", "Name", plat::kRegSz, SimRegistry::Text("longer text"));
    ASSERT_EQ(key.Open(plat::kHkeyLocalMachine, "SYSTEM\\K"), 1);
    EXPECT_EQ(key.QueryDword("Version", value), 1);
    EXPECT_EQ(value, 3u);
    EXPECT_EQ(key.QueryDword("Missing", value, &error), 0);
    EXPECT_EQ(error, plat::kErrorFileNotFound);
    std::string text;
    EXPECT_EQ(key.QueryValue("Name", text, 4), 0);  // the buffer bounds the read
    EXPECT_EQ(key.LastError(), plat::kErrorMoreData);
    EXPECT_EQ(key.SetString("Spool", "C:\\x"), 1);
    EXPECT_EQ(key.DataSize(), 5u);
    EXPECT_EQ(Registry().FindValue("HKLM\\SYSTEM\\K", "Spool")->data, std::string("C:\\x\0", 5));
}

TEST_F(RegKeyTest, OpeningASecondKeyClosesTheFirst) {
    Registry().PutKey("HKLM\\SYSTEM\\A");
    Registry().PutKey("HKLM\\SYSTEM\\B");
    {
        RegKey key;
        ASSERT_EQ(key.Open(plat::kHkeyLocalMachine, "SYSTEM\\A"), 1);
        ASSERT_EQ(key.Open(plat::kHkeyLocalMachine, "SYSTEM\\B"), 1);
        EXPECT_EQ(machine->Reg().OpenKeyCount(), 1u);
        EXPECT_EQ(key.Open(plat::kHkeyLocalMachine, "SYSTEM\\None"), 0);
        EXPECT_FALSE(key.IsOpen());
        EXPECT_EQ(machine->Reg().OpenKeyCount(), 0u);
        ASSERT_EQ(key.Open(plat::kHkeyLocalMachine, "SYSTEM\\A"), 1);
    }
    EXPECT_EQ(machine->Reg().OpenKeyCount(), 0u);  // the destructor closed it
}

}  // namespace
