#pragma once
// Reading Microsoft cabinet files for the simulated SetupIterateCabinet. Folders stored
// without compression and MSZIP folders are read; other compressions and cabinets that
// continue in another cabinet are refused.
#include <cstdint>
#include <string>
#include <vector>

namespace plat::sim {

struct CabinetEntry {
    std::string name;
    uint16_t date = 0;
    uint16_t time = 0;
    uint16_t attributes = 0;
    std::string contents;
};

struct CabinetContents {
    uint16_t setId = 0;
    uint16_t cabinetNumber = 0;
    std::vector<CabinetEntry> files;  // in cabinet order
};

// false when bytes are not a cabinet this reader understands; *why says what is wrong.
bool ReadCabinet(const std::string& bytes, CabinetContents& cabinet, std::string* why = nullptr);

}  // namespace plat::sim
