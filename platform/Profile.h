#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
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
    // WritePrivateProfileStringA (a path of "win.ini" is the Windows profile): creates
    // the file and the section; no value deletes the key, no key deletes the section,
    // and no section, key or value flushes the profile cache. Returns 0 or the error.
    virtual uint32_t WriteString(const std::optional<std::string>& section,
                                 const std::optional<std::string>& key,
                                 const std::optional<std::string>& value, const std::string& path) = 0;
};

}  // namespace plat
