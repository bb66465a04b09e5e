#pragma once
// The simulated service control manager with the one service the programs drive, the
// print spooler ("Spooler"), and the failures a machine file can ask for.
#include <map>
#include <string>
#include <vector>

#include "platform/Services.h"

namespace plat::sim {

struct MachineIdentity;

struct SpoolerServiceSettings {
    uint32_t initialState = kServiceRunning;
    // The stop control fails with this code (0: the spooler stops).
    uint32_t stopError = 0;
    // The spooler accepts the stop but stays in stop pending.
    bool staysStopPending = false;
    // Starting fails with this code (0: the spooler starts; 1058 a disabled service).
    uint32_t startError = 0;
    // Status queries that still see start pending after a start.
    int startPendingQueries = 1;
};

struct ServiceEvent {
    std::string operation;  // "stop", "start", "query"
    uint32_t result = 0;    // the Windows error code the call gave
    uint32_t stateAfter = 0;
};

class SimServices : public ServiceManager {
public:
    explicit SimServices(MachineIdentity& id) : id_(id) {}

    SpoolerServiceSettings& Settings() { return settings_; }
    uint32_t SpoolerState() const { return state_ ? state_ : settings_.initialState; }
    // Every start, stop and status query sent to the spooler, in order.
    const std::vector<ServiceEvent>& History() const { return history_; }

    uint32_t OpenManager(uint32_t access, ServiceHandle& manager) override;
    uint32_t OpenServiceEntry(ServiceHandle manager, const std::string& name, uint32_t access,
                              ServiceHandle& service) override;
    uint32_t CloseServiceEntry(ServiceHandle handle) override;
    uint32_t StartServiceEntry(ServiceHandle service) override;
    uint32_t ControlServiceEntry(ServiceHandle service, uint32_t control, ServiceStatus& status) override;
    uint32_t QueryStatus(ServiceHandle service, ServiceStatus& status) override;

private:
    struct Opened {
        bool manager = false;
        uint32_t access = 0;
    };
    uint32_t Check(ServiceHandle service, uint32_t right) const;
    void Fill(ServiceStatus& status) const;
    uint32_t Record(const char* operation, uint32_t result);

    MachineIdentity& id_;
    SpoolerServiceSettings settings_;
    uint32_t state_ = 0;  // 0 until the first change: the initial state of the settings
    int pendingQueriesLeft_ = 0;
    std::map<ServiceHandle, Opened> open_;
    ServiceHandle next_ = 0x2000;
    std::vector<ServiceEvent> history_;
};

}  // namespace plat::sim
