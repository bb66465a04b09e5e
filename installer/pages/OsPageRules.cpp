#include "installer/pages/OsPageRules.h"

namespace {

int NtCode(const plat::OsVersion& v, uint16_t architecture) {
    bool workstation = v.productType == plat::kProductWorkstation;
    switch (v.major) {
    case 4: return v.minor == 0 ? 1 : -1;
    case 5:
        if (v.minor == 0) return 2;
        if (v.minor == 1) return 3;
        if (v.minor == 2) return workstation && architecture == plat::kProcessorArchitectureAmd64 ? 3 : 4;
        return -1;
    case 6:
        if (v.minor == 0) return workstation ? 5 : 6;
        if (v.minor == 1) return workstation ? 7 : 6;
        return 8;
    default:
        if (v.major < 4) return -1;
        return v.minor > 2 ? 8 : -1;
    }
}

}  // namespace

OsPageMatch MatchOsPage(const plat::OsVersion& v, uint16_t architecture) {
    OsPageMatch match;
    int code = -1;
    if (v.platformId == plat::kPlatformWin32Windows) {
        if (v.minor != 0) code = 0;
        match.rangeLast = 1075;  // the 9x case checks over a shorter range
    } else if (v.platformId == plat::kPlatformWin32Nt) {
        code = NtCode(v, architecture);
    } else {
        match.knownPlatform = false;
    }
    if (code >= 0) {
        match.matched = true;
        match.code = code;
        match.radioId = kOsRadioIds[code];
    }
    return match;
}
