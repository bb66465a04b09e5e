#include <windows.h>

#include "platform/win32/Win32SpoolerParts.h"

namespace plat::win32 {

namespace {

SC_HANDLE ToHandle(ServiceHandle handle) { return reinterpret_cast<SC_HANDLE>(handle); }

void Copy(const SERVICE_STATUS& from, ServiceStatus& to) {
    to.serviceType = from.dwServiceType;
    to.currentState = from.dwCurrentState;
    to.controlsAccepted = from.dwControlsAccepted;
    to.win32ExitCode = from.dwWin32ExitCode;
    to.serviceSpecificExitCode = from.dwServiceSpecificExitCode;
    to.checkPoint = from.dwCheckPoint;
    to.waitHint = from.dwWaitHint;
}

class Win32Services : public ServiceManager {
public:
    uint32_t OpenManager(uint32_t access, ServiceHandle& manager) override {
        SC_HANDLE h = OpenSCManagerA(nullptr, nullptr, access);
        manager = reinterpret_cast<ServiceHandle>(h);
        return h ? 0 : GetLastError();
    }
    uint32_t OpenServiceEntry(ServiceHandle manager, const std::string& name, uint32_t access,
                              ServiceHandle& service) override {
        SC_HANDLE h = OpenServiceA(ToHandle(manager), name.c_str(), access);
        service = reinterpret_cast<ServiceHandle>(h);
        return h ? 0 : GetLastError();
    }
    uint32_t CloseServiceEntry(ServiceHandle handle) override {
        return CloseServiceHandle(ToHandle(handle)) ? 0 : GetLastError();
    }
    uint32_t StartServiceEntry(ServiceHandle service) override {
        return StartServiceA(ToHandle(service), 0, nullptr) ? 0 : GetLastError();
    }
    uint32_t ControlServiceEntry(ServiceHandle service, uint32_t control, ServiceStatus& status) override {
        SERVICE_STATUS s{};
        BOOL ok = ControlService(ToHandle(service), control, &s);
        uint32_t error = ok ? 0 : GetLastError();
        Copy(s, status);
        return error;
    }
    uint32_t QueryStatus(ServiceHandle service, ServiceStatus& status) override {
        SERVICE_STATUS s{};
        if (!QueryServiceStatus(ToHandle(service), &s)) return GetLastError();
        Copy(s, status);
        return 0;
    }
};

class Win32Broadcasts : public Broadcasts {
public:
    void SendIniChange(const std::optional<std::string>& section, uint32_t timeoutMs) override {
        DWORD_PTR result = 0;
        LPARAM parameter = section ? reinterpret_cast<LPARAM>(section->c_str()) : 0;
        SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, parameter, SMTO_NORMAL, timeoutMs, &result);
    }
    void NotifyIniChange(const std::string& section) override {
        SendNotifyMessageA(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(section.c_str()));
    }
};

}  // namespace

ServiceManager& Win32ServiceManager() {
    static Win32Services services;
    return services;
}

Broadcasts& Win32BroadcastService() {
    static Win32Broadcasts broadcasts;
    return broadcasts;
}

}  // namespace plat::win32
