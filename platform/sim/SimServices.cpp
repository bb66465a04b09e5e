#include "platform/sim/SimServices.h"

#include "platform/ErrorCodes.h"
#include "platform/sim/IniText.h"
#include "platform/sim/SimMachine.h"

namespace plat::sim {

namespace {
constexpr uint32_t kErrorCallNotImplemented = 120;
constexpr uint32_t kServiceWin32OwnProcess = 0x10;
}  // namespace

uint32_t SimServices::OpenManager(uint32_t, ServiceHandle& manager) {
    manager = 0;
    // Windows 9x has no service control manager.
    if (id_.version.platformId != kPlatformWin32Nt) return kErrorCallNotImplemented;
    if (!id_.administrator) return kErrorAccessDenied;
    manager = next_;
    next_ += 4;
    open_[manager] = {true, kScManagerAllAccess};
    return 0;
}

uint32_t SimServices::OpenServiceEntry(ServiceHandle manager, const std::string& name, uint32_t access,
                                       ServiceHandle& service) {
    service = 0;
    auto it = open_.find(manager);
    if (it == open_.end() || !it->second.manager) return kErrorInvalidHandle;
    if (!EqualsNoCase(name, "Spooler")) return kErrorServiceDoesNotExist;
    service = next_;
    next_ += 4;
    open_[service] = {false, access};
    return 0;
}

uint32_t SimServices::CloseServiceEntry(ServiceHandle handle) { return open_.erase(handle) ? 0 : kErrorInvalidHandle; }

uint32_t SimServices::Check(ServiceHandle service, uint32_t right) const {
    auto it = open_.find(service);
    if (it == open_.end() || it->second.manager) return kErrorInvalidHandle;
    return (it->second.access & right) ? 0 : kErrorAccessDenied;
}

void SimServices::Fill(ServiceStatus& status) const {
    status = {};
    status.serviceType = kServiceWin32OwnProcess;
    status.currentState = SpoolerState();
    status.controlsAccepted = status.currentState == kServiceRunning ? 1 : 0;
}

uint32_t SimServices::Record(const char* operation, uint32_t result) {
    history_.push_back({operation, result, SpoolerState()});
    return result;
}

uint32_t SimServices::StartServiceEntry(ServiceHandle service) {
    if (uint32_t error = Check(service, kServiceStart)) return error;
    uint32_t state = SpoolerState();
    if (state != kServiceStopped) return Record("start", kErrorServiceAlreadyRunning);
    if (settings_.startError) return Record("start", settings_.startError);
    pendingQueriesLeft_ = settings_.startPendingQueries;
    state_ = pendingQueriesLeft_ > 0 ? kServiceStartPending : kServiceRunning;
    return Record("start", 0);
}

uint32_t SimServices::ControlServiceEntry(ServiceHandle service, uint32_t control, ServiceStatus& status) {
    if (uint32_t error = Check(service, kServiceStop)) return error;
    if (control != kServiceControlStop) return kErrorInvalidParameter;
    uint32_t state = SpoolerState();
    uint32_t result = 0;
    if (state == kServiceStopped) result = kErrorServiceNotActive;
    else if (state == kServiceStartPending || state == kServiceStopPending) result = kErrorServiceCannotAcceptControl;
    else if (settings_.stopError) result = settings_.stopError;
    Fill(status);
    if (result) return Record("stop", result);
    // Windows answers a stop with stop pending; the spooler is stopped by the time
    // anyone looks again, unless it hangs.
    state_ = kServiceStopPending;
    Fill(status);
    if (!settings_.staysStopPending) state_ = kServiceStopped;
    return Record("stop", 0);
}

uint32_t SimServices::QueryStatus(ServiceHandle service, ServiceStatus& status) {
    if (uint32_t error = Check(service, kServiceQueryStatus)) return error;
    if (state_ == kServiceStartPending) {
        if (pendingQueriesLeft_ > 0) --pendingQueriesLeft_;
        Fill(status);
        if (pendingQueriesLeft_ == 0) state_ = kServiceRunning;
    } else {
        Fill(status);
    }
    history_.push_back({"query", 0, status.currentState});
    return 0;
}

}  // namespace plat::sim
