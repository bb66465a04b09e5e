#pragma once
// The installer's view of one driver package: where its INI files are, the printer
// models setup.ini declares with their printer type, and the default model. The
// descriptor readers that turn a model's entries into install records join this class.
#include <string>

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

    // The printer type whose INI file the descriptor readers use; every user sets it
    // before the first descriptor read.
    int currentType = kTypeNone;

protected:
    std::string workingPath_;

private:
    std::string typePaths_[4];
    std::string setupPath_;
};

// Cuts the first type suffix found ("-ReceiptPrinter", then ticket, label, embedded)
// off name and returns its type code, or -1 leaving name as it is.
int CutTypeSuffix(std::string& name);
