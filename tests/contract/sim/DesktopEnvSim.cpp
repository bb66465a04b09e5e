#include "platform/sim/SimMachine.h"
#include "tests/contract/DesktopEnv.h"

namespace contract {

namespace {
plat::sim::SimDesktop& Desktop() {
    return static_cast<plat::sim::SimMachine&>(plat::os()).DesktopWindows();
}
}  // namespace

plat::WindowRef OpenForeignWindow(const std::string& title) { return Desktop().OpenWindow(title); }
void CloseForeignWindow(plat::WindowRef window) { Desktop().CloseWindow(window); }

}  // namespace contract
