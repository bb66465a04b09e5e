#include "platform/sim/IniText.h"

#include <cctype>

namespace plat::sim {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Unquote(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string TrimBlanks(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && LowerAscii(a) == LowerAscii(b);
}

IniText IniText::Parse(const std::string& text) {
    IniText ini;
    IniSection* current = nullptr;
    for (const std::string& raw : SplitLines(text)) {
        std::string line = TrimBlanks(raw);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            std::size_t close = line.find(']');
            std::string name = TrimBlanks(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            ini.sections_.push_back({name, {}});
            current = &ini.sections_.back();
            continue;
        }
        if (!current) continue;  // text before the first section belongs to none
        std::size_t eq = line.find('=');
        if (eq == std::string::npos) {
            current->entries.push_back({line, ""});
        } else {
            current->entries.push_back({TrimBlanks(line.substr(0, eq)), TrimBlanks(line.substr(eq + 1))});
        }
    }
    return ini;
}

const IniSection* IniText::FindSection(const std::string& section) const {
    std::string wanted = TrimBlanks(section);
    for (const IniSection& s : sections_)
        if (EqualsNoCase(s.name, wanted)) return &s;
    return nullptr;
}

std::optional<std::string> IniText::Find(const std::string& section, const std::string& key) const {
    const IniSection* s = FindSection(section);
    if (!s) return std::nullopt;
    std::string wanted = TrimBlanks(key);
    for (const IniEntry& e : s->entries)
        if (EqualsNoCase(e.key, wanted)) return Unquote(e.value);
    return std::nullopt;
}

}  // namespace plat::sim
