#pragma once
// The Windows registry as the engine uses it: open, create, query and set values below
// a predefined root key. Key handles are opaque numbers; 0 is no key.
#include <cstdint>
#include <string>

namespace plat {

using RegKeyHandle = uintptr_t;

// The predefined roots, with their Windows values.
constexpr RegKeyHandle kHkeyClassesRoot = 0x80000000u;
constexpr RegKeyHandle kHkeyCurrentUser = 0x80000001u;
constexpr RegKeyHandle kHkeyLocalMachine = 0x80000002u;
constexpr RegKeyHandle kHkeyUsers = 0x80000003u;

// Access rights.
constexpr uint32_t kKeyQueryValue = 0x0001;
constexpr uint32_t kKeySetValue = 0x0002;
constexpr uint32_t kKeyCreateSubKey = 0x0004;
constexpr uint32_t kKeyRead = 0x20019;
constexpr uint32_t kKeyAllAccess = 0xF003F;
// A 32-bit program on 64-bit Windows reaches the 64-bit view with this flag; without it
// HKLM\SOFTWARE means HKLM\SOFTWARE\Wow6432Node for such a program.
constexpr uint32_t kKeyWow64_64Key = 0x0100;
constexpr uint32_t kKeyWow64_32Key = 0x0200;

// Value types.
constexpr uint32_t kRegNone = 0;
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegMultiSz = 7;

class Registry {
public:
    virtual ~Registry() = default;
    // RegOpenKeyExA; returns 0 or the Windows error (2 when the key does not exist).
    virtual uint32_t OpenKey(RegKeyHandle root, const std::string& subKey, uint32_t access,
                             RegKeyHandle& key) = 0;
    // RegCreateKeyExA, non-volatile; *created tells whether the key is new.
    virtual uint32_t CreateKey(RegKeyHandle root, const std::string& subKey, const std::string& keyClass,
                               uint32_t access, RegKeyHandle& key, bool* created = nullptr) = 0;
    virtual uint32_t CloseKey(RegKeyHandle key) = 0;
    // RegQueryValueExA with a buffer of size bytes. On success data holds the bytes
    // (a text with its terminating zero as stored) and size their count; a buffer too
    // small gives 234 with size set to what is needed; a missing value gives 2.
    virtual uint32_t QueryValue(RegKeyHandle key, const std::string& name, uint32_t* type,
                                std::string& data, uint32_t& size) = 0;
    // RegSetValueExA: data are the bytes as stored (a REG_SZ caller includes the zero).
    virtual uint32_t SetValue(RegKeyHandle key, const std::string& name, uint32_t type,
                              const std::string& data) = 0;
};

}  // namespace plat
