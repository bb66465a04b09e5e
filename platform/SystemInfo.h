#pragma once
#include <cstdint>
#include <string>

namespace plat {

constexpr uint32_t kPlatformWin32Windows = 1;  // Windows 95, 98, Me
constexpr uint32_t kPlatformWin32Nt = 2;

constexpr uint8_t kProductWorkstation = 1;
constexpr uint8_t kProductDomainController = 2;
constexpr uint8_t kProductServer = 3;

constexpr uint16_t kProcessorArchitectureIntel = 0;
constexpr uint16_t kProcessorArchitectureIa64 = 6;
constexpr uint16_t kProcessorArchitectureAmd64 = 9;

// What GetVersionExA fills in (the extended record, so the product type is there).
struct OsVersion {
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t build = 0;
    uint32_t platformId = kPlatformWin32Nt;
    uint8_t productType = kProductWorkstation;
    std::string servicePack;
};

// The answer of the run-time lookup of IsWow64Process in kernel32.dll.
enum class Wow64Answer {
    Unavailable,  // kernel32 could not be loaded or has no IsWow64Process
    CallFailed,
    No,
    Yes,
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual OsVersion GetVersion() = 0;
    // GetNativeSystemInfo looked up at run time; false when the function is missing.
    virtual bool GetNativeProcessorArchitecture(uint16_t& architecture) = 0;
    virtual Wow64Answer IsWow64Process() = 0;
    virtual uint16_t SystemDefaultLangId() = 0;
    // Full path of the running program, whatever its length.
    virtual std::string ModuleFileName() = 0;
    virtual std::string WindowsDirectory() = 0;
    virtual std::string SystemDirectory() = 0;
};

}  // namespace plat
