#include "installer/app/OsCodes.h"

#include "platform/Platform.h"

int ClassifyOsCode(const plat::OsVersion& v, uint16_t architecture, bool* knownPlatform) {
    if (knownPlatform) *knownPlatform = true;
    if (v.platformId == plat::kPlatformWin32Windows) return 0;
    if (v.platformId != plat::kPlatformWin32Nt) {
        if (knownPlatform) *knownPlatform = false;
        return 0;
    }
    bool workstation = v.productType == plat::kProductWorkstation;
    switch (v.major) {
    case 4: return v.minor == 0 ? 1 : 0;
    case 5:
        if (v.minor == 0) return 2;
        if (v.minor == 1) return 3;
        if (v.minor == 2) return workstation && architecture == plat::kProcessorArchitectureAmd64 ? 3 : 4;
        return 0;
    case 6:
        if (v.minor == 0) return workstation ? 5 : 6;
        if (v.minor == 1) return workstation ? 7 : 6;
        return 7;
    default:
        if (v.major < 4) return 0;
        return v.minor > 2 ? 7 : 0;
    }
}

uint16_t NativeArchitecture() {
    uint16_t architecture = plat::kProcessorArchitectureIntel;
    if (!plat::os().System().GetNativeProcessorArchitecture(architecture))
        architecture = plat::kProcessorArchitectureIntel;
    return architecture;
}
