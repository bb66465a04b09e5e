// The universal printer driver's core files: from Windows' driver cabinets on
// Windows 2000 to 2003, from the driver store on Vista and later.
#include "FileFixtures.h"
#include "platform/ErrorCodes.h"
#include "tests/native/FileStagingFixture.h"

namespace {

class UnidrvStagingTest : public FileStagingTest {
protected:
    std::string CabinetFolder() const { return Windir() + "\\Driver Cache\\i386"; }
    std::size_t WritesBelow(const std::string& folder) const {
        std::size_t n = 0;
        for (const auto& change : machine->Disk().Changes())
            n += change.kind == plat::sim::FileChange::Kind::Written &&
                 plat::sim::LowerAscii(change.path).rfind(plat::sim::LowerAscii(folder), 0) == 0;
        return n;
    }
};

TEST_F(UnidrvStagingTest, OnXpTheCabinetsAreListedAndExtractedOnceAndTheirCopyIsUsed) {
    Windows("xp", 32);
    Put("W32\\UNIDRV.DLL", "package copy");
    Put("W32\\STDNAMES.GPD", "package copy");
    machine->Disk().PutFile(CabinetFolder() + "\\driver.cab", kPlainCabinet);
    machine->Disk().PutFile(CabinetFolder() + "\\sp3.cab", kZipCabinet);
    std::string temp = plat::sim::TemporaryFolder(machine->Identity());

    EXPECT_EQ(Stage("unidrv.dll", TargetDriverDir3, 3), kStageInPlace);
    // The later cabinet's copy wins; the target code is not consulted.
    EXPECT_EQ(Contents(DriverDir() + "\\UNIDRV.DLL"), "unidrv.dll from the second cabinet");
    EXPECT_EQ(CabinetList(), (std::vector<std::string>{"driver.cab", "sp3.cab"}));
    EXPECT_FALSE(CabinetsPending());
    EXPECT_EQ(Contents(temp + "readme.txt"), "<none>");
    std::size_t extracted = WritesBelow(temp);
    EXPECT_EQ(extracted, 5u);  // unidrv.dll and stdnames.gpd; ttfsub.gpd, unidrv.dll, unires.dll

    // Later files come from what the first call extracted; the cabinets are not read again.
    machine->Disk().Erase(CabinetFolder());
    EXPECT_EQ(Stage("stdnames.gpd", TargetDriverDir, 3), kStageInPlace);
    EXPECT_EQ(Contents(DriverDir() + "\\STDNAMES.GPD"), "stdnames.gpd from the first cabinet");
    EXPECT_EQ(WritesBelow(temp), extracted);
    EXPECT_EQ(CabinetList().size(), 2u);
    EXPECT_TRUE(errorText.Empty());
}

TEST_F(UnidrvStagingTest, WithoutCabinetsOrOnOlderWindowsThePackageCopyIsUsed) {
    struct Case {
        const char* release;
        int osCode;
        bool cabinets;
        bool pendingAfter;
    };
    for (const Case& c : {Case{"xp", 3, false, false}, Case{"2000", 2, false, false}, Case{"nt4", 1, true, true},
                          Case{"98", 0, true, true}}) {
        SetUp();
        Windows(c.release, 32);
        Put("W32\\UNIDRV.DLL", "package copy");
        if (c.cabinets) machine->Disk().PutFile(CabinetFolder() + "\\driver.cab", kPlainCabinet);
        EXPECT_EQ(Stage("unidrv.dll", TargetDriverDir, c.osCode), kStageInPlace) << c.release;
        EXPECT_EQ(Contents(DriverDir() + "\\UNIDRV.DLL"), "package copy") << c.release;
        EXPECT_EQ(CabinetsPending(), c.pendingAfter) << c.release;
        EXPECT_TRUE(CabinetList().empty()) << c.release;
    }
}

TEST_F(UnidrvStagingTest, OnXpAFileNoCabinetHoldsComesFromThePackage) {
    Windows("xp", 32);
    Put("W32\\UNIDRVUI.DLL", "package copy");
    machine->Disk().PutFile(CabinetFolder() + "\\driver.cab", kPlainCabinet);
    EXPECT_EQ(Stage("unidrvui.dll", TargetDriverDir, 3), kStageInPlace);
    EXPECT_EQ(Contents(DriverDir() + "\\UNIDRVUI.DLL"), "package copy");
}

TEST_F(UnidrvStagingTest, On64BitWindows7TheDriverStoresAmd64FolderIsUsed) {
    Windows("7", 64);
    std::string repository = Windir() + "\\System32\\DriverStore\\FileRepository\\";
    machine->Disk().PutFile(repository + "ntprint.inf_amd64_neutral_4616c1a9\\Amd64\\UNIRES.DLL", "store amd64");
    machine->Disk().PutFile(repository + "ntprint.inf_amd64_neutral_4616c1a9\\I386\\UNIRES.DLL", "store i386");
    Put("W64\\UNIRES.DLL", "package copy");
    EXPECT_EQ(Stage("unires.dll", TargetDriverDir, 7), kStageInPlace);
    EXPECT_EQ(Contents(DriverDir() + "\\UNIRES.DLL"), "store amd64");
    EXPECT_TRUE(errorText.Empty());
}

TEST_F(UnidrvStagingTest, DriverStoreFailuresHaveNoPackageFallBack) {
    Windows("vista", 32);
    std::string repository = Windir() + "\\System32\\DriverStore\\FileRepository\\";
    Put("W32\\UNIDRV.DLL", "package copy");
    machine->Disk().PutDirectory(repository);
    EXPECT_EQ(Stage("unidrv.dll", TargetDriverDir, 5), kStageFailed);
    EXPECT_EQ(errorText.Text(), "Couldn't find system files.\nThe system cannot find the file specified.\r\n");

    errorText.Clear();
    machine->Disk().PutFile(repository + "ntprint.inf_x86_1\\I386\\UNIDRV.DLL", "store");
    machine->Disk().PutFile(DriverDir() + "\\UNIDRV.DLL", "old");
    machine->Disk().Lock(DriverDir() + "\\UNIDRV.DLL");
    EXPECT_EQ(Stage("unidrv.dll", TargetDriverDir, 5), kStageInUse);
    EXPECT_TRUE(errorText.Empty());

    EXPECT_EQ(Stage("ttfsub.gpd", TargetDriverDir, 5), kStageFailed);
    EXPECT_EQ(errorText.Text(), "Cannot copy the driver file TTFSUB.GPD\nThe system cannot find the file specified.\r\n" +
                                    repository + "ntprint.inf_x86_1\\I386\\TTFSUB.GPD");
}

}  // namespace
