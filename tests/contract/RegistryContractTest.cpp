// How the registry answers open, create, query and set; the same cases run on the
// simulated machine and on Windows (under Wine).
#include "platform/ErrorCodes.h"
#include "platform/Platform.h"
#include "tests/contract/ContractEnv.h"
#include "tests/contract/SpoolerEnv.h"

namespace contract {
namespace {

class RegistryContract : public ContractTest {
protected:
    void SetUp() override {
        ContractTest::SetUp();
        UseWine64Windows();
        base = "Software\\" + UniqueName("RegistryContract");
    }
    void TearDown() override {
        RemoveUserKey(base);
        ContractTest::TearDown();
    }
    plat::Registry& Reg() { return plat::os().Reg(); }
    plat::RegKeyHandle Create(const std::string& sub, bool* created = nullptr) {
        plat::RegKeyHandle key = 0;
        EXPECT_EQ(Reg().CreateKey(plat::kHkeyCurrentUser, base + sub, "", plat::kKeyAllAccess, key, created), 0u);
        return key;
    }
    std::string base;
};

TEST_F(RegistryContract, OpenMissingCreateAndOpenAgain) {
    plat::RegKeyHandle key = 0;
    EXPECT_EQ(Reg().OpenKey(plat::kHkeyCurrentUser, base + "\\A", plat::kKeyRead, key), plat::kErrorFileNotFound);
    EXPECT_EQ(key, 0u);
    bool created = false;
    plat::RegKeyHandle a = Create("\\A\\B", &created);  // the missing parent comes too
    EXPECT_TRUE(created);
    EXPECT_EQ(Reg().CloseKey(a), 0u);
    a = Create("\\A\\B", &created);
    EXPECT_FALSE(created);
    EXPECT_EQ(Reg().CloseKey(a), 0u);
    ASSERT_EQ(Reg().OpenKey(plat::kHkeyCurrentUser, base + "\\A\\", plat::kKeyRead, key), 0u);
    EXPECT_NE(key, 0u);
    EXPECT_EQ(Reg().CloseKey(key), 0u);
}

TEST_F(RegistryContract, ValuesComeBackAsStored) {
    plat::RegKeyHandle key = Create("");
    const std::string dword("\x03\x00\x00\x00", 4);
    const std::string text("C:\\spool\0", 9);
    ASSERT_EQ(Reg().SetValue(key, "DriverVersion", plat::kRegDword, dword), 0u);
    ASSERT_EQ(Reg().SetValue(key, "SpoolDirectory", plat::kRegSz, text), 0u);
    ASSERT_EQ(Reg().SetValue(key, "DCB", plat::kRegNone, std::string(28, '\x01')), 0u);

    struct Case { const char* name; uint32_t type; std::string data; } cases[] = {
        {"driverversion", plat::kRegDword, dword},  // names match without case
        {"SpoolDirectory", plat::kRegSz, text},
        {"DCB", plat::kRegNone, std::string(28, '\x01')},
    };
    for (const Case& c : cases) {
        uint32_t type = 99, size = 100;
        std::string data;
        EXPECT_EQ(Reg().QueryValue(key, c.name, &type, data, size), 0u) << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(data, c.data) << c.name;
        EXPECT_EQ(size, c.data.size()) << c.name;
    }
    Reg().CloseKey(key);
}

TEST_F(RegistryContract, SmallBuffersAndMissingValues) {
    plat::RegKeyHandle key = Create("");
    ASSERT_EQ(Reg().SetValue(key, "Name", plat::kRegSz, std::string("QMX-K660\0", 9)), 0u);
    for (uint32_t given : {0u, 4u, 8u}) {
        uint32_t size = given;
        std::string data = "untouched";
        EXPECT_EQ(Reg().QueryValue(key, "Name", nullptr, data, size), plat::kErrorMoreData) << given;
        EXPECT_EQ(size, 9u) << given;  // the size needed
        EXPECT_EQ(data, "untouched");
    }
    uint32_t size = 4;
    std::string data;
    EXPECT_EQ(Reg().QueryValue(key, "Missing", nullptr, data, size), plat::kErrorFileNotFound);
    Reg().CloseKey(key);
}

TEST_F(RegistryContract, SubKeysOfAnOpenKey) {
    plat::RegKeyHandle parent = Create("");
    plat::RegKeyHandle child = 0;
    ASSERT_EQ(Reg().CreateKey(parent, "Child", "", plat::kKeyAllAccess, child, nullptr), 0u);
    ASSERT_EQ(Reg().SetValue(child, "v", plat::kRegDword, std::string(4, '\0')), 0u);
    Reg().CloseKey(child);
    plat::RegKeyHandle again = 0;
    ASSERT_EQ(Reg().OpenKey(plat::kHkeyCurrentUser, base + "\\Child", plat::kKeyRead, again), 0u);
    uint32_t size = 4;
    std::string data;
    EXPECT_EQ(Reg().QueryValue(again, "v", nullptr, data, size), 0u);
    Reg().CloseKey(again);
    Reg().CloseKey(parent);
}

TEST_F(RegistryContract, TheSixtyFourBitFlagReachesTheMachineKeys) {
    // A 64-bit view of HKLM\SYSTEM is the same for every program.
    plat::RegKeyHandle key = 0;
    ASSERT_EQ(Reg().OpenKey(plat::kHkeyLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors",
                            plat::kKeyRead | plat::kKeyWow64_64Key, key),
              0u);
    Reg().CloseKey(key);
}

}  // namespace
}  // namespace contract
