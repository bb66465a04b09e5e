#pragma once
// The installer's view of one driver package: where its INI files are, the printer
// models setup.ini declares with their printer type, and the default model. The
// descriptor readers that turn a model's entries into install records join this class.
#include <cstdint>
#include <string>

#include "installer/engine/DriverFileSet.h"
#include "installer/engine/MonitorDescriptors.h"
#include "platform/Spooler.h"

constexpr int kTypeNone = -1;
constexpr int kTypeReceipt = 0;
constexpr int kTypeTicket = 1;
constexpr int kTypeLabel = 2;
constexpr int kTypeEmbedded = 3;

class ModelCatalogue {
public:
    ModelCatalogue();
    virtual ~ModelCatalogue() = default;

    int GetCatalogueCount() const;
    // Reads entry i ("DEVICENAME" + i) into buffer with the type suffix cut off and
    // returns its type code; -1 leaves the value as read.
    int GetCatalogueEntry(int i, std::string& buffer) const;
    // The entry that "DEFAULTNAME" names.
    int GetDefaultEntry(std::string& buffer) const;

    // Full path of the type INI file (lower-case names, current bitness); "" outside 0..3.
    const std::string& TypeIniPath(int printerType) const;
    const std::string& SetupPath() const { return setupPath_; }

    // The descriptors of one model's driver for one Windows (OS code 0..7), driver family
    // (0 the STD keys, 1 the GDI keys) and port kind (0 serial .. 3 network), from the
    // model's section of the current type's INI file. Nothing fails: a missing key
    // leaves "0". The records own their texts.
    void ReadDriverFileSet(const std::string& modelName, int osCode, DriverFileSet& files, int driverFamily,
                           int portKind);
    void ReadDriverInfo(const std::string& modelName, int osCode, plat::DriverInfo3& info, int driverFamily,
                        int portKind);
    void ReadPrinterInfo(const std::string& modelName, int osCode, plat::PrinterInfo2& info, int driverFamily,
                         int portKind);

    // The shared components from setup.ini.
    PortMonitorPair ReadPortMonitors(int osCode);
    LanguageMonitorInfo ReadLanguageMonitor(int osCode, int portKind);
    uint32_t ReadProcessorVersion();
    // The model needs the extra DDK file set (no gdiStdSign override here).
    bool ReadDdkFlag(const std::string& modelName, int osCode, int driverFamily);

    // The printer type whose INI file the descriptor readers use; every user sets it
    // before the first descriptor read.
    int currentType = kTypeNone;

protected:
    std::string workingPath_;

private:
    std::string typePaths_[4];
    std::string setupPath_;
};

// setup.ini's DEVICENAME/GDISTDSign, read once at start-up (defined with the wizard's
// state): when non-zero a serial port always takes the GDI driver family and a USB
// port the STD one.
extern int gdiStdSign;

// The section suffix of an OS code: ".98", ".NT", ".2K", ".XP", ".2003", ".Vista",
// ".2008", ".Win7"; "" outside 0..7.
const char* OsSectionSuffix(int osCode);

// Cuts the first type suffix found ("-ReceiptPrinter", then ticket, label, embedded)
// off name and returns its type code, or -1 leaving name as it is.
int CutTypeSuffix(std::string& name);
