#include "installer/engine/SpoolerObjects.h"

#include <vector>

#include "installer/engine/ErrorText.h"
#include "platform/ErrorCodes.h"
#include "platform/Platform.h"

namespace {

constexpr uint32_t kBroadcastTimeoutMs = 1000;

// The language text and the system's text for the code; false, with the error text
// untouched, when the system has no text for it.
bool SetWithSystemText(ErrorText& error, const std::string& key, uint32_t code) {
    std::string system;
    if (!SystemMessageFor(code, system)) return false;
    error.SetMessage(key);
    error.AppendSystemMessage(code);
    return true;
}

uint32_t TryAdd(const plat::PrinterInfo2& printer) {
    plat::PrinterHandle handle = 0;
    uint32_t result = plat::os().PrintSpooler().AddPrinter2(printer, handle);
    if (result == 0) plat::os().PrintSpooler().ClosePrinterHandle(handle);
    return result;
}

// Opens the printer and reads its level-2 record the way the size query asks for it.
class OpenedPrinter {
public:
    explicit OpenedPrinter(const std::string& name) {
        if (plat::os().PrintSpooler().OpenPrinterHandle(name, plat::kPrinterAllAccess, handle_) != 0) handle_ = 0;
    }
    ~OpenedPrinter() {
        if (handle_) plat::os().PrintSpooler().ClosePrinterHandle(handle_);
    }
    OpenedPrinter(const OpenedPrinter&) = delete;
    OpenedPrinter& operator=(const OpenedPrinter&) = delete;

    bool Read(plat::PrinterInfo2& info) {
        if (!handle_) return false;
        uint32_t needed = 0;
        plat::PrinterInfo2 ignored;
        if (plat::os().PrintSpooler().ReadPrinter2(handle_, 0, needed, ignored) != plat::kErrorInsufficientBuffer ||
            needed == 0)
            return false;
        return plat::os().PrintSpooler().ReadPrinter2(handle_, needed, needed, info) == 0;
    }
    plat::PrinterHandle Handle() const { return handle_; }

private:
    plat::PrinterHandle handle_ = 0;
};

}  // namespace

int AddPrinterEntry(plat::PrinterInfo2& printer, uint32_t, bool noNumbering, ErrorText& error) {
    uint32_t result = TryAdd(printer);
    if (result == 0) return 1;
    if (result == plat::kErrorPrinterAlreadyExists) {
        if (noNumbering) {
            error.SetMessage("IDS_ERR_TOOMANY");
            return 0;
        }
        const std::string base = printer.pPrinterName;
        for (int n = 1; n <= kMaxPrinterNumber; ++n) {
            printer.pPrinterName = base + "(" + std::to_string(n) + ")";
            result = TryAdd(printer);
            if (result == 0) return 1;
            if (result != plat::kErrorPrinterAlreadyExists) {
                SetWithSystemText(error, "IDS_ERR_ADDPRINTER", result);
                return 0;
            }
        }
        error.SetMessage("IDS_ERR_TOOMANY");
        return 0;
    }
    SetWithSystemText(error, "IDS_ERR_ADDPRINTER", result);
    return 0;
}

int AddDriverEntry(const plat::DriverInfo3& driver, ErrorText& error) {
    uint32_t result = plat::os().PrintSpooler().AddDriver3(driver);
    if (result == 0) return 1;
    error.SetMessage("IDS_ERR_ADDPRNDRV3");
    error.AppendSystemMessage(result);
    return 0;
}

int AddMonitorEntry(const plat::MonitorInfo2& monitor, ErrorText& error) {
    uint32_t result = plat::os().PrintSpooler().AddMonitor2(monitor);
    if (result == 0 || result == plat::kErrorPrintMonitorAlreadyInstalled || result == plat::kErrorAlreadyExists)
        return 1;
    SetWithSystemText(error, "IDS_ERR_ADDMONITOR", result);
    return 0;
}

uint32_t AddProcessorEntry(const std::string& processorName, const std::string& dllName, int osCode) {
    std::string environment = osCode == 0 ? plat::kEnvironmentWin9x : "";
    uint32_t result = plat::os().PrintSpooler().AddProcessor(environment, dllName, processorName);
    if (result == 0) return 1;
    if (result == plat::kErrorPrintProcessorAlreadyInstalled || result == plat::kErrorAlreadyExists ||
        result == plat::kErrorInvalidParameter)
        return result;
    return 0;
}

int MakeDefaultPrinter(const std::string* printerName) {
    if (!printerName) return 0;
    plat::OsVersion version = plat::os().System().GetVersion();
    if (version.platformId == plat::kPlatformWin32Windows) {
        OpenedPrinter printer(*printerName);
        plat::PrinterInfo2 info;
        if (!printer.Read(info)) return 0;
        info.Attributes |= plat::kPrinterAttributeDefault;
        if (plat::os().PrintSpooler().WritePrinter2(printer.Handle(), info) != 0) return 0;
        plat::os().WindowBroadcasts().SendIniChange(std::string("windows"), kBroadcastTimeoutMs);
        return 1;
    }
    if (version.major < 5) {
        OpenedPrinter printer(*printerName);
        plat::PrinterInfo2 info;
        if (!printer.Read(info) || info.pDriverName.empty() || info.pPortName.empty()) return 0;
        std::string device = *printerName + "," + info.pDriverName + "," + info.pPortName;
        if (plat::os().Profiles().WriteString(std::string("windows"), std::string("device"), device, "win.ini") != 0)
            return 0;
    } else if (plat::os().PrintSpooler().SetDefaultPrinterNamed(*printerName) != 0) {
        return 0;
    }
    plat::os().WindowBroadcasts().SendIniChange(std::nullopt, kBroadcastTimeoutMs);
    return 1;
}

int ProbePortList(ErrorText& error) {
    uint32_t needed = 0;
    std::vector<plat::PortInfo1> ports;
    plat::os().PrintSpooler().EnumPorts1(100, needed, ports);
    uint32_t size = needed < 300 ? 1000 : needed;
    uint32_t result = plat::os().PrintSpooler().EnumPorts1(size, needed, ports);
    if (result != 0) result = plat::os().PrintSpooler().EnumPorts1(size, needed, ports);
    if (result == 0) return 1;
    error.SetMessage("IDS_ERR_ALLOCMEMORY");
    error.AppendSystemMessage(result);
    return 0;
}
