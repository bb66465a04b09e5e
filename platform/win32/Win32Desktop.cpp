#include <windows.h>

#include "platform/win32/Win32DesktopParts.h"

namespace plat::win32 {

namespace {

HWND ToHwnd(WindowRef window) { return reinterpret_cast<HWND>(window); }

class Win32DesktopImpl : public Desktop {
public:
    WindowRef FindTopLevelWindow(const std::string& title) override {
        return reinterpret_cast<WindowRef>(FindWindowA(nullptr, title.c_str()));
    }
    bool SetForeground(WindowRef window) override {
        return window && ::SetForegroundWindow(ToHwnd(window));
    }
    bool BringToTop(WindowRef window) override { return window && ::BringWindowToTop(ToHwnd(window)); }
    bool RestoreFromIcon(WindowRef window) override { return window && ::OpenIcon(ToHwnd(window)); }

    std::uintptr_t CreateNamedMutex(const std::string& name, bool initiallyOwned,
                                    bool* alreadyExisted) override {
        HANDLE mutex = CreateMutexA(nullptr, initiallyOwned ? TRUE : FALSE, name.c_str());
        DWORD error = GetLastError();
        if (alreadyExisted) *alreadyExisted = mutex && error == ERROR_ALREADY_EXISTS;
        return reinterpret_cast<std::uintptr_t>(mutex);
    }
};

}  // namespace

Desktop& Win32Desktop() {
    static Win32DesktopImpl desktop;
    return desktop;
}

}  // namespace plat::win32
