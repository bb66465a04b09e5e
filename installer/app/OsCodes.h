#pragma once
// The Windows version as the installer's OS code: 0 Windows 98/Me, 1 NT 4.0, 2 2000,
// 3 XP, 4 Server 2003, 5 Vista, 6 Server 2008, 7 Windows 7 and later.
#include <cstdint>

#include "platform/SystemInfo.h"

// The wizard's classification of a version record and the native processor
// architecture. *knownPlatform is false when the platform is neither 9x nor NT; the
// code is then 0.
int ClassifyOsCode(const plat::OsVersion& version, uint16_t architecture, bool* knownPlatform);

// The architecture the version checks use: GetNativeSystemInfo's when kernel32 has it,
// else GetSystemInfo's, which a 32-bit program always sees as x86.
uint16_t NativeArchitecture();
