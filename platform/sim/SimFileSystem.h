#pragma once
// The simulated machine's disks. A drive letter may be backed by a host folder (read
// through, never written); every change made by a program lands in an in-memory layer
// above it, so a run leaves the host untouched and its changes can be listed.
// Names match without regard to ASCII case, as on Windows.
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace plat::sim {

// A Windows path split into its drive letter (upper case) and components.
struct WinPath {
    char drive = 0;
    std::vector<std::string> parts;

    static std::optional<WinPath> Parse(const std::string& path);
    std::string Key() const;      // lower-case form used for lookups
    std::string Display() const;  // "C:\a\b"
    WinPath Parent() const;
};

struct FileChange {
    std::string path;
    enum class Kind { Written, DirectoryCreated, Deleted, AttributesChanged } kind;
};

class SimFileSystem {
public:
    void MapDrive(char letter, const std::filesystem::path& hostFolder);
    void AddDrive(char letter);  // a drive with nothing on it yet

    uint32_t GetAttributes(const std::string& path, uint32_t* error) const;
    uint32_t ReadWholeFile(const std::string& path, std::string& contents) const;

    // Changes; each returns 0 or the Windows error code.
    uint32_t WriteWholeFile(const std::string& path, const std::string& contents);
    uint32_t MakeDirectory(const std::string& path);
    uint32_t SetAttributes(const std::string& path, uint32_t attributes);
    uint32_t RemoveFile(const std::string& path);
    // CopyFileA: the target gets the source's bytes and attributes.
    uint32_t CopyOneFile(const std::string& source, const std::string& target, bool failIfExists);
    // The entries of a folder whose names match the last component of pattern
    // ('*' and '?', without regard to case), "." and ".." included below the root as
    // Windows lists them; 3 when the folder is missing, 2 when nothing matches.
    struct Entry {
        std::string name;
        uint32_t attributes = 0;
        uint64_t size = 0;
    };
    uint32_t Find(const std::string& pattern, std::vector<Entry>& entries) const;

    // Failures a machine can be told to show. A locked file is open in another program
    // without sharing: reading, replacing or deleting it gives 32. A denied file refuses
    // writes, copies onto it and deletion with 5 whatever its attributes (its access
    // list says so).
    void Lock(const std::string& path);
    void DenyWrites(const std::string& path);

    // Sets a machine up before a run: writes a file, creating missing folders, and
    // records nothing in Changes().
    void PutFile(const std::string& path, const std::string& contents);
    void PutDirectory(const std::string& path);
    // The same for attributes, and for taking a file or folder off the machine.
    void PutAttributes(const std::string& path, uint32_t attributes);
    void Erase(const std::string& path);

    // Names (in their stored case) of what a folder holds, files and folders alike.
    std::vector<std::string> List(const std::string& folder) const;

    const std::vector<FileChange>& Changes() const { return changes_; }

private:
    struct Node {
        bool directory = false;
        bool deleted = false;
        std::string name;  // last component as first written
        std::string contents;
        uint32_t attributes = 0;
    };

    std::optional<std::filesystem::path> HostPath(const WinPath& path) const;
    // The entry at a path from the layer, else from the host folder.
    std::optional<Node> Lookup(const WinPath& path) const;
    uint32_t MissingError(const WinPath& path) const;
    // 32 for a locked path, 5 for a denied one, else 0.
    uint32_t WriteRefusal(const WinPath& path) const;

    std::map<char, std::optional<std::filesystem::path>> drives_;
    std::map<std::string, Node> layer_;
    std::vector<FileChange> changes_;
    std::set<std::string> locked_;
    std::set<std::string> denied_;
};

// Windows' wildcard match of one name: '*' any run, '?' one character, no case.
bool MatchesWildcard(const std::string& pattern, const std::string& name);

}  // namespace plat::sim
