#pragma once
// A simulated machine with a program folder, a language file holding the engine's
// messages, and a fresh error text: the ground for the spooler-side engine tests.
#include <string>

#include "installer/engine/ErrorText.h"
#include "platform/ErrorCodes.h"
#include "tests/native/SimPackage.h"

class SpoolerEngineTest : public SimPackageTest {
protected:
    void SetUp() override {
        SimPackageTest::SetUp();
        Put("language\\setup_EN.ini",
            "[Message]\r\n"
            "IDS_ERR_TOOMANY=Too many printers\r\n"
            "IDS_ERR_ADDPRINTER=Cannot add the printer\r\n"
            "IDS_ERR_ADDPRNDRV3=Cannot add the driver\r\n"
            "IDS_ERR_ADDMONITOR=Cannot add the monitor\r\n"
            "IDS_ERR_ADDPROCESSOR=Cannot add the print processor\r\n"
            "IDS_ERR_ALLOCMEMORY=Out of memory\r\n");
        errorText.Clear();
        UseWindows("xp");
    }
    void TearDown() override {
        errorText.Clear();
        SimPackageTest::TearDown();
    }
    // Makes the machine a stock Windows and lays out its folders and spooler anew.
    void UseWindows(const std::string& release, int bits = 32) {
        plat::sim::StockWindows(release, bits, machine->Identity());
        machine->CreateSystemFolders();
        is64BitWindows = bits == 64;
    }
    plat::sim::SimSpooler& Spooler() { return machine->PrintSpooler(); }
    plat::sim::SimRegistry& Registry() { return machine->RegistryData(); }
};
