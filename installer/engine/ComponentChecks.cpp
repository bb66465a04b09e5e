#include "installer/engine/ComponentChecks.h"

#include <cctype>

#include "installer/config/ModelCatalogue.h"
#include "installer/config/SetupIni.h"
#include "installer/engine/FileStaging.h"
#include "installer/engine/ErrorText.h"
#include "installer/engine/RegKey.h"
#include "installer/engine/SpoolerObjects.h"
#include "installer/engine/SpoolerService.h"
#include "platform/Platform.h"

namespace {

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Outdated when the installed version cannot be read or the package's is newer.
bool Outdated(RegKey& key, uint32_t packageVersion) {
    uint32_t installed = 0;
    if (!key.QueryDword("DriverVersion", installed)) return true;
    return packageVersion > installed;
}

void WriteVersion(const std::string& keyPath, uint32_t version) {
    RegKey key;
    if (key.Open(plat::kHkeyLocalMachine, keyPath)) key.SetDword("DriverVersion", version);
}

// Stages the monitor's DLL (under a new name when the old one is in use) and its UI
// DLL, adds the monitor and records its version. 0 or -15.
int InstallMonitor(plat::MonitorInfo2 monitor, const std::string& uiDll, uint32_t version, int osCode,
                   ErrorText& error) {
    if (!monitor.pDLLName.empty()) {
        std::string dll = monitor.pDLLName;
        int staged = StageDriverFile(dll, TargetSystemDir, osCode, 0, error);
        if (staged == 32 || staged == 5) {
            dll = monitor.pDLLName;
            StageDriverFile(dll, TargetSystemDir, osCode, 1, error);
            monitor.pDLLName = "n" + Upper(monitor.pDLLName);
        }
    }
    if (!uiDll.empty()) {
        std::string ui = uiDll;
        StageDriverFile(ui, TargetSystemDir, osCode, 0, error);
    }
    if (!AddMonitorEntry(monitor, error)) return kAddMonitorFailed;
    WriteVersion(MonitorKeyPath(monitor.pName), version);
    return 0;
}

// 0 current or installed now, outdatedFlag, or -15.
int CheckMonitor(const plat::MonitorInfo2& monitor, const std::string& uiDll, uint32_t version, int osCode,
                 int outdatedFlag, ErrorText& error) {
    RegKey key;
    if (!key.Open(plat::kHkeyLocalMachine, MonitorKeyPath(monitor.pName)))
        return InstallMonitor(monitor, uiDll, version, osCode, error);
    return Outdated(key, version) ? outdatedFlag : 0;
}

}  // namespace

std::string MonitorKeyPath(const std::string& monitorName) {
    return "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\" + monitorName;
}

std::string ProcessorKeyPath(int osCode, const std::string& processorName) {
    const char* environment = osCode == 0 ? plat::kEnvironmentWin9x
                              : is64BitWindows ? plat::kEnvironmentX64
                                               : plat::kEnvironmentNtX86;
    return std::string("SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\") + environment +
           "\\Print Processors\\" + processorName;
}

int CheckPortMonitors(ModelCatalogue& catalogue, int printerType, int osCode, const std::string& portName,
                      ErrorText& error) {
    if (Contains(portName, "LPT") || Contains(portName, "NET")) return 0;
    catalogue.currentType = printerType;
    PortMonitorPair monitors = catalogue.ReadPortMonitors(osCode);
    int result = 0;
    if (Contains(portName, "COM") && !is64BitWindows && !monitors.serial.pDLLName.empty() && osCode != 0) {
        int checked = CheckMonitor(monitors.serial, monitors.serialUiDll, monitors.serialVersion, osCode,
                                   kSerialMonitorOutdated, error);
        if (checked < 0) return checked;
        if (checked) result = checked;
    }
    if (Contains(portName, "USB_") && !monitors.usb.pDLLName.empty() && osCode != 1) {
        int checked = CheckMonitor(monitors.usb, monitors.usbUiDll, monitors.usbVersion, osCode,
                                   kUsbMonitorOutdated, error);
        if (checked < 0) return checked;
        if (checked) result = checked;
    }
    return result;
}

int CheckLanguageMonitor(ModelCatalogue& catalogue, int printerType, int osCode, const std::string& portName,
                         ErrorText& error) {
    if (!Contains(portName, "USB_")) return 0;
    catalogue.currentType = printerType;
    LanguageMonitorInfo language = catalogue.ReadLanguageMonitor(osCode, 2);
    if (language.monitor.pDLLName.empty() || osCode == 1) return 0;
    return CheckMonitor(language.monitor, "", language.version, osCode, kLanguageMonitorOutdated, error);
}

int CheckPrintProcessor(int osCode, const std::string& processorName, const std::string& processorDllName,
                        ErrorText& error) {
    if (processorName == "WinPrint") return 0;
    ModelCatalogue catalogue;
    uint32_t version = catalogue.ReadProcessorVersion();
    std::string keyPath = ProcessorKeyPath(osCode, processorName);
    {
        RegKey key;
        if (key.Open(plat::kHkeyLocalMachine, keyPath)) return Outdated(key, version) ? kProcessorOutdated : 0;
    }
    std::string dll = processorDllName;
    if (!dll.empty()) StageDriverFile(dll, TargetProcessorDir, osCode, 0, error);
    if (AddProcessorEntry(processorName, processorDllName, osCode) != 1) {
        error.SetMessage("IDS_ERR_ADDPROCESSOR");
        return kAddProcessorFailed;
    }
    WriteVersion(keyPath, version);
    plat::os().Time().Sleep(200);
    return 0;
}

void CheckSystemDriverFiles(int osCode, bool ddkFlag, ErrorText& error) {
    if (osCode == 0) {
        std::string iconLib = "ICONLIB.DLL";
        StageDriverFile(iconLib, TargetDriverDir, osCode, 0, error);
        std::string system = plat::os().System().SystemDirectory();
        std::string windows = plat::os().System().WindowsDirectory();
        if (system.empty() || windows.empty()) {
            error.SetMessage("IDS_ERR_ALLOCMEMORY");
            return;
        }
        std::string target = system + "\\UNIDRV.DLL";
        if (plat::os().FileSystem().Exists(target)) return;
        if (plat::os().FileSystem().CopyOneFile(windows + "\\Sysbckup\\UNIDRV.DLL", target, true) == 0) return;
        std::string unidrv = "UNIDRV.DLL";
        StageDriverFile(unidrv, TargetDriverDir, osCode, 0, error);
        return;
    }
    if (osCode >= 2 && osCode <= 7 && ddkFlag) {
        for (const char* name : {"TTFSUB.GPD", "STDNAMES.GPD", "UNIRES.DLL"}) {
            std::string file = name;
            StageDriverFile(file, TargetDriverDir, osCode, 0, error);
        }
    }
}

void SetSpoolDirectory(const std::string& printerName) {
    std::string system = plat::os().System().SystemDirectory();
    {
        RegKey key;
        if (key.Open(plat::kHkeyLocalMachine,
                     "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Print\\Printers\\" + printerName))
            key.SetString("SpoolDirectory", system.substr(0, 3) + "windows\\system32\\spool\\printers");
    }
    RestartSpooler();
}
