#pragma once
// Broadcasts sent by the program, recorded in order: nothing else runs on the
// simulated desktop to receive them.
#include <optional>
#include <string>
#include <vector>

#include "platform/Broadcasts.h"

namespace plat::sim {

struct BroadcastRecord {
    bool notify = false;                 // SendNotifyMessage rather than a timed send
    std::optional<std::string> section;  // the parameter; none for a null one
    uint32_t timeoutMs = 0;
};

class SimBroadcasts : public Broadcasts {
public:
    void SendIniChange(const std::optional<std::string>& section, uint32_t timeoutMs) override {
        sent_.push_back({false, section, timeoutMs});
    }
    void NotifyIniChange(const std::string& section) override { sent_.push_back({true, section, 0}); }
    const std::vector<BroadcastRecord>& Sent() const { return sent_; }

private:
    std::vector<BroadcastRecord> sent_;
};

}  // namespace plat::sim
