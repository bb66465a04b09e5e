#include "platform/sim/SimVersionInfo.h"

#include <cctype>
#include <cstdint>
#include <optional>

namespace plat::sim {

namespace {

std::optional<uint32_t> U16At(const std::string& b, std::size_t at) {
    if (at + 2 > b.size()) return std::nullopt;
    return static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8);
}

std::optional<uint32_t> U32At(const std::string& b, std::size_t at) {
    auto lo = U16At(b, at), hi = U16At(b, at + 2);
    if (!lo || !hi) return std::nullopt;
    return *lo | (*hi << 16);
}

struct Section {
    uint32_t virtualAddress, virtualSize, rawSize, rawOffset;
};

constexpr uint32_t kResourceTypeVersion = 16;
constexpr uint32_t kSubdirectory = 0x80000000u;

// The file offset of an RVA, through the section table.
std::optional<std::size_t> FileOffset(const std::vector<Section>& sections, uint32_t rva) {
    for (const Section& s : sections) {
        uint32_t span = s.virtualSize > s.rawSize ? s.virtualSize : s.rawSize;
        if (rva >= s.virtualAddress && rva < s.virtualAddress + span) return s.rawOffset + (rva - s.virtualAddress);
    }
    return std::nullopt;
}

// The entry of a resource directory with that id, or the first one when id is 0.
std::optional<uint32_t> DirectoryEntry(const std::string& image, std::size_t directory, uint32_t id) {
    auto named = U16At(image, directory + 12), ids = U16At(image, directory + 14);
    if (!named || !ids) return std::nullopt;
    uint32_t total = *named + *ids;
    for (uint32_t i = 0; i < total; ++i) {
        std::size_t entry = directory + 16 + i * 8;
        auto name = U32At(image, entry), data = U32At(image, entry + 4);
        if (!name || !data) return std::nullopt;
        if (id == 0 || (!(*name & kSubdirectory) && *name == id)) return *data;
    }
    return std::nullopt;
}

// One node of a version block.
struct Node {
    std::size_t start = 0, end = 0;
    uint32_t valueLength = 0, type = 0;
    std::u16string key;
    std::size_t value = 0, children = 0;
};

std::size_t Align4(std::size_t at, std::size_t base) { return base + ((at - base + 3) & ~std::size_t{3}); }

std::optional<Node> ReadNode(const std::string& block, std::size_t at, std::size_t base) {
    auto length = U16At(block, at), valueLength = U16At(block, at + 2), type = U16At(block, at + 4);
    if (!length || !valueLength || !type || *length < 6 || at + *length > block.size()) return std::nullopt;
    Node node;
    node.start = at;
    node.end = at + *length;
    node.valueLength = *valueLength;
    node.type = *type;
    std::size_t p = at + 6;
    for (;; p += 2) {
        auto c = U16At(block, p);
        if (!c || p + 2 > node.end) return std::nullopt;
        if (*c == 0) break;
        node.key += static_cast<char16_t>(*c);
    }
    node.value = Align4(p + 2, base);
    std::size_t valueBytes = node.type == 1 ? node.valueLength * 2u : node.valueLength;
    node.children = Align4(node.value + valueBytes, base);
    return node;
}

bool SameKey(const std::u16string& key, const std::string& name) {
    if (key.size() != name.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        char16_t c = key[i];
        if (c > 0x7F || std::tolower(static_cast<unsigned char>(c)) != std::tolower(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

// The node a path such as "\StringFileInfo\040904b0\FileVersion" names.
std::optional<Node> FindNode(const std::string& block, const std::string& path) {
    auto node = ReadNode(block, 0, 0);
    std::size_t from = 0;
    while (node) {
        while (from < path.size() && path[from] == '\\') ++from;
        if (from >= path.size()) return node;
        std::size_t to = path.find('\\', from);
        std::string name = path.substr(from, to == std::string::npos ? std::string::npos : to - from);
        from = to == std::string::npos ? path.size() : to;
        std::optional<Node> found;
        for (std::size_t at = node->children; at + 6 <= node->end;) {
            auto child = ReadNode(block, at, 0);
            if (!child) break;
            if (SameKey(child->key, name)) {
                found = child;
                break;
            }
            at = Align4(child->end, 0);
        }
        node = found;
    }
    return std::nullopt;
}

}  // namespace

bool FindVersionResource(const std::string& image, std::string& block) {
    if (image.size() < 0x40 || image.compare(0, 2, "MZ") != 0) return false;
    auto peOffset = U32At(image, 0x3C);
    if (!peOffset || image.compare(*peOffset, 4, std::string("PE\0\0", 4)) != 0) return false;
    std::size_t coff = *peOffset + 4;
    auto sectionCount = U16At(image, coff + 2), optionalSize = U16At(image, coff + 16);
    if (!sectionCount || !optionalSize) return false;
    std::size_t optional = coff + 20;
    auto magic = U16At(image, optional);
    if (!magic || (*magic != 0x10B && *magic != 0x20B)) return false;
    std::size_t directories = optional + (*magic == 0x10B ? 96 : 112);
    auto directoryCount = U32At(image, directories - 4);
    if (!directoryCount || *directoryCount < 3) return false;
    auto resourceRva = U32At(image, directories + 2 * 8);
    if (!resourceRva || *resourceRva == 0) return false;
    std::vector<Section> sections;
    std::size_t table = optional + *optionalSize;
    for (uint32_t i = 0; i < *sectionCount; ++i) {
        std::size_t s = table + i * 40;
        auto vsize = U32At(image, s + 8), va = U32At(image, s + 12), raw = U32At(image, s + 16),
             offset = U32At(image, s + 20);
        if (!vsize || !va || !raw || !offset) return false;
        sections.push_back({*va, *vsize, *raw, *offset});
    }
    auto root = FileOffset(sections, *resourceRva);
    if (!root) return false;
    auto type = DirectoryEntry(image, *root, kResourceTypeVersion);
    if (!type || !(*type & kSubdirectory)) return false;
    auto name = DirectoryEntry(image, *root + (*type & ~kSubdirectory), 0);
    if (!name || !(*name & kSubdirectory)) return false;
    auto language = DirectoryEntry(image, *root + (*name & ~kSubdirectory), 0);
    if (!language || (*language & kSubdirectory)) return false;
    std::size_t dataEntry = *root + *language;
    auto dataRva = U32At(image, dataEntry), dataSize = U32At(image, dataEntry + 4);
    if (!dataRva || !dataSize) return false;
    auto data = FileOffset(sections, *dataRva);
    if (!data || *data + *dataSize > image.size()) return false;
    block = image.substr(*data, *dataSize);
    return ReadNode(block, 0, 0).has_value();
}

bool BlockTranslations(const std::string& block, std::vector<VersionTranslation>& pairs) {
    auto node = FindNode(block, "\\VarFileInfo\\Translation");
    if (!node || node->valueLength < 4) return false;
    pairs.clear();
    for (std::size_t at = node->value; at + 4 <= node->value + node->valueLength; at += 4) {
        auto language = U16At(block, at), codePage = U16At(block, at + 2);
        if (!language || !codePage) break;
        pairs.push_back({static_cast<uint16_t>(*language), static_cast<uint16_t>(*codePage)});
    }
    return !pairs.empty();
}

bool BlockText(const std::string& block, const std::string& subBlock, std::string& text) {
    auto node = FindNode(block, subBlock);
    if (!node || node->type != 1) return false;
    std::string result;
    for (std::size_t i = 0; i < node->valueLength; ++i) {
        auto c = U16At(block, node->value + i * 2);
        if (!c || *c == 0) break;
        result += *c < 0x80 ? static_cast<char>(*c) : '?';
    }
    text = result;
    return true;
}

}  // namespace plat::sim
