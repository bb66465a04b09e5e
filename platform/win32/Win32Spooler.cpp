#include <windows.h>
#include <winspool.h>

#include <vector>

#include "platform/win32/Win32SpoolerParts.h"

namespace plat::win32 {

namespace {

// The seam's empty texts are the records' null pointers.
LPSTR Text(const std::string& text) { return text.empty() ? nullptr : const_cast<char*>(text.c_str()); }
std::string FromText(const char* text) { return text ? text : ""; }

// The record's texts point into p, which outlives the call they are passed to.
PRINTER_INFO_2A ToWindowsRecord(const PrinterInfo2& p) {
    PRINTER_INFO_2A info{};
    info.pServerName = Text(p.pServerName);
    info.pPrinterName = Text(p.pPrinterName);
    info.pShareName = Text(p.pShareName);
    info.pPortName = Text(p.pPortName);
    info.pDriverName = Text(p.pDriverName);
    info.pComment = Text(p.pComment);
    info.pLocation = Text(p.pLocation);
    info.pSepFile = Text(p.pSepFile);
    info.pPrintProcessor = Text(p.pPrintProcessor);
    info.pDatatype = Text(p.pDatatype);
    info.pParameters = Text(p.pParameters);
    info.Attributes = p.Attributes;
    info.Priority = p.Priority;
    info.DefaultPriority = p.DefaultPriority;
    info.StartTime = p.StartTime;
    info.UntilTime = p.UntilTime;
    return info;
}
HANDLE ToHandle(PrinterHandle handle) { return reinterpret_cast<HANDLE>(handle); }
uint32_t LastErrorOr(BOOL ok) { return ok ? 0 : GetLastError(); }

class Win32Spooler : public Spooler {
public:
    uint32_t AddDriver3(const DriverInfo3& d) override {
        // The dependent files end with an extra zero; an empty list is that zero alone.
        std::string dependent = d.pDependentFiles + std::string(1, '\0');
        DRIVER_INFO_3A info{};
        info.cVersion = d.cVersion;
        info.pName = Text(d.pName);
        info.pEnvironment = Text(d.pEnvironment);
        info.pDriverPath = Text(d.pDriverPath);
        info.pDataFile = Text(d.pDataFile);
        info.pConfigFile = Text(d.pConfigFile);
        info.pHelpFile = Text(d.pHelpFile);
        info.pDependentFiles = const_cast<char*>(dependent.c_str());
        info.pMonitorName = Text(d.pMonitorName);
        info.pDefaultDataType = Text(d.pDefaultDataType);
        return LastErrorOr(AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&info)));
    }

    uint32_t AddPrinter2(const PrinterInfo2& p, PrinterHandle& handle) override {
        PRINTER_INFO_2A info = ToWindowsRecord(p);
        HANDLE h = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
        handle = reinterpret_cast<PrinterHandle>(h);
        return h ? 0 : GetLastError();
    }

    uint32_t AddMonitor2(const MonitorInfo2& m) override {
        MONITOR_INFO_2A info{Text(m.pName), Text(m.pEnvironment), Text(m.pDLLName)};
        return LastErrorOr(AddMonitorA(nullptr, 2, reinterpret_cast<LPBYTE>(&info)));
    }

    uint32_t AddProcessor(const std::string& environment, const std::string& dllName,
                          const std::string& processorName) override {
        return LastErrorOr(AddPrintProcessorA(nullptr, Text(environment), Text(dllName), Text(processorName)));
    }

    uint32_t OpenPrinterHandle(const std::string& name, uint32_t access, PrinterHandle& handle) override {
        PRINTER_DEFAULTSA defaults{nullptr, nullptr, access};
        HANDLE h = nullptr;
        BOOL ok = OpenPrinterA(const_cast<char*>(name.c_str()), &h, &defaults);
        handle = ok ? reinterpret_cast<PrinterHandle>(h) : 0;
        return LastErrorOr(ok);
    }

    uint32_t ClosePrinterHandle(PrinterHandle handle) override { return LastErrorOr(ClosePrinter(ToHandle(handle))); }

    uint32_t ReadPrinter2(PrinterHandle handle, uint32_t bufferSize, uint32_t& needed, PrinterInfo2& p) override {
        std::vector<BYTE> buffer(bufferSize ? bufferSize : 1);
        DWORD need = 0;
        BOOL ok = GetPrinterA(ToHandle(handle), 2, bufferSize ? buffer.data() : nullptr, bufferSize, &need);
        needed = need;
        if (!ok) return GetLastError();
        const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
        p.pServerName = FromText(info->pServerName);
        p.pPrinterName = FromText(info->pPrinterName);
        p.pShareName = FromText(info->pShareName);
        p.pPortName = FromText(info->pPortName);
        p.pDriverName = FromText(info->pDriverName);
        p.pComment = FromText(info->pComment);
        p.pLocation = FromText(info->pLocation);
        p.pSepFile = FromText(info->pSepFile);
        p.pPrintProcessor = FromText(info->pPrintProcessor);
        p.pDatatype = FromText(info->pDatatype);
        p.pParameters = FromText(info->pParameters);
        p.Attributes = info->Attributes;
        p.Priority = info->Priority;
        p.DefaultPriority = info->DefaultPriority;
        p.StartTime = info->StartTime;
        p.UntilTime = info->UntilTime;
        p.Status = info->Status;
        p.cJobs = info->cJobs;
        p.AveragePPM = info->AveragePPM;
        return 0;
    }

    uint32_t WritePrinter2(PrinterHandle handle, const PrinterInfo2& p) override {
        PRINTER_INFO_2A info = ToWindowsRecord(p);
        return LastErrorOr(SetPrinterA(ToHandle(handle), 2, reinterpret_cast<LPBYTE>(&info), 0));
    }

    uint32_t EnumPorts1(uint32_t bufferSize, uint32_t& needed, std::vector<PortInfo1>& ports) override {
        std::vector<BYTE> buffer(bufferSize ? bufferSize : 1);
        DWORD need = 0, returned = 0;
        BOOL ok = EnumPortsA(nullptr, 1, bufferSize ? buffer.data() : nullptr, bufferSize, &need, &returned);
        needed = need;
        if (!ok) return GetLastError();
        ports.clear();
        const auto* info = reinterpret_cast<const PORT_INFO_1A*>(buffer.data());
        for (DWORD i = 0; i < returned; ++i) ports.push_back({FromText(info[i].pName)});
        return 0;
    }

    uint32_t DriverDirectory(const std::string& environment, std::string& directory) override {
        char buffer[MAX_PATH * 2] = {};
        DWORD need = 0;
        BOOL ok = GetPrinterDriverDirectoryA(nullptr, Text(environment), 1, reinterpret_cast<LPBYTE>(buffer),
                                             sizeof(buffer), &need);
        if (ok) directory = buffer;
        return LastErrorOr(ok);
    }

    uint32_t ProcessorDirectory(const std::string& environment, std::string& directory) override {
        char buffer[MAX_PATH * 2] = {};
        DWORD need = 0;
        BOOL ok = GetPrintProcessorDirectoryA(nullptr, Text(environment), 1, reinterpret_cast<LPBYTE>(buffer),
                                              sizeof(buffer), &need);
        if (ok) directory = buffer;
        return LastErrorOr(ok);
    }

    uint32_t SetDefaultPrinterNamed(const std::string& name) override {
        HMODULE winspool = LoadLibraryA("winspool.drv");
        if (!winspool) return GetLastError();
        using Fn = BOOL(WINAPI*)(LPCSTR);
        auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(winspool, "SetDefaultPrinterA")));
        uint32_t result = ERROR_PROC_NOT_FOUND;
        if (fn) result = LastErrorOr(fn(name.c_str()));
        FreeLibrary(winspool);
        return result;
    }

    uint32_t DefaultPrinterName(std::string& name) override {
        DWORD size = 0;
        GetDefaultPrinterA(nullptr, &size);
        if (size == 0) return GetLastError();
        std::vector<char> buffer(size + 1);
        if (!GetDefaultPrinterA(buffer.data(), &size)) return GetLastError();
        name = buffer.data();
        return 0;
    }

    uint32_t XcvCall(PrinterHandle monitor, const std::u16string& command, const std::string& input,
                     uint32_t outputSize, std::string& output, uint32_t& status) override {
        std::wstring wide(command.begin(), command.end());
        std::string in = input;
        std::vector<BYTE> out(outputSize ? outputSize : 1);
        DWORD need = 0, monitorStatus = 0;
        BOOL ok = XcvDataW(ToHandle(monitor), wide.c_str(), reinterpret_cast<PBYTE>(in.data()),
                           static_cast<DWORD>(in.size()), out.data(), outputSize, &need, &monitorStatus);
        uint32_t error = LastErrorOr(ok);
        status = monitorStatus;
        output.assign(reinterpret_cast<char*>(out.data()), need < outputSize ? need : outputSize);
        return error;
    }
};

}  // namespace

Spooler& Win32SpoolerService() {
    static Win32Spooler spooler;
    return spooler;
}

}  // namespace plat::win32
