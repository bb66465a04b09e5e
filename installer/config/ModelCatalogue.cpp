#include "installer/config/ModelCatalogue.h"

#include "installer/config/SetupIni.h"
#include "platform/Platform.h"

int CutTypeSuffix(std::string& name) {
    static const char* const suffixes[] = {"-ReceiptPrinter", "-TicketPrinter", "-LabelPrinter",
                                           "-EmbeddedPrinter"};
    for (int type = 0; type < 4; ++type) {
        std::size_t at = name.find(suffixes[type]);
        if (at != std::string::npos) {
            name.resize(at);
            return type;
        }
    }
    return kTypeNone;
}

ModelCatalogue::ModelCatalogue() {
    std::string folder = ProgramFolderPrefix();
    setupPath_ = folder + "DRVCONFIG\\setup.ini";
    for (int type = 0; type < 4; ++type) typePaths_[type] = folder + TypeIniName(type, false);
}

const std::string& ModelCatalogue::TypeIniPath(int printerType) const {
    static const std::string none;
    return printerType >= 0 && printerType < 4 ? typePaths_[printerType] : none;
}

int ModelCatalogue::GetCatalogueCount() const {
    return CAtoi(plat::os().Profiles().ReadString("DEVICENAME", "DEVICENUMBER", "0", kNameBuffer, setupPath_));
}

int ModelCatalogue::GetCatalogueEntry(int i, std::string& buffer) const {
    buffer = plat::os().Profiles().ReadString("DEVICENAME", "DEVICENAME" + std::to_string(i), "0",
                                              kSetupValueBuffer, setupPath_);
    return CutTypeSuffix(buffer);
}

int ModelCatalogue::GetDefaultEntry(std::string& buffer) const {
    buffer = plat::os().Profiles().ReadString("DEVICENAME", "DEFAULTNAME", "0", kDefaultNameBuffer, setupPath_);
    return GetCatalogueEntry(CAtoi(buffer), buffer);
}
