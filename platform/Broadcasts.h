#pragma once
// WM_WININICHANGE broadcasts to every top-level window, which tell running programs that
// a section of the Windows profile changed.
#include <cstdint>
#include <optional>
#include <string>

namespace plat {

class Broadcasts {
public:
    virtual ~Broadcasts() = default;
    // SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, section, SMTO_NORMAL,
    // timeout); no section passes a null parameter.
    virtual void SendIniChange(const std::optional<std::string>& section, uint32_t timeoutMs) = 0;
    // SendNotifyMessageA(HWND_BROADCAST, WM_WININICHANGE, 0, section).
    virtual void NotifyIniChange(const std::string& section) = 0;
};

}  // namespace plat
