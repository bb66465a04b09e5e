#pragma once
#include <cstdint>
#include <string>

namespace plat {

constexpr uint32_t kInvalidFileAttributes = 0xFFFFFFFFu;
constexpr uint32_t kFileAttributeReadOnly = 0x01;
constexpr uint32_t kFileAttributeHidden = 0x02;
constexpr uint32_t kFileAttributeSystem = 0x04;
constexpr uint32_t kFileAttributeDirectory = 0x10;
constexpr uint32_t kFileAttributeArchive = 0x20;
constexpr uint32_t kFileAttributeNormal = 0x80;

class Files {
public:
    virtual ~Files() = default;
    // GetFileAttributesA: kInvalidFileAttributes when the path does not exist; the
    // Windows error code goes to *error when given.
    virtual uint32_t GetAttributes(const std::string& path, uint32_t* error = nullptr) = 0;
    // The whole file; returns 0 or the Windows error code.
    virtual uint32_t ReadWholeFile(const std::string& path, std::string& contents) = 0;

    bool Exists(const std::string& path) { return GetAttributes(path) != kInvalidFileAttributes; }
};

}  // namespace plat
