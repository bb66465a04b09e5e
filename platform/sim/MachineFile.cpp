// Loading a machine file (docs/machine-file.md).
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/sim/IniText.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimMachine.h"

namespace plat::sim {

namespace {

bool ParseVersion(const std::string& text, OsVersion& version) {
    unsigned major = 0, minor = 0, build = 0;
    int n = std::sscanf(text.c_str(), "%u.%u.%u", &major, &minor, &build);
    if (n < 2) return false;
    version.major = major;
    version.minor = minor;
    if (n == 3) version.build = build;
    return true;
}

bool ParseFlag(const std::string& text) { return text == "1" || EqualsNoCase(text, "yes") || EqualsNoCase(text, "true"); }

}  // namespace

std::unique_ptr<SimMachine> SimMachine::Load(const std::filesystem::path& machineFile, std::string* error) {
    auto fail = [&](const std::string& why) -> std::unique_ptr<SimMachine> {
        if (error) *error = machineFile.string() + ": " + why;
        return nullptr;
    };
    std::ifstream in(machineFile, std::ios::binary);
    if (!in) return fail("cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    IniText ini = IniText::Parse(text.str());

    auto machine = std::make_unique<SimMachine>();
    MachineIdentity& id = machine->identity_;
    auto get = [&](const char* section, const char* key) { return ini.Find(section, key); };

    int bits = 32;
    if (auto b = get("Windows", "Bits")) bits = std::atoi(b->c_str());
    if (bits != 32 && bits != 64) return fail("Bits must be 32 or 64");
    if (auto name = get("Windows", "Release")) {
        if (!StockWindows(LowerAscii(*name), bits, id)) return fail("unknown Release " + *name);
    } else if (bits == 64) {
        StockWindows("7", 64, id);
    }
    if (auto v = get("Windows", "Version"))
        if (!ParseVersion(*v, id.version)) return fail("Version must be major.minor[.build]");
    if (auto v = get("Windows", "Platform")) {
        if (EqualsNoCase(*v, "NT")) id.version.platformId = kPlatformWin32Nt;
        else if (EqualsNoCase(*v, "9x")) id.version.platformId = kPlatformWin32Windows;
        else id.version.platformId = static_cast<uint32_t>(std::atoi(v->c_str()));
    }
    if (auto v = get("Windows", "ProductType")) {
        if (EqualsNoCase(*v, "workstation")) id.version.productType = kProductWorkstation;
        else if (EqualsNoCase(*v, "server")) id.version.productType = kProductServer;
        else if (EqualsNoCase(*v, "domaincontroller")) id.version.productType = kProductDomainController;
        else return fail("ProductType must be workstation, server or domaincontroller");
    }
    if (auto v = get("Windows", "ServicePack")) id.version.servicePack = *v;
    if (auto v = get("Windows", "Architecture")) {
        if (EqualsNoCase(*v, "x86")) id.nativeArchitecture = kProcessorArchitectureIntel;
        else if (EqualsNoCase(*v, "amd64")) id.nativeArchitecture = kProcessorArchitectureAmd64;
        else if (EqualsNoCase(*v, "ia64")) id.nativeArchitecture = kProcessorArchitectureIa64;
        else return fail("Architecture must be x86, amd64 or ia64");
    }
    if (auto v = get("Windows", "HasIsWow64Process")) id.hasIsWow64Process = ParseFlag(*v);
    if (auto v = get("Windows", "LanguageId")) id.languageId = static_cast<uint16_t>(std::atoi(v->c_str()));
    if (auto v = get("Windows", "WindowsDirectory")) id.windowsDirectory = *v;
    if (auto v = get("User", "Administrator")) id.administrator = ParseFlag(*v);
    if (auto v = get("Program", "Path")) id.programPath = *v;

    if (const IniSection* drives = ini.FindSection("Drives")) {
        for (const IniEntry& drive : drives->entries) {
            if (drive.key.size() != 1 || !std::isalpha(static_cast<unsigned char>(drive.key[0])))
                return fail("a drive is one letter: " + drive.key);
            if (drive.value.empty()) {
                machine->disk_.AddDrive(drive.key[0]);
                continue;
            }
            std::filesystem::path host(drive.value);
            if (host.is_relative()) host = machineFile.parent_path() / host;
            if (!std::filesystem::is_directory(host)) return fail("no host folder " + host.string());
            machine->disk_.MapDrive(drive.key[0], host);
        }
    }
    if (const IniSection* desktop = ini.FindSection("Desktop")) {
        for (const IniEntry& entry : desktop->entries) {
            if (EqualsNoCase(entry.key, "Window")) machine->desktop_.OpenWindow(entry.value);
            else if (EqualsNoCase(entry.key, "Mutex")) machine->desktop_.HoldMutex(entry.value);
            else return fail("[Desktop] knows Window= and Mutex=, not " + entry.key);
        }
    }
    if (const IniSection* shell = ini.FindSection("Shell"))
        for (const IniEntry& entry : shell->entries) machine->shell_.OpensWindow(entry.key, entry.value);
    if (auto v = get("Program", "CurrentDirectory")) machine->shell_.currentDirectory = *v;
    machine->CreateSystemFolders();
    if (std::string why = ApplyFileSettings(ini, *machine); !why.empty()) return fail(why);
    if (std::string why = ApplySpoolerSettings(ini, *machine); !why.empty()) return fail(why);
    return machine;
}

// [Spooler] and [SpoolerService]: objects the spooler has before the run and the
// failures it is to show.
std::string ApplySpoolerSettings(const IniText& ini, SimMachine& machine) {
    SimSpooler& spooler = machine.PrintSpooler();
    auto number = [](const std::string& text) { return static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 10)); };
    auto fields = [](const std::string& text) {
        std::vector<std::string> parts;
        std::stringstream in(text);
        for (std::string part; std::getline(in, part, ',');) parts.push_back(TrimBlanks(part));
        return parts;
    };
    if (const IniSection* section = ini.FindSection("Spooler")) {
        for (const IniEntry& entry : section->entries) {
            if (EqualsNoCase(entry.key, "Printer")) {
                spooler.PutPrinter(entry.value);
            } else if (EqualsNoCase(entry.key, "Monitor") || EqualsNoCase(entry.key, "Processor")) {
                std::vector<std::string> f = fields(entry.value);
                if (f.size() < 2) return entry.key + "= needs NAME,DLL[,VERSION]";
                const std::string* version = f.size() > 2 ? &f[2] : nullptr;
                if (EqualsNoCase(entry.key, "Monitor")) spooler.PutMonitor(f[0], f[1], version);
                else spooler.PutProcessor("", f[0], f[1], version);
            } else if (EqualsNoCase(entry.key, "ProcessorExistsError")) {
                spooler.Settings().processorExistsError = number(entry.value);
            } else if (EqualsNoCase(entry.key, "XcvCallError")) {
                spooler.Settings().xcvCallError = number(entry.value);
            } else if (EqualsNoCase(entry.key, "XcvStatus")) {
                spooler.Settings().xcvStatus = number(entry.value);
            } else if (EqualsNoCase(entry.key, "HasSetDefaultPrinter")) {
                spooler.Settings().hasSetDefaultPrinter = ParseFlag(entry.value);
            } else {
                return "[Spooler] does not know " + entry.key;
            }
        }
    }
    if (const IniSection* section = ini.FindSection("SpoolerService")) {
        SpoolerServiceSettings& service = machine.Services().Settings();
        for (const IniEntry& entry : section->entries) {
            if (EqualsNoCase(entry.key, "State")) {
                if (EqualsNoCase(entry.value, "running")) service.initialState = kServiceRunning;
                else if (EqualsNoCase(entry.value, "stopped")) service.initialState = kServiceStopped;
                else return "[SpoolerService] State must be running or stopped";
            } else if (EqualsNoCase(entry.key, "StopError")) {
                service.stopError = number(entry.value);
            } else if (EqualsNoCase(entry.key, "StaysStopPending")) {
                service.staysStopPending = ParseFlag(entry.value);
            } else if (EqualsNoCase(entry.key, "StartError")) {
                service.startError = number(entry.value);
            } else if (EqualsNoCase(entry.key, "StartPendingQueries")) {
                service.startPendingQueries = static_cast<int>(number(entry.value));
            } else {
                return "[SpoolerService] does not know " + entry.key;
            }
        }
    }
    return "";
}

}  // namespace plat::sim
