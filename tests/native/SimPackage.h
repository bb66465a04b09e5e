#pragma once
// A simulated machine with the program on drive D: and a package built file by file,
// for tests that need a small package of their own.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "installer/config/SetupIni.h"
#include "platform/sim/SimMachine.h"

class SimPackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        machine = std::make_unique<plat::sim::SimMachine>();
        machine->Identity().programPath = "D:\\disc\\drvsetup.exe";
        plat::InstallPlatform(machine.get());
        is64BitWindows = false;
    }
    void TearDown() override {
        plat::InstallPlatform(nullptr);
        is64BitWindows = false;
    }
    // Writes a file of the package, relative to the program folder.
    void Put(const std::string& relative, const std::string& contents) {
        machine->Disk().PutFile("D:\\disc\\" + relative, contents);
    }

    std::unique_ptr<plat::sim::SimMachine> machine;
};
