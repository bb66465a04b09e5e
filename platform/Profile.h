#pragma once
#include <cstddef>
#include <string>

namespace plat {

// The Windows private-profile functions.
class Profile {
public:
    virtual ~Profile() = default;
    // GetPrivateProfileStringA with a buffer of bufferSize bytes: at most bufferSize - 1
    // bytes come back; a missing file, section or key gives the default (trailing blanks
    // removed). A bufferSize of 0 gives "".
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue, std::size_t bufferSize,
                                   const std::string& path) = 0;
};

}  // namespace plat
