#pragma once
// The simulated machine's top-level windows and named mutexes. Windows opened by other
// programs (an installer already running, an uninstaller) come from the machine file or
// a test; the programs' own windows may register here too. Every bring-to-front call is
// logged so a run can show what it did to which window.
#include <set>
#include <string>
#include <vector>

#include "platform/Desktop.h"

namespace plat::sim {

struct SimWindow {
    WindowRef ref = 0;
    std::string title;
    bool iconic = false;
};

struct DesktopAction {
    std::string call;   // "SetForegroundWindow", "BringWindowToTop", "OpenIcon"
    std::string title;  // of the window it was made on
};

class SimDesktop : public Desktop {
public:
    WindowRef OpenWindow(const std::string& title, bool iconic = false);
    void CloseWindow(WindowRef window);
    // A mutex that another running program holds.
    void HoldMutex(const std::string& name) { mutexes_.insert(name); }
    bool MutexExists(const std::string& name) const { return mutexes_.count(name) != 0; }

    const SimWindow* Window(WindowRef window) const;
    const std::vector<SimWindow>& Windows() const { return windows_; }
    WindowRef Foreground() const { return foreground_; }
    const std::vector<DesktopAction>& Actions() const { return actions_; }

    WindowRef FindTopLevelWindow(const std::string& title) override;
    bool SetForeground(WindowRef window) override;
    bool BringToTop(WindowRef window) override;
    bool RestoreFromIcon(WindowRef window) override;
    std::uintptr_t CreateNamedMutex(const std::string& name, bool initiallyOwned,
                                    bool* alreadyExisted) override;

private:
    SimWindow* Find(WindowRef window);
    void Raise(WindowRef window);

    std::vector<SimWindow> windows_;  // top of the Z-order first
    std::vector<DesktopAction> actions_;
    std::set<std::string> mutexes_;
    WindowRef foreground_ = 0;
    WindowRef nextRef_ = 0x10010;
};

}  // namespace plat::sim
