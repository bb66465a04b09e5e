#include "platform/sim/SimProfileWrite.h"

#include <vector>

#include "platform/sim/IniText.h"

namespace plat::sim {

namespace {

// The section a line opens, or none.
std::optional<std::string> SectionOf(const std::string& line) {
    std::string t = TrimBlanks(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    std::size_t close = t.find(']');
    if (close == std::string::npos) return std::nullopt;
    return TrimBlanks(t.substr(1, close - 1));
}

std::optional<std::string> KeyOf(const std::string& line) {
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) return std::nullopt;
    return TrimBlanks(line.substr(0, equals));
}

}  // namespace

std::string EditProfileText(const std::string& text, const std::string& section,
                            const std::optional<std::string>& key, const std::optional<std::string>& value) {
    std::vector<std::string> lines = SplitLines(text);
    std::size_t start = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto name = SectionOf(lines[i]);
        if (name && EqualsNoCase(*name, TrimBlanks(section))) {
            start = i;
            break;
        }
    }
    if (start == lines.size()) {
        if (key && value) {
            lines.push_back("[" + section + "]");
            lines.push_back(*key + "=" + *value);
        }
    } else {
        std::size_t end = start + 1;
        while (end < lines.size() && !SectionOf(lines[end])) ++end;
        if (!key) {
            lines.erase(lines.begin() + static_cast<long>(start), lines.begin() + static_cast<long>(end));
        } else {
            std::size_t found = end;
            for (std::size_t i = start + 1; i < end; ++i) {
                auto k = KeyOf(lines[i]);
                if (k && EqualsNoCase(*k, TrimBlanks(*key))) {
                    found = i;
                    break;
                }
            }
            if (found < end) {
                if (value) lines[found] = *key + "=" + *value;
                else lines.erase(lines.begin() + static_cast<long>(found));
            } else if (value) {
                std::size_t at = end;
                while (at > start + 1 && TrimBlanks(lines[at - 1]).empty()) --at;
                lines.insert(lines.begin() + static_cast<long>(at), *key + "=" + *value);
            }
        }
    }
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

}  // namespace plat::sim
