#include "platform/sim/SimMachine.h"
#include "tests/contract/SpoolerEnv.h"

namespace contract {

void UseWine64Windows() {
    auto& machine = dynamic_cast<plat::sim::SimMachine&>(plat::os());
    plat::sim::StockWindows("7", 64, machine.Identity());
    machine.CreateSystemFolders();
}

std::string UniqueName(const std::string& stem) { return stem; }

void RemoveUserKey(const std::string&) {}  // every case has a fresh machine

}  // namespace contract
