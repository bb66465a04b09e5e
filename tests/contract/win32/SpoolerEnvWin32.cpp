#include <windows.h>

#include "tests/contract/SpoolerEnv.h"

namespace contract {

void UseWine64Windows() {}

std::string UniqueName(const std::string& stem) {
    static int counter = 0;
    return stem + " " + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) + "-" +
           std::to_string(++counter);
}

void RemoveUserKey(const std::string& subKey) { RegDeleteTreeA(HKEY_CURRENT_USER, subKey.c_str()); }

}  // namespace contract
