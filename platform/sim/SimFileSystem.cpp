#include "platform/sim/SimFileSystem.h"

#include <cctype>
#include <fstream>
#include <sstream>

#include "platform/ErrorCodes.h"
#include "platform/Files.h"
#include "platform/sim/IniText.h"

namespace plat::sim {

namespace fs = std::filesystem;

std::optional<WinPath> WinPath::Parse(const std::string& path) {
    if (path.size() < 2 || path[1] != ':' || !std::isalpha(static_cast<unsigned char>(path[0])))
        return std::nullopt;
    WinPath result;
    result.drive = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    std::string part;
    auto flush = [&] {
        if (part == "..") {
            if (!result.parts.empty()) result.parts.pop_back();
        } else if (!part.empty() && part != ".") {
            result.parts.push_back(part);
        }
        part.clear();
    };
    for (std::size_t i = 2; i < path.size(); ++i) {
        if (path[i] == '\\' || path[i] == '/') flush();
        else part += path[i];
    }
    flush();
    return result;
}

std::string WinPath::Key() const { return LowerAscii(Display()); }

std::string WinPath::Display() const {
    std::string text(1, drive);
    text += ":";
    if (parts.empty()) return text + "\\";
    for (const std::string& p : parts) text += "\\" + p;
    return text;
}

WinPath WinPath::Parent() const {
    WinPath parent = *this;
    if (!parent.parts.empty()) parent.parts.pop_back();
    return parent;
}

void SimFileSystem::MapDrive(char letter, const fs::path& hostFolder) {
    drives_[static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))] = hostFolder;
}

void SimFileSystem::AddDrive(char letter) {
    drives_[static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))] = std::nullopt;
}

std::optional<fs::path> SimFileSystem::HostPath(const WinPath& path) const {
    auto drive = drives_.find(path.drive);
    if (drive == drives_.end() || !drive->second) return std::nullopt;
    fs::path current = *drive->second;
    for (const std::string& part : path.parts) {
        std::error_code ec;
        fs::path exact = current / part;
        if (fs::exists(exact, ec)) {
            current = exact;
            continue;
        }
        bool found = false;
        for (const auto& entry : fs::directory_iterator(current, ec)) {
            if (EqualsNoCase(entry.path().filename().string(), part)) {
                current = entry.path();
                found = true;
                break;
            }
        }
        if (!found) return std::nullopt;
    }
    return current;
}

std::optional<SimFileSystem::Node> SimFileSystem::Lookup(const WinPath& path) const {
    if (!drives_.count(path.drive)) return std::nullopt;
    auto it = layer_.find(path.Key());
    if (it != layer_.end()) {
        if (it->second.deleted) return std::nullopt;
        return it->second;
    }
    if (path.parts.empty()) return Node{true, false, "", "", kFileAttributeDirectory};
    // A folder deleted in the layer hides everything the host has below it.
    for (WinPath up = path.Parent(); !up.parts.empty(); up = up.Parent()) {
        auto parent = layer_.find(up.Key());
        if (parent != layer_.end() && parent->second.deleted) return std::nullopt;
    }
    auto host = HostPath(path);
    if (!host) return std::nullopt;
    Node node;
    node.name = host->filename().string();
    std::error_code ec;
    node.directory = fs::is_directory(*host, ec);
    node.attributes = node.directory ? kFileAttributeDirectory : kFileAttributeArchive;
    return node;
}

uint32_t SimFileSystem::MissingError(const WinPath& path) const {
    auto parent = Lookup(path.Parent());
    return parent && parent->directory ? kErrorFileNotFound : kErrorPathNotFound;
}

uint32_t SimFileSystem::GetAttributes(const std::string& text, uint32_t* error) const {
    auto path = WinPath::Parse(text);
    auto node = path ? Lookup(*path) : std::nullopt;
    if (!node) {
        if (error) *error = path ? MissingError(*path) : kErrorPathNotFound;
        return kInvalidFileAttributes;
    }
    if (error) *error = 0;
    return node->attributes;
}

uint32_t SimFileSystem::WriteRefusal(const WinPath& path) const {
    if (locked_.count(path.Key())) return kErrorSharingViolation;
    if (denied_.count(path.Key())) return kErrorAccessDenied;
    return 0;
}

void SimFileSystem::Lock(const std::string& text) {
    if (auto path = WinPath::Parse(text)) locked_.insert(path->Key());
}

void SimFileSystem::DenyWrites(const std::string& text) {
    if (auto path = WinPath::Parse(text)) denied_.insert(path->Key());
}

uint32_t SimFileSystem::ReadWholeFile(const std::string& text, std::string& contents) const {
    auto path = WinPath::Parse(text);
    if (!path) return kErrorPathNotFound;
    auto node = Lookup(*path);
    if (!node) return MissingError(*path);
    if (node->directory) return kErrorAccessDenied;
    if (locked_.count(path->Key())) return kErrorSharingViolation;
    auto layered = layer_.find(path->Key());
    if (layered != layer_.end()) {
        contents = layered->second.contents;
        return 0;
    }
    std::ifstream in(*HostPath(*path), std::ios::binary);
    if (!in) return kErrorAccessDenied;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    contents = bytes.str();
    return 0;
}

uint32_t SimFileSystem::WriteWholeFile(const std::string& text, const std::string& contents) {
    auto path = WinPath::Parse(text);
    if (!path || path->parts.empty()) return kErrorPathNotFound;
    auto parent = Lookup(path->Parent());
    if (!parent || !parent->directory) return kErrorPathNotFound;
    auto existing = Lookup(*path);
    if (existing && existing->directory) return kErrorAccessDenied;
    if (existing && (existing->attributes & (kFileAttributeReadOnly | kFileAttributeHidden)))
        return kErrorAccessDenied;
    if (uint32_t refused = WriteRefusal(*path)) return refused;
    Node node;
    node.name = existing ? existing->name : path->parts.back();
    node.contents = contents;
    node.attributes = existing ? existing->attributes : kFileAttributeArchive;
    layer_[path->Key()] = node;
    changes_.push_back({path->Display(), FileChange::Kind::Written});
    return 0;
}

uint32_t SimFileSystem::MakeDirectory(const std::string& text) {
    auto path = WinPath::Parse(text);
    if (!path || path->parts.empty()) return kErrorPathNotFound;
    if (Lookup(*path)) return kErrorAlreadyExists;
    auto parent = Lookup(path->Parent());
    if (!parent || !parent->directory) return kErrorPathNotFound;
    layer_[path->Key()] = Node{true, false, path->parts.back(), "", kFileAttributeDirectory};
    changes_.push_back({path->Display(), FileChange::Kind::DirectoryCreated});
    return 0;
}

uint32_t SimFileSystem::SetAttributes(const std::string& text, uint32_t attributes) {
    auto path = WinPath::Parse(text);
    if (!path) return kErrorPathNotFound;
    auto node = Lookup(*path);
    if (!node) return MissingError(*path);
    if (!layer_.count(path->Key()) && !node->directory) {
        std::string contents;
        ReadWholeFile(text, contents);
        node->contents = contents;
    }
    node->attributes = (attributes & ~kFileAttributeDirectory) |
                       (node->directory ? kFileAttributeDirectory : 0);
    layer_[path->Key()] = *node;
    changes_.push_back({path->Display(), FileChange::Kind::AttributesChanged});
    return 0;
}

uint32_t SimFileSystem::RemoveFile(const std::string& text) {
    auto path = WinPath::Parse(text);
    if (!path) return kErrorPathNotFound;
    auto node = Lookup(*path);
    if (!node) return MissingError(*path);
    if (node->directory || (node->attributes & kFileAttributeReadOnly)) return kErrorAccessDenied;
    if (uint32_t refused = WriteRefusal(*path)) return refused;
    layer_[path->Key()] = Node{false, true, node->name, "", 0};
    changes_.push_back({path->Display(), FileChange::Kind::Deleted});
    return 0;
}

uint32_t SimFileSystem::CopyOneFile(const std::string& sourceText, const std::string& targetText,
                                    bool failIfExists) {
    auto source = WinPath::Parse(sourceText);
    if (!source) return kErrorPathNotFound;
    auto from = Lookup(*source);
    if (!from) return MissingError(*source);
    std::string contents;
    if (uint32_t error = ReadWholeFile(sourceText, contents)) return error;
    auto target = WinPath::Parse(targetText);
    if (!target || target->parts.empty()) return kErrorPathNotFound;
    auto existing = Lookup(*target);
    if (existing && failIfExists) return kErrorFileExists;
    uint32_t error = WriteWholeFile(targetText, contents);
    if (error) return error;
    layer_[target->Key()].attributes = from->attributes & ~kFileAttributeDirectory;
    return 0;
}

bool MatchesWildcard(const std::string& pattern, const std::string& name) {
    std::size_t p = 0, n = 0, star = std::string::npos, resume = 0;
    auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && same(pattern[p], name[n])))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

uint32_t SimFileSystem::Find(const std::string& pattern, std::vector<Entry>& entries) const {
    entries.clear();
    auto path = WinPath::Parse(pattern);
    if (!path || path->parts.empty()) return kErrorFileNotFound;
    std::string wildcard = path->parts.back();
    WinPath folder = path->Parent();
    auto node = Lookup(folder);
    if (!node || !node->directory) return kErrorPathNotFound;
    if (!folder.parts.empty()) {
        for (const char* dots : {".", ".."})
            if (MatchesWildcard(wildcard, dots)) entries.push_back({dots, kFileAttributeDirectory, 0});
    }
    for (const std::string& name : List(folder.Display())) {
        if (!MatchesWildcard(wildcard, name)) continue;
        WinPath child = folder;
        child.parts.push_back(name);
        auto found = Lookup(child);
        if (!found) continue;
        Entry entry{found->name.empty() ? name : found->name, found->attributes, 0};
        if (!found->directory) {
            std::string contents;
            if (ReadWholeFile(child.Display(), contents) == 0) entry.size = contents.size();
        }
        entries.push_back(entry);
    }
    return entries.empty() ? kErrorFileNotFound : 0;
}

void SimFileSystem::PutDirectory(const std::string& text) {
    auto path = WinPath::Parse(text);
    if (!path) return;
    if (!drives_.count(path->drive)) AddDrive(path->drive);
    WinPath folder = *path;
    folder.parts.clear();
    for (const std::string& part : path->parts) {
        folder.parts.push_back(part);
        if (!Lookup(folder)) layer_[folder.Key()] = Node{true, false, part, "", kFileAttributeDirectory};
    }
}

void SimFileSystem::PutFile(const std::string& text, const std::string& contents) {
    auto path = WinPath::Parse(text);
    if (!path || path->parts.empty()) return;
    PutDirectory(path->Parent().Display());
    auto existing = Lookup(*path);
    Node node;
    node.name = existing ? existing->name : path->parts.back();
    node.contents = contents;
    node.attributes = existing && !existing->directory ? existing->attributes : kFileAttributeArchive;
    layer_[path->Key()] = node;
}

void SimFileSystem::PutAttributes(const std::string& text, uint32_t attributes) {
    std::size_t changes = changes_.size();
    SetAttributes(text, attributes);
    changes_.resize(changes);
}

void SimFileSystem::Erase(const std::string& text) {
    auto path = WinPath::Parse(text);
    if (!path || path->parts.empty()) return;
    auto node = Lookup(*path);
    if (!node) return;
    // Whatever the layer holds below it goes too.
    std::string prefix = path->Key() + "\\";
    for (auto it = layer_.begin(); it != layer_.end();) {
        if (it->first.compare(0, prefix.size(), prefix) == 0) it = layer_.erase(it);
        else ++it;
    }
    layer_[path->Key()] = Node{node->directory, true, node->name, "", 0};
}

std::vector<std::string> SimFileSystem::List(const std::string& folder) const {
    std::vector<std::string> names;
    auto path = WinPath::Parse(folder);
    if (!path) return names;
    auto node = Lookup(*path);
    if (!node || !node->directory) return names;
    std::map<std::string, std::string> seen;  // lower-case name -> stored name
    if (auto host = HostPath(*path)) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(*host, ec)) {
            WinPath child = *path;
            child.parts.push_back(entry.path().filename().string());
            if (Lookup(child)) seen[LowerAscii(child.parts.back())] = child.parts.back();
        }
    }
    std::string prefix = path->Key();
    if (prefix.back() != '\\') prefix += '\\';
    for (const auto& [key, layered] : layer_) {
        if (key.size() <= prefix.size() || key.compare(0, prefix.size(), prefix) != 0) continue;
        if (key.find('\\', prefix.size()) != std::string::npos) continue;
        std::string lower = key.substr(prefix.size());
        if (layered.deleted) seen.erase(lower);
        else seen[lower] = layered.name;
    }
    for (const auto& [lower, name] : seen) names.push_back(name);
    return names;
}

}  // namespace plat::sim
