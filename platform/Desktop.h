#pragma once
// Top-level windows found by their title, and named mutexes: what start-up needs to
// meet another running installer or an open uninstaller.
#include <cstdint>
#include <string>

namespace plat {

// A top-level window; 0 means none.
using WindowRef = std::uintptr_t;

class Desktop {
public:
    virtual ~Desktop() = default;
    // FindWindowA(NULL, title): a top-level window whose title equals title, compared
    // without regard to case as Windows does; 0 when there is none. The title is ANSI
    // bytes (GBK titles are passed unchanged).
    virtual WindowRef FindTopLevelWindow(const std::string& title) = 0;
    // SetForegroundWindow, BringWindowToTop and OpenIcon; each does nothing for 0.
    virtual bool SetForeground(WindowRef window) = 0;
    virtual bool BringToTop(WindowRef window) = 0;
    virtual bool RestoreFromIcon(WindowRef window) = 0;

    // CreateMutexA(NULL, initiallyOwned, name). Returns the handle (never closed by the
    // programs) or 0 on failure; *alreadyExisted tells whether another holder had the
    // name, the ERROR_ALREADY_EXISTS answer of the real call.
    virtual std::uintptr_t CreateNamedMutex(const std::string& name, bool initiallyOwned,
                                            bool* alreadyExisted) = 0;
};

}  // namespace plat
