#pragma once
// Private-profile writes on INI text, the way WritePrivateProfileStringA edits a file.
#include <optional>
#include <string>

namespace plat::sim {

// Sets key=value in section (creating the section at the end when missing); no value
// removes the key, no key removes the whole section. Line ends are kept as CR LF.
std::string EditProfileText(const std::string& text, const std::string& section,
                            const std::optional<std::string>& key, const std::optional<std::string>& value);

}  // namespace plat::sim
