#pragma once
// What the OS page checks for a version record: its own table, which knows Windows 8
// (code 8) and leaves versions it does not know unmatched.
#include <cstdint>

#include "platform/SystemInfo.h"

struct OsPageMatch {
    bool knownPlatform = true;  // 9x or NT
    bool matched = false;
    int code = 0;               // 0..8; 0 when nothing matched
    int radioId = 0;            // the radio of the code; 0 when nothing matched
    int rangeFirst = 1026;      // the CheckRadioButton range used
    int rangeLast = 1079;
};

constexpr int kOsRadioIds[9] = {1026, 1027, 1028, 1029, 1075, 1076, 1077, 1078, 1079};

OsPageMatch MatchOsPage(const plat::OsVersion& version, uint16_t architecture);
