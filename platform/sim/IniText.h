#pragma once
// Reading INI text the way Windows' private-profile functions read it. Used by the
// simulated profile functions and by the machine-file loader.
#include <optional>
#include <string>
#include <vector>

namespace plat::sim {

struct IniEntry {
    std::string key;
    std::string value;
};

struct IniSection {
    std::string name;
    std::vector<IniEntry> entries;
};

class IniText {
public:
    static IniText Parse(const std::string& text);

    // The value of the first key of that name in the first section of that name,
    // both compared without regard to ASCII case; surrounding matching quotes removed.
    std::optional<std::string> Find(const std::string& section, const std::string& key) const;
    const IniSection* FindSection(const std::string& section) const;
    const std::vector<IniSection>& Sections() const { return sections_; }

private:
    std::vector<IniSection> sections_;
};

bool EqualsNoCase(const std::string& a, const std::string& b);
std::string LowerAscii(std::string text);
std::string TrimBlanks(const std::string& text);
// CR LF, LF and CR alone all end a line.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace plat::sim
