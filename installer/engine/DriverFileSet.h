#pragma once
// The names of every file one model's driver needs, as the model's section of the type
// INI file gives them (read with a 200-byte limit, so at most 199 characters each).
// A slot that is empty or starts with '0' names no file.
#include <array>
#include <cstddef>
#include <string>

constexpr std::size_t kDriverFileSlotBuffer = 200;
constexpr std::size_t kLanguageResourceFiles = 9;

struct DriverFileSet {
    std::string driverPath;        // driver file; required
    std::string dataFile;          // required
    std::string configFile;        // user-interface DLL; required, staged first
    std::string helpFile;          // required
    std::string processorDLLName;  // print-processor DLL
    std::string dataFileDLLName;   // extra driver file of the DDK file set
    std::string dataOemuniDLL;     // rendering plug-in DLL
    std::string dataOemuniini;     // rendering plug-in INI
    std::string dataOemuiDLL;      // user-interface plug-in DLL
    std::string controlFontFile;
    std::string usbInternalID;
    std::array<std::string, kLanguageResourceFiles> languageResourceFile;  // 1 .. 9
    std::string driverlogViewer;
    std::string driverlogINI;      // also asks for a per-printer spool folder on XP/2003

    static constexpr std::size_t kSlotCount = 22;
};

// A slot that names a file: neither empty nor starting with '0'.
inline bool NamesFile(const std::string& slot) { return !slot.empty() && slot[0] != '0'; }
