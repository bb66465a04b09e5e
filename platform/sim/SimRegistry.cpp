#include "platform/sim/SimRegistry.h"

#include "platform/ErrorCodes.h"
#include "platform/sim/IniText.h"
#include "platform/sim/SimMachine.h"

namespace plat::sim {

namespace {

std::string TrimSlashes(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    while (!path.empty() && path.front() == '\\') path.erase(0, 1);
    return path;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// Below a prefix: the prefix itself or a key under it.
bool AtOrBelow(const std::string& path, const std::string& prefix) {
    return StartsWithNoCase(path, prefix) && (path.size() == prefix.size() || path[prefix.size()] == '\\');
}

const char* RootName(RegKeyHandle root) {
    switch (root) {
    case kHkeyClassesRoot: return "HKCR";
    case kHkeyCurrentUser: return "HKCU";
    case kHkeyLocalMachine: return "HKLM";
    case kHkeyUsers: return "HKU";
    default: return nullptr;
    }
}

const char* TypeName(uint32_t type) {
    switch (type) {
    case kRegSz: return "REG_SZ";
    case kRegBinary: return "REG_BINARY";
    case kRegDword: return "REG_DWORD";
    case kRegMultiSz: return "REG_MULTI_SZ";
    default: return "REG_NONE";
    }
}

}  // namespace

std::string SimRegistry::Resolve(const MachineIdentity& id, RegKeyHandle root, const std::string& subKey,
                                 uint32_t access) const {
    const char* rootName = RootName(root);
    if (!rootName) return "";
    std::string sub = TrimSlashes(subKey);
    // HKLM\SOFTWARE has a 32-bit view of its own for a 32-bit program on 64-bit Windows;
    // SYSTEM, and since Windows 7 the print and port keys below SOFTWARE, are shared.
    bool redirect = id.wow64 && root == kHkeyLocalMachine && !(access & kKeyWow64_64Key) &&
                    AtOrBelow(sub, "SOFTWARE") && !AtOrBelow(sub, "SOFTWARE\\Wow6432Node");
    bool windows7 = id.version.major > 6 || (id.version.major == 6 && id.version.minor >= 1);
    if (redirect && windows7 &&
        (AtOrBelow(sub, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Print") ||
         AtOrBelow(sub, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports")))
        redirect = false;
    if (redirect) sub = sub.substr(0, 8) + "\\Wow6432Node" + sub.substr(8);
    return sub.empty() ? rootName : std::string(rootName) + "\\" + sub;
}

bool SimRegistry::KeyExists(const std::string& path) const { return keys_.count(LowerAscii(TrimSlashes(path))) != 0; }

const RegistryValue* SimRegistry::FindValue(const std::string& path, const std::string& name) const {
    auto key = keys_.find(LowerAscii(TrimSlashes(path)));
    if (key == keys_.end()) return nullptr;
    auto value = key->second.values.find(LowerAscii(name));
    return value == key->second.values.end() ? nullptr : &value->second;
}

std::vector<std::string> SimRegistry::SubKeyNames(const std::string& path) const {
    std::string prefix = LowerAscii(TrimSlashes(path)) + "\\";
    std::vector<std::string> names;
    for (auto it = keys_.lower_bound(prefix); it != keys_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it)
        if (it->first.find('\\', prefix.size()) == std::string::npos)
            names.push_back(it->second.path.substr(prefix.size()));
    return names;
}

std::vector<RegistryValue> SimRegistry::Values(const std::string& path) const {
    std::vector<RegistryValue> values;
    auto key = keys_.find(LowerAscii(TrimSlashes(path)));
    if (key != keys_.end())
        for (const auto& [name, value] : key->second.values) values.push_back(value);
    return values;
}

bool SimRegistry::MakeKey(const std::string& rawPath, bool record) {
    std::string path = TrimSlashes(rawPath);
    if (path.empty() || KeyExists(path)) return false;
    std::size_t slash = path.rfind('\\');
    if (slash != std::string::npos) MakeKey(path.substr(0, slash), record);
    keys_[LowerAscii(path)].path = path;
    if (record && slash != std::string::npos) changes_.push_back({RegistryChange::Kind::KeyCreated, path, {}});
    return true;
}

void SimRegistry::CreateKey(const std::string& path) { MakeKey(path, true); }
void SimRegistry::PutKey(const std::string& path) { MakeKey(path, false); }

void SimRegistry::SetValue(const std::string& path, const std::string& name, uint32_t type, const std::string& data) {
    MakeKey(path, true);
    Key& key = keys_[LowerAscii(TrimSlashes(path))];
    key.values[LowerAscii(name)] = {name, type, data};
    changes_.push_back({RegistryChange::Kind::ValueSet, key.path, {name, type, data}});
}

void SimRegistry::PutValue(const std::string& path, const std::string& name, uint32_t type, const std::string& data) {
    MakeKey(path, false);
    keys_[LowerAscii(TrimSlashes(path))].values[LowerAscii(name)] = {name, type, data};
}

std::vector<std::string> SimRegistry::DescribeChanges() const {
    std::vector<std::string> lines;
    for (const RegistryChange& change : changes_) {
        if (change.kind == RegistryChange::Kind::KeyCreated) {
            lines.push_back("key created " + change.key);
            continue;
        }
        std::string shown;
        if (change.value.type == kRegDword) {
            if (auto v = AsDword(change.value)) shown = std::to_string(*v);
        } else if (change.value.type == kRegSz) {
            shown = AsText(change.value);
        } else {
            static const char* hex = "0123456789abcdef";
            for (unsigned char c : change.value.data) shown += std::string{hex[c >> 4], hex[c & 15]};
        }
        lines.push_back(change.key + "\\[" + change.value.name + "] = " + TypeName(change.value.type) + " " + shown);
    }
    return lines;
}

std::string SimRegistry::Dword(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

std::optional<uint32_t> SimRegistry::AsDword(const RegistryValue& value) {
    if (value.data.size() != 4) return std::nullopt;
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(value.data[i])) << (8 * i);
    return v;
}

std::string SimRegistry::AsText(const RegistryValue& value) {
    std::size_t end = value.data.find('\0');
    return end == std::string::npos ? value.data : value.data.substr(0, end);
}

std::optional<std::string> SimRegistryPart::PathOf(RegKeyHandle key, const std::string& subKey,
                                                   uint32_t access) const {
    if (auto it = open_.find(key); it != open_.end()) {
        std::string sub = TrimSlashes(subKey);
        return sub.empty() ? it->second.path : it->second.path + "\\" + sub;
    }
    std::string path = registry_.Resolve(id_, key, subKey, access);
    if (path.empty()) return std::nullopt;
    return path;
}

uint32_t SimRegistryPart::OpenKey(RegKeyHandle root, const std::string& subKey, uint32_t access, RegKeyHandle& key) {
    key = 0;
    auto path = PathOf(root, subKey, access);
    if (!path) return kErrorInvalidHandle;
    if (!registry_.KeyExists(*path) && path->find('\\') != std::string::npos) return kErrorFileNotFound;
    if (!id_.administrator && root == kHkeyLocalMachine && (access & (kKeySetValue | kKeyCreateSubKey)))
        return kErrorAccessDenied;
    key = next_;
    next_ += 4;
    open_[key] = {*path, access};
    return 0;
}

uint32_t SimRegistryPart::CreateKey(RegKeyHandle root, const std::string& subKey, const std::string&,
                                    uint32_t access, RegKeyHandle& key, bool* created) {
    key = 0;
    auto path = PathOf(root, subKey, access);
    if (!path) return kErrorInvalidHandle;
    if (!id_.administrator && AtOrBelow(*path, "HKLM")) return kErrorAccessDenied;
    bool isNew = !registry_.KeyExists(*path);
    if (isNew) registry_.CreateKey(*path);
    if (created) *created = isNew;
    key = next_;
    next_ += 4;
    open_[key] = {*path, access};
    return 0;
}

uint32_t SimRegistryPart::CloseKey(RegKeyHandle key) {
    return open_.erase(key) ? 0 : kErrorInvalidHandle;
}

uint32_t SimRegistryPart::QueryValue(RegKeyHandle key, const std::string& name, uint32_t* type, std::string& data,
                                     uint32_t& size) {
    auto it = open_.find(key);
    if (it == open_.end()) return kErrorInvalidHandle;
    const RegistryValue* value = registry_.FindValue(it->second.path, name);
    if (!value) return kErrorFileNotFound;
    if (type) *type = value->type;
    uint32_t needed = static_cast<uint32_t>(value->data.size());
    if (needed > size) {
        size = needed;
        return kErrorMoreData;
    }
    size = needed;
    data = value->data;
    return 0;
}

uint32_t SimRegistryPart::SetValue(RegKeyHandle key, const std::string& name, uint32_t type, const std::string& data) {
    auto it = open_.find(key);
    if (it == open_.end()) return kErrorInvalidHandle;
    if (!(it->second.access & kKeySetValue)) return kErrorAccessDenied;
    registry_.SetValue(it->second.path, name, type, data);
    return 0;
}

}  // namespace plat::sim
