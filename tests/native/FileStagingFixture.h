#pragma once
// A simulated machine of a chosen Windows with the program on D:\disc, a package of
// a few payload files and the language texts the staging writes.
#include <string>

#include "installer/config/SetupIni.h"
#include "installer/engine/FileStaging.h"
#include "platform/sim/IniText.h"
#include "platform/sim/SimFiles.h"
#include "tests/native/SimPackage.h"

class FileStagingTest : public SimPackageTest {
protected:
    void SetUp() override {
        SimPackageTest::SetUp();
        ResetCabinetState();
        errorText.Clear();
        Put("language\\setup_EN.ini",
            "[Message]\r\n"
            "IDS_ERR_COPYFIEL=\"Cannot copy the driver file \"\r\n"
            "IDS_ERR_COPYFIEL1=Please close other programs.\r\n"
            "IDS_ERR_DIRTYPE=Unknown target folder.\r\n"
            "IDS_ERR_LOSTDRIVERFILE=Driver files are missing.\r\n");
    }
    void TearDown() override {
        ResetCabinetState();
        errorText.Clear();
        SimPackageTest::TearDown();
    }

    // Makes the machine a stock Windows ("xp", "7" ...) of 32 or 64 bits.
    void Windows(const char* release, int bits) {
        plat::sim::StockWindows(release, bits, machine->Identity());
        machine->CreateSystemFolders();
        is64BitWindows = bits == 64;
    }
    std::string Windir() const { return machine->Identity().windowsDirectory; }
    std::string DriverDir() const {
        std::string folder;
        plat::os().PrintSpooler().DriverDirectory("", folder);
        return folder;
    }
    // The file's bytes on the machine's disk, seen without redirection; "<none>" when missing.
    std::string Contents(const std::string& path) const {
        std::string bytes;
        return machine->Disk().ReadWholeFile(path, bytes) == 0 ? bytes : "<none>";
    }
    int Stage(std::string name, int target, int osCode, int rename = 0) {
        return StageDriverFile(name, target, osCode, rename, errorText);
    }
};
