#include <windows.h>

#include "platform/win32/Win32Parts.h"

namespace plat::win32 {

namespace {

class Win32Messages : public MessageTable {
public:
    bool SystemMessageText(uint32_t code, std::string& text) override {
        char* buffer = nullptr;
        DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                 reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
        if (n == 0 || !buffer) return false;
        text.assign(buffer, n);
        LocalFree(buffer);
        return true;
    }
};

}  // namespace

MessageTable& Win32MessageTable() {
    static Win32Messages table;
    return table;
}

}  // namespace plat::win32
