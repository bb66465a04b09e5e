#pragma once
#include "platform/MessageTable.h"

namespace plat::sim {

// The simulated machine's message table: Windows' English texts for the error codes
// the programs meet; any other code has no text, as an unknown code has none on Windows.
class SimMessageTable : public MessageTable {
public:
    bool SystemMessageText(uint32_t code, std::string& text) override;
};

}  // namespace plat::sim
