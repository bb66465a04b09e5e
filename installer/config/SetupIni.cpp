#include "installer/config/SetupIni.h"

#include <climits>

#include "platform/Platform.h"

bool is64BitWindows = false;

std::string ProgramFolder() {
    std::string module = plat::os().System().ModuleFileName();
    std::size_t slash = module.rfind('\\');
    return slash == std::string::npos ? std::string() : module.substr(0, slash);
}

std::string ProgramFolderPrefix() {
    std::string module = plat::os().System().ModuleFileName();
    std::size_t slash = module.rfind('\\');
    return slash == std::string::npos ? std::string() : module.substr(0, slash + 1);
}

int CAtoi(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

int ReadSetupInt(const std::string& file, const std::string& section, const std::string& key) {
    std::string path = ProgramFolder() + "\\" + file;
    return CAtoi(plat::os().Profiles().ReadString(section, key, "0", kSetupValueBuffer, path));
}

int ReadSetupInt(const std::string& key) { return ReadSetupInt("DRVCONFIG\\setup.ini", "DEVICENAME", key); }

std::string ReadSetupText(const std::string& key) {
    std::string path = ProgramFolder() + "\\DRVCONFIG\\setup.ini";
    return plat::os().Profiles().ReadString("DEVICENAME", key, "0", kSetupValueBuffer, path);
}

std::string TypeIniName(int printerType, bool capitalised) {
    static const char* const lower[] = {"receipt", "ticket", "label", "embedded"};
    static const char* const upper[] = {"receipt", "Ticket", "Label", "Embedded"};
    if (printerType < 0 || printerType > 3) return "";
    std::string name = "DRVCONFIG\\setup_";
    name += capitalised ? upper[printerType] : lower[printerType];
    name += is64BitWindows ? "_64.ini" : ".ini";
    return name;
}

IniPaths MakeIniPaths(int printerType) {
    std::string folder = ProgramFolderPrefix();
    return {folder + "DRVCONFIG\\setup.ini", folder + TypeIniName(printerType, true)};
}
