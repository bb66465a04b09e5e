// The descriptor readers of ModelCatalogue: a model's driver files, its driver record
// and its printer record, and the shared components of setup.ini.
#include "installer/config/ModelCatalogue.h"
#include "installer/config/SetupIni.h"
#include "platform/Platform.h"

namespace {

constexpr int kFamilyStd = 0;
constexpr int kFamilyGdi = 1;
constexpr int kPortSerial = 0;
constexpr int kPortUsb = 2;

std::string Read(const std::string& section, const std::string& key, std::size_t limit, const std::string& path) {
    return plat::os().Profiles().ReadString(section, key, "0", limit, path);
}

int OverriddenFamily(int driverFamily, int portKind) {
    if (gdiStdSign != 0) {
        if (portKind == kPortSerial) return kFamilyGdi;
        if (portKind == kPortUsb) return kFamilyStd;
    }
    return driverFamily;
}

const char* FamilyPrefix(int family) {
    if (family == kFamilyGdi) return "GDI";
    if (family == kFamilyStd) return "STD";
    return nullptr;
}

// The key of the driver name; "" when none is read.
std::string DriverNameKey(int osCode, int portKind, const char* oldKey) {
    if (osCode == 0 || osCode == 1) return oldKey;
    switch (portKind) {
    case 0: return "DriverNameS";
    case 1: return "DriverNameP";
    case 2: return "DriverNameU";
    case 3: return "DriverNameN";
    default: return "";
    }
}

uint32_t Decimal(const std::string& text) { return static_cast<uint32_t>(CAtoi(text)); }

}  // namespace

const char* OsSectionSuffix(int osCode) {
    static const char* const suffixes[] = {".98", ".NT", ".2K", ".XP", ".2003", ".Vista", ".2008", ".Win7"};
    return osCode >= 0 && osCode < 8 ? suffixes[osCode] : "";
}

void ModelCatalogue::ReadDriverFileSet(const std::string& modelName, int osCode, DriverFileSet& files,
                                       int driverFamily, int portKind) {
    std::string section = modelName + OsSectionSuffix(osCode);
    workingPath_ = TypeIniPath(currentType);
    auto read = [&](const std::string& key) { return Read(section, key, kDriverFileSlotBuffer, workingPath_); };
    if (const char* prefix = FamilyPrefix(OverriddenFamily(driverFamily, portKind))) {
        std::string p = prefix;
        files.dataFile = read(p + "DataFile");
        files.configFile = read(p + "ConfigFile");
        files.helpFile = read(p + "HelpFile");
        files.processorDLLName = read(p + "ProcessorDLLName");
        files.driverPath = read(p + "DriverPath");
        files.dataFileDLLName = read(p + "DataFileDLLName");
        files.dataOemuiDLL = read(p + "DataOemuiDLL");
        files.dataOemuniDLL = read(p + "DataOemuniDLL");
        files.dataOemuniini = read(p + "DataOemuniini");
        files.controlFontFile = read("ControlFontFile");
        files.usbInternalID = read("USBInternalID");
    }
    files.driverlogViewer = read("DriverlogViewer");
    files.driverlogINI = read("DriverlogINI");
    for (std::size_t i = 0; i < kLanguageResourceFiles; ++i)
        files.languageResourceFile[i] = read("LanguageResourceFile" + std::to_string(i + 1));
}

void ModelCatalogue::ReadDriverInfo(const std::string& modelName, int osCode, plat::DriverInfo3& info,
                                    int driverFamily, int portKind) {
    info.cVersion = osCode == 0 ? 0 : osCode == 1 ? 2 : 3;
    std::string section = modelName + OsSectionSuffix(osCode);
    workingPath_ = TypeIniPath(currentType);
    auto read = [&](const std::string& key, std::size_t limit) { return Read(section, key, limit, workingPath_); };

    // The port-letter driver names of Windows 2000 and later follow the override.
    int family = osCode >= 2 ? OverriddenFamily(driverFamily, portKind) : driverFamily;
    std::string nameKey = DriverNameKey(osCode, portKind, "GDIDriverName");
    std::string driverName = nameKey.empty() ? "" : read(nameKey, kNameBuffer);

    std::string dataFile, driverPath, helpFile, configFile, dataFileDll, oemUiDll, oemUniDll, oemUniIni;
    if (const char* prefix = FamilyPrefix(family)) {
        std::string p = prefix;
        dataFile = read(p + "DataFile", kSetupValueBuffer);
        driverPath = read(p + "DriverPath", kSetupValueBuffer);
        helpFile = read(p + "HelpFile", kSetupValueBuffer);
        configFile = read(p + "ConfigFile", kSetupValueBuffer);
        dataFileDll = read(p + "DataFileDLLName", kSetupValueBuffer);
        oemUiDll = read(p + "DataOemuiDLL", kSetupValueBuffer);
        oemUniDll = read(p + "DataOemuniDLL", kSetupValueBuffer);
        oemUniIni = read(p + "DataOemuniini", kSetupValueBuffer);
    }
    info.pEnvironment = osCode == 0 ? plat::kEnvironmentWin9x : "";
    info.pName = driverName;
    info.pDriverPath = driverPath;
    info.pDataFile = dataFile;
    info.pConfigFile = configFile;
    info.pHelpFile = helpFile;

    // The DDK file set: the data file, the Unidrv support files, then the optional
    // family files that are set. The list grows as needed, however long the names.
    int ddk = CAtoi(read("GDI2KDDKDEV", kVersionBuffer));
    std::string list;
    if (ddk != 0 && osCode >= 2 && osCode <= 7) {
        for (const std::string& name : {dataFile, std::string("TTFSUB.GPD"), std::string("UNIRES.DLL"),
                                        std::string("STDNAMES.GPD")})
            list += name + '\0';
        for (const std::string* name : {&dataFileDll, &oemUiDll, &oemUniDll, &oemUniIni})
            if (name->empty() || (*name)[0] != '0') list += *name + '\0';
    }
    info.pDependentFiles = list;
}

void ModelCatalogue::ReadPrinterInfo(const std::string& modelName, int osCode, plat::PrinterInfo2& info,
                                     int driverFamily, int portKind) {
    std::string section = modelName + OsSectionSuffix(osCode);
    workingPath_ = TypeIniPath(currentType);
    auto read = [&](const std::string& key) { return Read(section, key, kNameBuffer, workingPath_); };
    int family = osCode >= 2 ? OverriddenFamily(driverFamily, portKind) : driverFamily;
    std::string nameKey = DriverNameKey(osCode, portKind, "GDIDRIVERNAME");
    info.pDriverName = nameKey.empty() ? "" : read(nameKey);
    if (const char* prefix = FamilyPrefix(family)) {
        info.pPrintProcessor = read(std::string(prefix) + "PrintProcessor");
        info.Attributes = Decimal(read("ATTRIBUTES"));
    }
    info.pPrinterName = modelName;
}

PortMonitorPair ModelCatalogue::ReadPortMonitors(int osCode) {
    std::string section = std::string("COMMON-MONITOR") + OsSectionSuffix(osCode);
    auto read = [&](const char* key, std::size_t limit) { return Read(section, key, limit, SetupPath()); };
    std::string environment = osCode == 0 ? plat::kEnvironmentWin9x : "";
    PortMonitorPair pair;
    pair.serial = {read("COMMONitorPName", kNameBuffer), environment, read("COMMONitorPDLLName", kSetupValueBuffer)};
    pair.usb = {read("USBMONitorPName", kNameBuffer), environment, read("USBMONitorPDLLName", kSetupValueBuffer)};
    pair.serialUiDll = read("COMMONitorPUIDLLName", kNameBuffer);
    pair.usbUiDll = read("USBMONitorPUIDLLName", kNameBuffer);
    pair.serialVersion = Decimal(read("COMMONitorVersion", kVersionBuffer));
    pair.usbVersion = Decimal(read("USBMONitorVersion", kVersionBuffer));
    return pair;
}

LanguageMonitorInfo ModelCatalogue::ReadLanguageMonitor(int osCode, int portKind) {
    LanguageMonitorInfo info;
    info.monitor.pEnvironment = osCode == 0 ? plat::kEnvironmentWin9x : "";
    if (portKind != kPortUsb) return info;
    std::string section = std::string("COMMON-MONITOR") + OsSectionSuffix(osCode);
    std::string name = Read(section, "USBLMONitorName", kNameBuffer, SetupPath());
    std::string dll = Read(section, "USBLMONitorDLLName", kSetupValueBuffer, SetupPath());
    std::string version = Read(section, "USBLMONitorVersion", kVersionBuffer, SetupPath());
    // Three one-character answers are the unset default "0".
    if (name.size() == 1 && dll.size() == 1 && version.size() == 1) return info;
    info.monitor.pName = name;
    info.monitor.pDLLName = dll;
    info.version = Decimal(version);
    return info;
}

uint32_t ModelCatalogue::ReadProcessorVersion() {
    return Decimal(Read("ProcessorVersion", "DriverVersion", kNameBuffer, SetupPath()));
}

bool ModelCatalogue::ReadDdkFlag(const std::string& modelName, int osCode, int driverFamily) {
    const char* key = driverFamily == kFamilyGdi ? "GDI2KDDKDEV" : driverFamily == kFamilyStd ? "STD2KDDKDEV" : nullptr;
    if (!key) return false;
    std::string value = Read(modelName + OsSectionSuffix(osCode), key, 5, TypeIniPath(currentType));
    return !value.empty() && value[0] == '1';
}
