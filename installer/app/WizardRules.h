#pragma once
// The wizard's decisions on the package's port section of the chosen model.
#include <optional>
#include <string>

// The model's port section and the type INI file it is read from.
struct PortSection {
    std::string file;  // full path, capitalised type INI name of the current bitness
    std::string name;  // the model name followed by ".PORT"
};
PortSection PortSectionOf(int printerType, const std::string& modelName);

int ReadPortInt(const PortSection& section, const std::string& key);

// The "Message" key shown when the model does not support the detected Windows, or
// nothing when the OS code needs no support key or the key is set.
std::optional<std::string> WindowsSupportRefusal(const PortSection& section, int osCode);
