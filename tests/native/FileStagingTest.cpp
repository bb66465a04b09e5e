// Staging driver files: target codes, results and the error text.
#include "platform/ErrorCodes.h"
#include "tests/native/FileStagingFixture.h"

namespace {

TEST_F(FileStagingTest, NameIsUpperCasedInPlaceAndCopiedIntoTheDriverFolder) {
    Windows("xp", 32);
    Put("W32\\QK660.GPD", "gpd");
    std::string name = "qk660.gpd";
    EXPECT_EQ(StageDriverFile(name, TargetDriverDir, 3, 0, errorText), kStageInPlace);
    EXPECT_EQ(name, "QK660.GPD");
    EXPECT_EQ(Contents(DriverDir() + "\\QK660.GPD"), "gpd");
    EXPECT_TRUE(errorText.Empty());
}

TEST_F(FileStagingTest, RenameFlagWritesNPlusTheNameFromTheUnprefixedSource) {
    Windows("xp", 32);
    Put("W32\\KQCOMMON.DLL", "monitor");
    EXPECT_EQ(Stage("kqcommon.dll", TargetSystemDir, 3, 1), kStageInPlace);
    EXPECT_EQ(Contents(Windir() + "\\system32\\nKQCOMMON.DLL"), "monitor");
    EXPECT_EQ(Contents(Windir() + "\\system32\\KQCOMMON.DLL"), "<none>");
}

TEST_F(FileStagingTest, DriverLogFolderIsCreatedUnderTheWindowsFolder) {
    Windows("xp", 32);
    Put("W32\\QMXLOG.INI", "log settings");
    ASSERT_FALSE(machine->Disk().GetAttributes(Windir() + "\\QRTZDriverlog", nullptr) != plat::kInvalidFileAttributes);
    EXPECT_EQ(Stage("qmxlog.ini", TargetDriverLog, 3), kStageInPlace);
    EXPECT_EQ(Contents(Windir() + "\\QRTZDriverlog\\QMXLOG.INI"), "log settings");
    bool created = false;
    for (const auto& change : machine->Disk().Changes())
        created |= change.kind == plat::sim::FileChange::Kind::DirectoryCreated &&
                   plat::sim::EqualsNoCase(change.path, Windir() + "\\QRTZDriverlog");
    EXPECT_TRUE(created);
}

TEST_F(FileStagingTest, EveryTargetCodeReachesItsFolder) {
    Windows("xp", 32);
    Put("W32\\F.DLL", "f");
    std::string processors;
    plat::os().PrintSpooler().ProcessorDirectory("", processors);
    struct Case {
        int target;
        std::string folder;
    };
    for (const Case& c : {Case{TargetDriverDir, DriverDir()}, Case{TargetProcessorDir, processors},
                          Case{TargetSystemDir, Windir() + "\\system32"},
                          Case{TargetSystemDirIfMissing, Windir() + "\\system32\\"},
                          Case{TargetWbemIfMissing, Windir() + "\\system32\\wbem"},
                          Case{TargetDriverDir3, DriverDir() + "\\3"},
                          Case{TargetDriverLog, Windir() + "\\QRTZDriverlog"}}) {
        std::string target = c.folder.back() == '\\' ? c.folder + "F.DLL" : c.folder + "\\F.DLL";
        machine->Disk().Erase(target);
        EXPECT_EQ(Stage("f.dll", c.target, 3), kStageInPlace) << c.target;
        EXPECT_EQ(Contents(target), "f") << c.target;
    }
    EXPECT_TRUE(errorText.Empty());
}

TEST_F(FileStagingTest, IfMissingCodesLeaveAnExistingFileAlone) {
    Windows("7", 32);
    Put("W32\\SRCLIENT.DLL", "package");
    Put("W32\\FRAMEDYN.DLL", "package");
    machine->Disk().PutFile(Windir() + "\\system32\\srclient.dll", "windows");
    machine->Disk().PutFile(Windir() + "\\system32\\framedyn.dll", "windows");
    EXPECT_EQ(Stage("srclient.dll", TargetSystemDirIfMissing, 7), kStageInPlace);
    EXPECT_EQ(Contents(Windir() + "\\system32\\srclient.dll"), "windows");
    // Vista and later: present in the system folder means nothing to do.
    EXPECT_EQ(Stage("framedyn.dll", TargetWbemIfMissing, 7), kStageInPlace);
    EXPECT_EQ(Contents(Windir() + "\\system32\\wbem\\FRAMEDYN.DLL"), "<none>");
    // XP looks in wbem only.
    EXPECT_EQ(Stage("framedyn.dll", TargetWbemIfMissing, 3), kStageInPlace);
    EXPECT_EQ(Contents(Windir() + "\\system32\\wbem\\FRAMEDYN.DLL"), "package");
}

TEST_F(FileStagingTest, TargetInUseOrDeniedGivesItsCodeAndLeavesTheTextAlone) {
    Windows("xp", 32);
    Put("W32\\QMXUI.DLL", "new");
    std::string target = DriverDir() + "\\QMXUI.DLL";
    struct Case {
        const char* what;
        void (plat::sim::SimFileSystem::*fail)(const std::string&);
        int result;
    };
    for (const Case& c : {Case{"locked", &plat::sim::SimFileSystem::Lock, kStageInUse},
                          Case{"denied", &plat::sim::SimFileSystem::DenyWrites, kStageDenied}}) {
        SetUp();
        Windows("xp", 32);
        Put("W32\\QMXUI.DLL", "new");
        machine->Disk().PutFile(target, "old");
        (machine->Disk().*c.fail)(target);
        EXPECT_EQ(Stage("qmxui.dll", TargetDriverDir, 3), c.result) << c.what;
        EXPECT_EQ(errorText.Text(), "") << c.what;
        EXPECT_EQ(Contents(target), c.result == kStageInUse ? "<none>" : "old") << c.what;
    }
}

TEST_F(FileStagingTest, ReadOnlyTargetIsClearedAndReplaced) {
    Windows("xp", 32);
    Put("W32\\QMXUI.DLL", "new");
    std::string target = DriverDir() + "\\QMXUI.DLL";
    machine->Disk().PutFile(target, "old");
    machine->Disk().PutAttributes(target, plat::kFileAttributeReadOnly);
    EXPECT_EQ(Stage("qmxui.dll", TargetDriverDir, 3), kStageInPlace);
    EXPECT_EQ(Contents(target), "new");
}

TEST_F(FileStagingTest, NamesThatLeaveTheirFolderAreRefusedWithTheName) {
    Windows("xp", 32);
    Put("W32\\EVIL.DLL", "x");
    machine->Disk().PutFile("D:\\disc\\EVIL.DLL", "x");
    for (const char* name : {"..\\evil.dll", "sub\\..\\..\\evil.dll", "C:\\evil.dll", "C:evil.dll",
                             "\\windows\\evil.dll", "/evil.dll", "evil.dll:stream", "...\\evil.dll"}) {
        errorText.Clear();
        std::string staged = name;
        EXPECT_EQ(StageDriverFile(staged, TargetSystemDir, 3, 0, errorText), kStageFailed) << name;
        EXPECT_EQ(errorText.Text(), "Cannot copy the driver file " + staged) << name;
    }
    for (const auto& change : machine->Disk().Changes()) ADD_FAILURE() << "changed " << change.path;
}

TEST_F(FileStagingTest, AbsentNamesUnknownCodesAndFailedCopies) {
    Windows("xp", 32);
    EXPECT_EQ(Stage("0", TargetDriverDir, 3), kStageFailed);
    EXPECT_EQ(Stage("0UNIDRV.DLL", TargetDriverDir, 3), kStageFailed);
    EXPECT_TRUE(errorText.Empty());

    Put("W32\\QMXUI.DLL", "new");
    EXPECT_EQ(Stage("qmxui.dll", 12345, 3), kStageFailed);
    EXPECT_EQ(errorText.Text(), "Unknown target folder.");

    errorText.Clear();
    EXPECT_EQ(Stage("missing.dll", TargetDriverDir, 3, 1), kStageFailed);
    EXPECT_EQ(errorText.Text(),
              "Cannot copy the driver file nMISSING.DLL\nThe system cannot find the file specified.\r\n"
              "Please close other programs.");
}

TEST_F(FileStagingTest, SystemFolderCopyOn64BitWindowsReachesTheNativeFolder) {
    Windows("7", 64);
    Put("W64\\KQCOMMON.DLL", "64-bit monitor");
    EXPECT_EQ(Stage("kqcommon.dll", TargetSystemDir, 7), kStageInPlace);
    EXPECT_EQ(Contents(Windir() + "\\system32\\KQCOMMON.DLL"), "64-bit monitor");
    EXPECT_EQ(Contents(Windir() + "\\SysWOW64\\KQCOMMON.DLL"), "<none>");
    // Without switching, a 32-bit program's system32 is SysWOW64.
    EXPECT_EQ(Stage("kqcommon.dll", TargetSystemDirIfMissing, 7), kStageInPlace);
    EXPECT_EQ(Contents(Windir() + "\\SysWOW64\\KQCOMMON.DLL"), "64-bit monitor");
}

TEST_F(FileStagingTest, RedirectionSwitchTroubleOn64BitWindows) {
    Windows("7", 64);
    Put("W64\\KQCOMMON.DLL", "monitor");
    machine->Identity().kernel32Loadable = false;
    EXPECT_EQ(Stage("kqcommon.dll", TargetSystemDir, 7), kStageFailed);
    EXPECT_TRUE(errorText.Empty());
    EXPECT_EQ(Contents(Windir() + "\\system32\\KQCOMMON.DLL"), "<none>");

    // Without the switch functions the copy runs redirected.
    machine->Identity().kernel32Loadable = true;
    machine->Identity().hasRedirectionSwitches = false;
    EXPECT_EQ(Stage("kqcommon.dll", TargetSystemDir, 7), kStageInPlace);
    EXPECT_EQ(Contents(Windir() + "\\SysWOW64\\KQCOMMON.DLL"), "monitor");
}

TEST_F(FileStagingTest, DriverFileSetIsStagedInTheInstallOrder) {
    Windows("xp", 32);
    for (const char* name : {"UNIDRVUI.DLL", "QK660.GPD", "UNIDRV.DLL", "UNIDRV.HLP", "QMXRES.DLL", "QMXUI.DLL",
                             "QMXFONT.DAT", "QMXUI_EN.DLL", "QMXLOG.INI", "QMXLOGV.EXE", "SRCLIENT.DLL",
                             "FRAMEDYN.DLL", "NEWDEV.DLL"})
        Put(std::string("W32\\") + name, name);
    DriverFileSet files;
    files.configFile = "unidrvui.dll";
    files.dataFile = "QK660.GPD";
    files.driverPath = "UNIDRV.DLL";
    files.helpFile = "UNIDRV.HLP";
    files.dataFileDLLName = "QMXRES.DLL";
    files.dataOemuiDLL = "QMXUI.DLL";
    files.dataOemuniDLL = "0";
    files.dataOemuniini = "0";
    files.controlFontFile = "QMXFONT.DAT";
    files.usbInternalID = "0";
    files.languageResourceFile[0] = "QMXUI_EN.DLL";
    files.driverlogINI = "QMXLOG.INI";
    files.driverlogViewer = "QMXLOGV.EXE";
    ASSERT_EQ(StageDriverFileSet(files, 3, errorText), 1) << errorText.Text();
    EXPECT_EQ(files.configFile, "UNIDRVUI.DLL");
    EXPECT_EQ(Contents(DriverDir() + "\\QMXUI.DLL"), "QMXUI.DLL");
    EXPECT_EQ(Contents(DriverDir() + "\\3\\QMXFONT.DAT"), "QMXFONT.DAT");
    EXPECT_EQ(Contents(DriverDir() + "\\3\\QMXUI_EN.DLL"), "QMXUI_EN.DLL");
    EXPECT_EQ(Contents(Windir() + "\\QRTZDriverlog\\QMXLOGV.EXE"), "QMXLOGV.EXE");
    EXPECT_EQ(Contents(Windir() + "\\system32\\wbem\\FRAMEDYN.DLL"), "FRAMEDYN.DLL");
    EXPECT_EQ(Contents(Windir() + "\\system32\\NEWDEV.DLL"), "NEWDEV.DLL");

    files.helpFile = "";
    EXPECT_EQ(StageDriverFileSet(files, 3, errorText), 0);
    EXPECT_EQ(errorText.Text(), "Driver files are missing.");
}

}  // namespace
