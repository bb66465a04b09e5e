#pragma once
// The service control manager, as the engine drives the "Spooler" service with it.
#include <cstdint>
#include <string>

namespace plat {

using ServiceHandle = uintptr_t;

constexpr uint32_t kScManagerAllAccess = 0xF003F;
constexpr uint32_t kServiceQueryStatus = 0x0004;
constexpr uint32_t kServiceStart = 0x0010;
constexpr uint32_t kServiceStop = 0x0020;

constexpr uint32_t kServiceControlStop = 1;

constexpr uint32_t kServiceStopped = 1;
constexpr uint32_t kServiceStartPending = 2;
constexpr uint32_t kServiceStopPending = 3;
constexpr uint32_t kServiceRunning = 4;

constexpr uint32_t kErrorServiceAlreadyRunning = 1056;
constexpr uint32_t kErrorServiceDisabled = 1058;
constexpr uint32_t kErrorServiceDoesNotExist = 1060;
constexpr uint32_t kErrorServiceCannotAcceptControl = 1061;
constexpr uint32_t kErrorServiceNotActive = 1062;

// SERVICE_STATUS.
struct ServiceStatus {
    uint32_t serviceType = 0;
    uint32_t currentState = 0;
    uint32_t controlsAccepted = 0;
    uint32_t win32ExitCode = 0;
    uint32_t serviceSpecificExitCode = 0;
    uint32_t checkPoint = 0;
    uint32_t waitHint = 0;
};

class ServiceManager {
public:
    virtual ~ServiceManager() = default;
    // OpenSCManagerA on the local machine, the active database.
    virtual uint32_t OpenManager(uint32_t access, ServiceHandle& manager) = 0;
    // OpenServiceA.
    virtual uint32_t OpenServiceEntry(ServiceHandle manager, const std::string& name, uint32_t access,
                                      ServiceHandle& service) = 0;
    virtual uint32_t CloseServiceEntry(ServiceHandle handle) = 0;
    // StartServiceA without arguments.
    virtual uint32_t StartServiceEntry(ServiceHandle service) = 0;
    // ControlService; the status is filled also when the control fails with 1062.
    virtual uint32_t ControlServiceEntry(ServiceHandle service, uint32_t control, ServiceStatus& status) = 0;
    virtual uint32_t QueryStatus(ServiceHandle service, ServiceStatus& status) = 0;
};

}  // namespace plat
