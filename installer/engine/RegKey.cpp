#include "installer/engine/RegKey.h"

#include "installer/config/SetupIni.h"
#include "platform/Platform.h"

uint32_t RegAccessRights() {
    if (is64BitWindows) return plat::kKeyRead | plat::kKeyWow64_64Key | plat::kKeyCreateSubKey | plat::kKeySetValue;
    return plat::kKeyAllAccess;
}

int RegKey::Open(plat::RegKeyHandle root, const std::string& subKey) {
    Close();
    lastError_ = plat::os().Reg().OpenKey(root, subKey, RegAccessRights(), key_);
    if (lastError_) key_ = 0;
    return lastError_ == 0 ? 1 : 0;
}

int RegKey::Close() {
    if (!key_) return 0;
    uint32_t error = plat::os().Reg().CloseKey(key_);
    key_ = 0;
    return error == 0 ? 1 : 0;
}

int RegKey::QueryValue(const std::string& name, std::string& buffer, uint32_t bufferSize) {
    if (!key_) return 0;
    dataSize_ = bufferSize;
    lastError_ = plat::os().Reg().QueryValue(key_, name, nullptr, buffer, dataSize_);
    return lastError_ == 0 ? 1 : 0;
}

int RegKey::QueryDword(const std::string& name, uint32_t& value, uint32_t* error) {
    std::string bytes;
    int ok = QueryValue(name, bytes, 4);
    if (ok) {
        value = 0;
        for (std::size_t i = 0; i < bytes.size() && i < 4; ++i)
            value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    if (error) *error = lastError_;
    return ok;
}

int RegKey::SetValue(const std::string& name, const std::string& data, uint32_t type, uint32_t size) {
    if (!key_) return 0;
    std::string bytes = data.substr(0, size);
    bytes.resize(size, '\0');
    dataSize_ = size;
    lastError_ = plat::os().Reg().SetValue(key_, name, type, bytes);
    return lastError_ == 0 ? 1 : 0;
}

int RegKey::SetDword(const std::string& name, uint32_t value, uint32_t* error) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    int ok = SetValue(name, bytes, plat::kRegDword, 4);
    if (error) *error = lastError_;
    return ok;
}

int RegKey::SetString(const std::string& name, const std::string& text, uint32_t* error) {
    dataSize_ = 2000;
    int ok = SetValue(name, text, plat::kRegSz, static_cast<uint32_t>(text.size() + 1));
    if (error) *error = lastError_;
    return ok;
}

int CreateRegKey(plat::RegKeyHandle root, const std::string& subKey, const std::string& keyClass) {
    plat::RegKeyHandle key = 0;
    if (plat::os().Reg().CreateKey(root, subKey, keyClass, RegAccessRights(), key) != 0) return 0;
    plat::os().Reg().CloseKey(key);
    return 1;
}
