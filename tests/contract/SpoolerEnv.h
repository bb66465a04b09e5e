#pragma once
// What the registry, spooler and service contract cases need of their back end beyond
// the common environment.
#include <string>

namespace contract {

// The simulated machine becomes the kind of Windows the Wine prefix is (Windows 7 x64);
// real Windows stays as it is.
void UseWine64Windows();
// A unique name for keys and spooler objects a case creates (real Windows keeps them).
std::string UniqueName(const std::string& stem);
// Removes a key tree below HKEY_CURRENT_USER that a case created.
void RemoveUserKey(const std::string& subKey);

}  // namespace contract
