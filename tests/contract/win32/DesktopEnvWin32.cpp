#include <windows.h>

#include "tests/contract/DesktopEnv.h"

namespace contract {

plat::WindowRef OpenForeignWindow(const std::string& title) {
    HWND window = CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPED, 0, 0, 100, 50, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    return reinterpret_cast<plat::WindowRef>(window);
}

void CloseForeignWindow(plat::WindowRef window) { DestroyWindow(reinterpret_cast<HWND>(window)); }

}  // namespace contract
