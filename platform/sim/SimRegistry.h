#pragma once
// The simulated registry: keys by full path ("HKLM\SYSTEM\..."), names matched without
// regard to ASCII case, with the 32-bit view of HKLM\SOFTWARE that a 32-bit program on
// 64-bit Windows sees. The spooler keeps its drivers, printers, monitors and print
// processors here, as Windows does.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace plat::sim {

struct MachineIdentity;

struct RegistryValue {
    std::string name;
    uint32_t type = kRegNone;
    std::string data;
};

struct RegistryChange {
    enum class Kind { KeyCreated, ValueSet } kind;
    std::string key;  // full path in the machine's own (physical) view
    RegistryValue value;
};

class SimRegistry {
public:
    // Full path of a key below a root ("HKLM\" + subKey), in the view the access rights
    // reach for this machine's program; "" for an unknown root.
    std::string Resolve(const MachineIdentity& id, RegKeyHandle root, const std::string& subKey,
                        uint32_t access) const;

    bool KeyExists(const std::string& path) const;
    const RegistryValue* FindValue(const std::string& path, const std::string& name) const;
    std::vector<std::string> SubKeyNames(const std::string& path) const;
    std::vector<RegistryValue> Values(const std::string& path) const;

    // Program changes, listed in Changes(); CreateKey makes the missing parents too.
    void CreateKey(const std::string& path);
    void SetValue(const std::string& path, const std::string& name, uint32_t type, const std::string& data);
    // Sets a machine up before a run; not listed as changes.
    void PutKey(const std::string& path);
    void PutValue(const std::string& path, const std::string& name, uint32_t type, const std::string& data);

    const std::vector<RegistryChange>& Changes() const { return changes_; }
    // One line per change: "key created HKLM\...", "HKLM\...\[name] = REG_DWORD 3".
    std::vector<std::string> DescribeChanges() const;

    // Helpers for texts and numbers as the registry stores them.
    static std::string Text(const std::string& text) { return text + std::string(1, '\0'); }
    static std::string Dword(uint32_t value);
    static std::optional<uint32_t> AsDword(const RegistryValue& value);
    static std::string AsText(const RegistryValue& value);

private:
    struct Key {
        std::string path;
        std::map<std::string, RegistryValue> values;  // by lower-case name
    };
    bool MakeKey(const std::string& path, bool record);

    std::map<std::string, Key> keys_;  // by lower-case path
    std::vector<RegistryChange> changes_;
};

// The registry as a program sees it through the seam.
class SimRegistryPart : public Registry {
public:
    SimRegistryPart(MachineIdentity& id, SimRegistry& registry) : id_(id), registry_(registry) {}
    uint32_t OpenKey(RegKeyHandle root, const std::string& subKey, uint32_t access, RegKeyHandle& key) override;
    uint32_t CreateKey(RegKeyHandle root, const std::string& subKey, const std::string& keyClass, uint32_t access,
                       RegKeyHandle& key, bool* created) override;
    uint32_t CloseKey(RegKeyHandle key) override;
    uint32_t QueryValue(RegKeyHandle key, const std::string& name, uint32_t* type, std::string& data,
                        uint32_t& size) override;
    uint32_t SetValue(RegKeyHandle key, const std::string& name, uint32_t type, const std::string& data) override;

    // Keys the program holds open right now.
    std::size_t OpenKeyCount() const { return open_.size(); }

private:
    struct OpenedKey {
        std::string path;
        uint32_t access = 0;
    };
    // The path of an open key or a root, with the view of the root.
    std::optional<std::string> PathOf(RegKeyHandle key, const std::string& subKey, uint32_t access) const;

    MachineIdentity& id_;
    SimRegistry& registry_;
    std::map<RegKeyHandle, OpenedKey> open_;
    RegKeyHandle next_ = 0x1000;
};

}  // namespace plat::sim
