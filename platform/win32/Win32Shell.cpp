#include <windows.h>
#include <shellapi.h>

#include "platform/win32/Win32DesktopParts.h"

namespace plat::win32 {

namespace {

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

class Win32ShellImpl : public Shell {
public:
    std::uintptr_t Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                           const std::string& directory, int show) override {
        HINSTANCE result = ShellExecuteA(nullptr, OrNull(verb), file.c_str(), OrNull(parameters),
                                         OrNull(directory), show);
        return reinterpret_cast<std::uintptr_t>(result);
    }
};

}  // namespace

Shell& Win32Shell() {
    static Win32ShellImpl shell;
    return shell;
}

}  // namespace plat::win32
