#pragma once
// The registry wrapper through which the engine reads and writes every value. It owns
// at most one open key; from this 32-bit program on 64-bit Windows it reaches the
// native (64-bit) view. Operations return 1 on success and 0 on failure.
#include <cstdint>
#include <string>

#include "platform/Registry.h"

// KEY_READ | KEY_WOW64_64KEY | KEY_CREATE_SUB_KEY | KEY_SET_VALUE on 64-bit Windows,
// KEY_ALL_ACCESS otherwise.
uint32_t RegAccessRights();

class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // Closes any open key first.
    int Open(plat::RegKeyHandle root, const std::string& subKey);
    int Close();
    // Reads at most bufferSize bytes of the value, whatever its type.
    int QueryValue(const std::string& name, std::string& buffer, uint32_t bufferSize);
    int QueryDword(const std::string& name, uint32_t& value, uint32_t* error = nullptr);
    // Writes the first size bytes of data (zero-padded when data is shorter).
    int SetValue(const std::string& name, const std::string& data, uint32_t type, uint32_t size);
    int SetDword(const std::string& name, uint32_t value, uint32_t* error = nullptr);
    // REG_SZ: the text and its terminating zero.
    int SetString(const std::string& name, const std::string& text, uint32_t* error = nullptr);

    bool IsOpen() const { return key_ != 0; }
    uint32_t LastError() const { return lastError_; }
    uint32_t DataSize() const { return dataSize_; }

private:
    plat::RegKeyHandle key_ = 0;
    uint32_t lastError_ = 0;
    uint32_t dataSize_ = 0;
};

// Creates the key (non-volatile) or finds it present; the new handle is closed at once.
int CreateRegKey(plat::RegKeyHandle root, const std::string& subKey, const std::string& keyClass = "");
