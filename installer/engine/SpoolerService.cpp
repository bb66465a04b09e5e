#include "installer/engine/SpoolerService.h"

#include <string>

#include "installer/engine/ErrorText.h"
#include "platform/ErrorCodes.h"
#include "platform/Platform.h"

namespace {

constexpr const char* kSpoolerService = "Spooler";
constexpr int kRunningQueries = 10;
constexpr uint32_t kQueryPauseMs = 300;

// The manager and the spooler service opened with one right; both closed on the way out.
class SpoolerHandles {
public:
    explicit SpoolerHandles(uint32_t right) {
        auto& scm = plat::os().Services();
        if (scm.OpenManager(plat::kScManagerAllAccess, manager_) != 0) return;
        if (scm.OpenServiceEntry(manager_, kSpoolerService, right, service_) != 0) service_ = 0;
    }
    ~SpoolerHandles() {
        auto& scm = plat::os().Services();
        if (service_) scm.CloseServiceEntry(service_);
        if (manager_) scm.CloseServiceEntry(manager_);
    }
    SpoolerHandles(const SpoolerHandles&) = delete;
    SpoolerHandles& operator=(const SpoolerHandles&) = delete;

    bool HasManager() const { return manager_ != 0; }
    plat::ServiceHandle Service() const { return service_; }

private:
    plat::ServiceHandle manager_ = 0;
    plat::ServiceHandle service_ = 0;
};

void SendStop(const SpoolerHandles& handles) {
    if (!handles.Service()) return;
    plat::ServiceStatus status;
    plat::os().Services().ControlServiceEntry(handles.Service(), plat::kServiceControlStop, status);
}

uint32_t SendStart(const SpoolerHandles& handles) {
    if (!handles.Service()) return 0;
    return plat::os().Services().StartServiceEntry(handles.Service());
}

}  // namespace

void StopSpooler() {
    bool hadManager = false;
    {
        SpoolerHandles handles(plat::kServiceStop);
        hadManager = handles.HasManager();
        SendStop(handles);
    }
    if (hadManager) plat::os().Time().Sleep(100);
}

void StartSpooler(ErrorText& error) {
    SpoolerHandles handles(plat::kServiceStart);
    if (!handles.HasManager()) return;
    uint32_t code = handles.Service() ? SendStart(handles) : plat::kErrorInvalidHandle;
    if (code != 0 && code != plat::kErrorServiceAlreadyRunning)
        error.Set("Start spool service error, error code = " + std::to_string(code));
}

uint32_t WaitSpoolerRunning(ErrorText& error) {
    uint32_t state = plat::kServiceStopped;
    {
        SpoolerHandles handles(plat::kServiceQueryStatus);
        if (handles.Service()) {
            for (int query = 0; query < kRunningQueries; ++query) {
                plat::ServiceStatus status;
                if (plat::os().Services().QueryStatus(handles.Service(), status) == 0) state = status.currentState;
                if (state == plat::kServiceRunning) break;
                plat::os().Time().Sleep(kQueryPauseMs);
            }
        }
    }
    if (state != plat::kServiceRunning) error.Set("StartSpoolService error");
    return state;
}

void RestartSpooler() {
    {
        SpoolerHandles handles(plat::kServiceStop);
        SendStop(handles);
    }
    plat::os().Time().Sleep(300);
    SpoolerHandles handles(plat::kServiceStart);
    SendStart(handles);
}
