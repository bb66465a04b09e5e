#pragma once
// Version resources for the simulated machine: the VS_VERSIONINFO block of a PE file's
// resource section, and the queries VerQueryValueA answers on it.
#include <string>
#include <vector>

#include "platform/Files.h"

namespace plat::sim {

// The first version resource of a PE image (type 16, first name, first language);
// false when the bytes are no PE image or carry none.
bool FindVersionResource(const std::string& image, std::string& block);

// "\VarFileInfo\Translation" of a block.
bool BlockTranslations(const std::string& block, std::vector<VersionTranslation>& pairs);
// A text value such as "\StringFileInfo\040904b0\FileVersion"; the names of the path
// match without regard to case; the text comes back in ASCII ('?' for other characters).
bool BlockText(const std::string& block, const std::string& subBlock, std::string& text);

}  // namespace plat::sim
