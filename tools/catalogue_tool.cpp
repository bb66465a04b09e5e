// Shows the model catalogue of a driver package as the installer reads it on a
// simulated machine: every entry with its type and the ports its type INI offers.
//   catalogue_tool MACHINE-FILE
//   catalogue_tool --package FOLDER [--bits 32|64]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "installer/config/ModelCatalogue.h"
#include "installer/config/SetupIni.h"
#include "platform/sim/SimMachine.h"

namespace {

const char* TypeName(int type) {
    static const char* const names[] = {"receipt", "ticket", "label", "embedded"};
    return type >= 0 && type < 4 ? names[type] : "(no type suffix)";
}

void Show(plat::sim::SimMachine& machine) {
    plat::InstallPlatform(&machine);
    is64BitWindows = machine.System().IsWow64Process() == plat::Wow64Answer::Yes;
    plat::OsVersion v = machine.System().GetVersion();
    std::printf("Windows %u.%u, %d-bit, program %s\n", v.major, v.minor, is64BitWindows ? 64 : 32,
                machine.System().ModuleFileName().c_str());
    ModelCatalogue catalogue;
    int count = catalogue.GetCatalogueCount();
    std::printf("  %d entries; the default:", count);
    std::string name;
    int type = catalogue.GetDefaultEntry(name);
    std::printf(" %s (%s)\n", name.c_str(), TypeName(type));
    for (int i = 1; i <= count; ++i) {
        type = catalogue.GetCatalogueEntry(i, name);
        std::printf("  %2d %-12s %-9s", i, name.c_str(), TypeName(type));
        if (type >= 0) {
            std::string file = TypeIniName(type, false);
            std::string section = name + ".PORT";
            bool any = false;
            for (const char* key : {"USBSUPPORTED", "LPTSUPPORTED", "COMSUPPORTED", "NETSUPPORTED"}) {
                if (ReadSetupInt(file, section, key)) {
                    std::printf(" %.3s", key);
                    any = true;
                }
            }
            if (!any) std::printf(" (no port in %s)", file.c_str());
        }
        std::printf("\n");
    }
    plat::InstallPlatform(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--package") == 0) {
        int bits = argc >= 5 && std::strcmp(argv[3], "--bits") == 0 ? std::atoi(argv[4]) : 32;
        plat::sim::SimMachine machine;
        plat::sim::StockWindows(bits == 64 ? "7" : "xp", bits, machine.Identity());
        machine.Identity().programPath = "D:\\drvsetup.exe";
        machine.Disk().MapDrive('D', argv[2]);
        machine.CreateSystemFolders();
        Show(machine);
        return 0;
    }
    if (argc == 2) {
        std::string error;
        auto machine = plat::sim::SimMachine::Load(argv[1], &error);
        if (!machine) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        Show(*machine);
        return 0;
    }
    std::fprintf(stderr, "usage: catalogue_tool MACHINE-FILE | --package FOLDER [--bits 32|64]\n");
    return 2;
}
