#pragma once
#include <cstdint>
#include <string>

namespace plat {

// The system's message table (FormatMessageA from the system, default language).
class MessageTable {
public:
    virtual ~MessageTable() = default;
    // The system's text for a Windows error code, as Windows words it (with its
    // closing line break); false when the system has no text for that code.
    virtual bool SystemMessageText(uint32_t code, std::string& text) = 0;
};

}  // namespace plat
