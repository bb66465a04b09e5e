#include <windows.h>

#include <vector>

#include "platform/win32/Win32SpoolerParts.h"

namespace plat::win32 {

namespace {

// The seam's roots are the 32-bit values; a 64-bit build's HKEYs are sign-extended.
HKEY ToHkey(RegKeyHandle key) {
    switch (key) {
    case kHkeyClassesRoot: return HKEY_CLASSES_ROOT;
    case kHkeyCurrentUser: return HKEY_CURRENT_USER;
    case kHkeyLocalMachine: return HKEY_LOCAL_MACHINE;
    case kHkeyUsers: return HKEY_USERS;
    default: return reinterpret_cast<HKEY>(key);
    }
}

class Win32Registry : public Registry {
public:
    uint32_t OpenKey(RegKeyHandle root, const std::string& subKey, uint32_t access, RegKeyHandle& key) override {
        HKEY opened = nullptr;
        LONG error = RegOpenKeyExA(ToHkey(root), subKey.c_str(), 0, access, &opened);
        key = error == ERROR_SUCCESS ? reinterpret_cast<RegKeyHandle>(opened) : 0;
        return static_cast<uint32_t>(error);
    }

    uint32_t CreateKey(RegKeyHandle root, const std::string& subKey, const std::string& keyClass, uint32_t access,
                       RegKeyHandle& key, bool* created) override {
        HKEY opened = nullptr;
        DWORD disposition = 0;
        LONG error = RegCreateKeyExA(ToHkey(root), subKey.c_str(), 0,
                                     keyClass.empty() ? nullptr : const_cast<char*>(keyClass.c_str()),
                                     REG_OPTION_NON_VOLATILE, access, nullptr, &opened, &disposition);
        key = error == ERROR_SUCCESS ? reinterpret_cast<RegKeyHandle>(opened) : 0;
        if (created) *created = disposition == REG_CREATED_NEW_KEY;
        return static_cast<uint32_t>(error);
    }

    uint32_t CloseKey(RegKeyHandle key) override { return static_cast<uint32_t>(RegCloseKey(ToHkey(key))); }

    uint32_t QueryValue(RegKeyHandle key, const std::string& name, uint32_t* type, std::string& data,
                        uint32_t& size) override {
        // A real buffer even for size 0, so that a too-small one answers ERROR_MORE_DATA.
        std::vector<BYTE> buffer(size ? size : 1);
        DWORD got = size;
        DWORD valueType = 0;
        LONG error = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType, buffer.data(), &got);
        if (type) *type = valueType;
        size = got;
        if (error == ERROR_SUCCESS) data.assign(reinterpret_cast<char*>(buffer.data()), got);
        return static_cast<uint32_t>(error);
    }

    uint32_t SetValue(RegKeyHandle key, const std::string& name, uint32_t type, const std::string& data) override {
        return static_cast<uint32_t>(RegSetValueExA(ToHkey(key), name.c_str(), 0, type,
                                                    reinterpret_cast<const BYTE*>(data.data()),
                                                    static_cast<DWORD>(data.size())));
    }
};

}  // namespace

Registry& Win32RegistryService() {
    static Win32Registry registry;
    return registry;
}

}  // namespace plat::win32
