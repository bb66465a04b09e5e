#include <map>

#include "platform/sim/SimMachine.h"

namespace plat::sim {

bool StockWindows(const std::string& name, int bits, MachineIdentity& identity) {
    struct Stock {
        uint32_t major, minor, build, platformId;
        uint8_t product;
        bool isWow64Lookup;  // kernel32 exports IsWow64Process
        const char* windowsDirectory;
    };
    static const std::map<std::string, Stock> stock = {
        {"95", {4, 0, 950, kPlatformWin32Windows, kProductWorkstation, false, "C:\\WINDOWS"}},
        {"98", {4, 10, 2222, kPlatformWin32Windows, kProductWorkstation, false, "C:\\WINDOWS"}},
        {"me", {4, 90, 3000, kPlatformWin32Windows, kProductWorkstation, false, "C:\\WINDOWS"}},
        {"nt4", {4, 0, 1381, kPlatformWin32Nt, kProductWorkstation, false, "C:\\WINNT"}},
        {"2000", {5, 0, 2195, kPlatformWin32Nt, kProductWorkstation, false, "C:\\WINNT"}},
        {"xp", {5, 1, 2600, kPlatformWin32Nt, kProductWorkstation, true, "C:\\WINDOWS"}},
        {"2003", {5, 2, 3790, kPlatformWin32Nt, kProductServer, true, "C:\\WINDOWS"}},
        {"vista", {6, 0, 6002, kPlatformWin32Nt, kProductWorkstation, true, "C:\\Windows"}},
        {"2008", {6, 0, 6002, kPlatformWin32Nt, kProductServer, true, "C:\\Windows"}},
        {"7", {6, 1, 7601, kPlatformWin32Nt, kProductWorkstation, true, "C:\\Windows"}},
        {"8", {6, 2, 9200, kPlatformWin32Nt, kProductWorkstation, true, "C:\\Windows"}},
    };
    auto it = stock.find(name);
    if (it == stock.end()) return false;
    const Stock& s = it->second;
    identity.version.major = s.major;
    identity.version.minor = s.minor;
    identity.version.build = s.build;
    identity.version.platformId = s.platformId;
    identity.version.productType = s.product;
    identity.windowsDirectory = s.windowsDirectory;
    identity.hasIsWow64Process = s.isWow64Lookup;
    identity.hasGetNativeSystemInfo = s.isWow64Lookup;
    identity.wow64 = bits == 64;
    identity.nativeArchitecture = bits == 64 ? kProcessorArchitectureAmd64 : kProcessorArchitectureIntel;
    if (bits == 64) identity.hasIsWow64Process = identity.hasGetNativeSystemInfo = true;
    return true;
}

}  // namespace plat::sim
