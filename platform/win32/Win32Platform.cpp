#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32SpoolerParts.h"
#include "platform/win32/Win32Parts.h"

#include <windows.h>

#include "platform/win32/Win32DesktopParts.h"

#include <vector>

namespace plat::win32 {

namespace {

class Win32System : public SystemInfo {
public:
    OsVersion GetVersion() override {
        OSVERSIONINFOEXA info{};
        info.dwOSVersionInfoSize = sizeof(info);
        OsVersion v;
        if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) {
            info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);  // Windows 95 and NT 4 before SP6
            if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) return v;
        }
        v.major = info.dwMajorVersion;
        v.minor = info.dwMinorVersion;
        v.build = info.dwBuildNumber;
        v.platformId = info.dwPlatformId;
        v.productType = info.wProductType;
        v.servicePack = info.szCSDVersion;
        return v;
    }

    bool GetNativeProcessorArchitecture(uint16_t& architecture) override {
        using Fn = void(WINAPI*)(LPSYSTEM_INFO);
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        auto fn = kernel ? reinterpret_cast<Fn>(GetProcAddress(kernel, "GetNativeSystemInfo")) : nullptr;
        if (!fn) return false;
        SYSTEM_INFO info{};
        fn(&info);
        architecture = info.wProcessorArchitecture;
        return true;
    }

    Wow64Answer IsWow64Process() override {
        // kernel32 by its full path first, then by name, as the installer always did.
        std::string path = SystemDirectory() + "\\kernel32.dll";
        HMODULE kernel = LoadLibraryA(path.c_str());
        if (!kernel) kernel = LoadLibraryA("kernel32.dll");
        if (!kernel) return Wow64Answer::Unavailable;
        using Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
        auto fn = reinterpret_cast<Fn>(GetProcAddress(kernel, "IsWow64Process"));
        Wow64Answer answer = Wow64Answer::Unavailable;
        if (fn) {
            BOOL wow64 = FALSE;
            if (!fn(GetCurrentProcess(), &wow64)) answer = Wow64Answer::CallFailed;
            else answer = wow64 ? Wow64Answer::Yes : Wow64Answer::No;
        }
        FreeLibrary(kernel);
        return answer;
    }

    uint16_t SystemDefaultLangId() override { return ::GetSystemDefaultLangID(); }

    std::string ModuleFileName() override {
        std::vector<char> buffer(MAX_PATH);
        for (;;) {
            DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
            if (n == 0) return "";
            if (n < buffer.size() - 1) return std::string(buffer.data(), n);
            buffer.resize(buffer.size() * 2);
        }
    }

    std::string WindowsDirectory() override {
        char buffer[MAX_PATH + 1];
        UINT n = GetWindowsDirectoryA(buffer, sizeof(buffer));
        return n && n < sizeof(buffer) ? std::string(buffer, n) : std::string();
    }

    std::string SystemDirectory() override {
        char buffer[MAX_PATH + 1];
        UINT n = GetSystemDirectoryA(buffer, sizeof(buffer));
        return n && n < sizeof(buffer) ? std::string(buffer, n) : std::string();
    }
};

class Win32Profile : public Profile {
public:
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue, std::size_t bufferSize,
                           const std::string& path) override {
        if (bufferSize == 0) return "";
        std::vector<char> buffer(bufferSize, '\0');
        DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                           buffer.data(), static_cast<DWORD>(bufferSize), path.c_str());
        return std::string(buffer.data(), n);
    }
    uint32_t WriteString(const std::optional<std::string>& section, const std::optional<std::string>& key,
                         const std::optional<std::string>& value, const std::string& path) override {
        auto text = [](const std::optional<std::string>& t) { return t ? t->c_str() : nullptr; };
        if (WritePrivateProfileStringA(text(section), text(key), text(value), path.c_str())) return 0;
        DWORD error = GetLastError();
        return error ? error : ERROR_INVALID_FUNCTION;
    }
};

class Win32Clock : public Clock {
public:
    void Sleep(uint32_t milliseconds) override { ::Sleep(milliseconds); }
    uint32_t GetTickCount() override { return ::GetTickCount(); }
};

class Win32 : public Platform {
public:
    SystemInfo& System() override { return system_; }
    Profile& Profiles() override { return profile_; }
    Files& FileSystem() override { return Win32FileSystem(); }
    Clock& Time() override { return clock_; }
    Desktop& DesktopWindows() override { return Win32Desktop(); }
    Shell& Launcher() override { return Win32Shell(); }
    Security& UserSecurity() override { return Win32Security(); }
    MessageTable& Messages() override { return Win32MessageTable(); }
    Registry& Reg() override { return Win32RegistryService(); }
    Spooler& PrintSpooler() override { return Win32SpoolerService(); }
    ServiceManager& Services() override { return Win32ServiceManager(); }
    Broadcasts& WindowBroadcasts() override { return Win32BroadcastService(); }

private:
    Win32System system_;
    Win32Profile profile_;
    Win32Clock clock_;
};

}  // namespace

Platform& Win32Platform() {
    static Win32 platform;
    return platform;
}

}  // namespace plat::win32
