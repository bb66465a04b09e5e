#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace plat {

constexpr uint32_t kInvalidFileAttributes = 0xFFFFFFFFu;
constexpr uint32_t kFileAttributeReadOnly = 0x01;
constexpr uint32_t kFileAttributeHidden = 0x02;
constexpr uint32_t kFileAttributeSystem = 0x04;
constexpr uint32_t kFileAttributeDirectory = 0x10;
constexpr uint32_t kFileAttributeArchive = 0x20;
constexpr uint32_t kFileAttributeNormal = 0x80;

// Windows error codes of the file services beyond platform/ErrorCodes.h.
constexpr uint32_t kErrorInvalidData = 13;
constexpr uint32_t kErrorFileExists = 80;
constexpr uint32_t kErrorOperationAborted = 995;
constexpr uint32_t kErrorResourceDataNotFound = 1812;

// One entry a directory search returned (WIN32_FIND_DATAA, the fields we use).
struct FoundFile {
    std::string name;
    uint32_t attributes = 0;
    uint64_t size = 0;
};

// An open FindFirstFileA search.
class FileSearch {
public:
    virtual ~FileSearch() = default;
    // FindNextFileA: 0, or 18 (no more files) at the end of the list.
    virtual uint32_t Next(FoundFile& found) = 0;
    // FindClose: 0 or the error. Destroying an open search closes it too.
    virtual uint32_t Close() = 0;
};

// The WOW64 file-system redirection switches of one load of Kernel32.dll, looked up at
// run time. Switching is per thread; destroying the object releases the library.
class RedirectionSwitch {
public:
    virtual ~RedirectionSwitch() = default;
    virtual bool HasDisable() const = 0;
    virtual bool HasRevert() const = 0;
    // Wow64DisableWow64FsRedirection for the calling thread: true when it returned TRUE
    // (it fails on 32-bit Windows). The previous state is kept for Revert.
    virtual bool Disable() = 0;
    // Wow64RevertWow64FsRedirection with the state Disable kept.
    virtual bool Revert() = 0;
};

// SetupIterateCabinetA's notifications, with the fields we use.
struct CabinetInfo {
    std::string cabinetPath;  // the cabinet's folder
    std::string cabinetFile;  // the next cabinet of a set, "" for a cabinet that stands alone
    std::string diskName;
    uint16_t setId = 0;
    uint16_t cabinetNumber = 0;
};

struct FileInCabinet {
    std::string nameInCabinet;
    uint32_t fileSize = 0;
    uint16_t dosDate = 0;
    uint16_t dosTime = 0;
    uint16_t dosAttributes = 0;
    std::string fullTargetName;  // where to extract; filled by the listener
};

struct ExtractedFile {
    std::string target;
    std::string source;  // the cabinet
    uint32_t error = 0;
};

enum class CabinetFileAction : uint32_t { Abort = 0, Extract = 1, Skip = 2 };

class CabinetListener {
public:
    virtual ~CabinetListener() = default;
    // A non-zero answer is an error code and ends the iteration.
    virtual uint32_t OnCabinetInfo(const CabinetInfo&) { return 0; }
    virtual CabinetFileAction OnFileInCabinet(FileInCabinet& file) = 0;
    virtual uint32_t OnFileExtracted(const ExtractedFile&) { return 0; }
};

// A (language, code page) pair of a version resource's translation table.
struct VersionTranslation {
    uint16_t language = 0;
    uint16_t codePage = 0;
};

class Files {
public:
    virtual ~Files() = default;
    // GetFileAttributesA: kInvalidFileAttributes when the path does not exist; the
    // Windows error code goes to *error when given.
    virtual uint32_t GetAttributes(const std::string& path, uint32_t* error = nullptr) = 0;
    // SetFileAttributesA: 0 or the error.
    virtual uint32_t SetAttributes(const std::string& path, uint32_t attributes) = 0;
    // The whole file; returns 0 or the Windows error code.
    virtual uint32_t ReadWholeFile(const std::string& path, std::string& contents) = 0;
    // CreateDirectoryA: 0, 183 when it exists, 3 when its parent is missing.
    virtual uint32_t MakeDirectory(const std::string& path) = 0;
    // CopyFileA: 0 or the error (2 no source, 3 no target folder, 5 read-only or
    // denied target, 32 target in use, 80 target exists when failIfExists).
    virtual uint32_t CopyOneFile(const std::string& source, const std::string& target,
                                 bool failIfExists) = 0;
    // FindFirstFileA with a wildcard in the last component: 0 with the first entry and
    // the open search, 2 when nothing matches, 3 when the folder is missing.
    virtual uint32_t FindFirst(const std::string& pattern, FoundFile& first,
                               std::unique_ptr<FileSearch>& search) = 0;
    // GetTempPathA: the user's temporary folder with its trailing backslash; 0 or the error.
    virtual uint32_t TemporaryPath(std::string& path) = 0;
    // LoadLibraryA("Kernel32.dll") and the lookup of the two redirection switches;
    // nullptr when the library cannot be loaded.
    virtual std::unique_ptr<RedirectionSwitch> LoadRedirectionSwitch() = 0;
    // SetupIterateCabinetA: 0, or the error (2 when the cabinet is missing).
    virtual uint32_t IterateCabinet(const std::string& cabinet, CabinetListener& listener) = 0;
    // GetFileVersionInfoSizeA: 0 with the error in *error (1812 when the file has no
    // version resource, 2 when it is missing).
    virtual uint32_t VersionInfoSize(const std::string& path, uint32_t* error = nullptr) = 0;
    // GetFileVersionInfoA into a block of size bytes: 0 or the error.
    virtual uint32_t ReadVersionInfo(const std::string& path, uint32_t size, std::string& block) = 0;
    // VerQueryValueA "\VarFileInfo\Translation": false when the block has none.
    virtual bool QueryTranslations(const std::string& block, std::vector<VersionTranslation>& pairs) = 0;
    // VerQueryValueA of a text ("\StringFileInfo\040904b0\FileVersion"): false when missing.
    virtual bool QueryVersionText(const std::string& block, const std::string& subBlock,
                                  std::string& text) = 0;

    bool Exists(const std::string& path) { return GetAttributes(path) != kInvalidFileAttributes; }
};

}  // namespace plat
