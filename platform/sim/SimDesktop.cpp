#include "platform/sim/SimDesktop.h"

#include <algorithm>

#include "platform/sim/IniText.h"

namespace plat::sim {

WindowRef SimDesktop::OpenWindow(const std::string& title, bool iconic) {
    WindowRef ref = nextRef_;
    nextRef_ += 0x10;
    windows_.insert(windows_.begin(), SimWindow{ref, title, iconic});
    return ref;
}

void SimDesktop::CloseWindow(WindowRef window) {
    std::erase_if(windows_, [&](const SimWindow& w) { return w.ref == window; });
    if (foreground_ == window) foreground_ = 0;
}

SimWindow* SimDesktop::Find(WindowRef window) {
    for (SimWindow& w : windows_)
        if (w.ref == window) return &w;
    return nullptr;
}

const SimWindow* SimDesktop::Window(WindowRef window) const {
    return const_cast<SimDesktop*>(this)->Find(window);
}

void SimDesktop::Raise(WindowRef window) {
    auto it = std::find_if(windows_.begin(), windows_.end(), [&](const SimWindow& w) { return w.ref == window; });
    std::rotate(windows_.begin(), it, it + 1);
}

WindowRef SimDesktop::FindTopLevelWindow(const std::string& title) {
    // Windows compares the titles without regard to case; the first in Z-order wins.
    for (const SimWindow& w : windows_)
        if (EqualsNoCase(w.title, title)) return w.ref;
    return 0;
}

bool SimDesktop::SetForeground(WindowRef window) {
    SimWindow* w = Find(window);
    if (!w) return false;
    actions_.push_back({"SetForegroundWindow", w->title});
    Raise(window);
    foreground_ = window;
    return true;
}

bool SimDesktop::BringToTop(WindowRef window) {
    SimWindow* w = Find(window);
    if (!w) return false;
    actions_.push_back({"BringWindowToTop", w->title});
    Raise(window);
    return true;
}

bool SimDesktop::RestoreFromIcon(WindowRef window) {
    SimWindow* w = Find(window);
    if (!w) return false;
    actions_.push_back({"OpenIcon", w->title});
    w->iconic = false;
    return true;
}

std::uintptr_t SimDesktop::CreateNamedMutex(const std::string& name, bool, bool* alreadyExisted) {
    // Mutex names are case-sensitive. The handle of an existing one is still returned.
    bool existed = !mutexes_.insert(name).second;
    if (alreadyExisted) *alreadyExisted = existed;
    return 0x500 + mutexes_.size() * 4;
}

}  // namespace plat::sim
