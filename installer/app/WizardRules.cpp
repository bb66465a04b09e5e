#include "installer/app/WizardRules.h"

#include "installer/config/SetupIni.h"
#include "platform/Platform.h"

PortSection PortSectionOf(int printerType, const std::string& modelName) {
    return {ProgramFolderPrefix() + TypeIniName(printerType, true), modelName + ".PORT"};
}

int ReadPortInt(const PortSection& section, const std::string& key) {
    return CAtoi(plat::os().Profiles().ReadString(section.name, key, "0", kSetupValueBuffer, section.file));
}

std::optional<std::string> WindowsSupportRefusal(const PortSection& section, int osCode) {
    struct Need {
        int osCode;
        const char* key;
        const char* message;
    };
    static const Need needs[] = {
        {1, "SystemNTSupported", "IDS_NOTSUPPORTNT"},
        {4, "System2003Supported", "IDS_NOTSUPPORT2003"},
        {5, "SystemVistaSupported", "IDS_NOTSUPPORTVISTA"},
        {6, "System2008Supported", "IDS_NOTSUPPORT2008"},
        {7, "SystemWin7Supported", "IDS_NOTSUPPORTWin7"},
    };
    for (const Need& need : needs)
        if (need.osCode == osCode && ReadPortInt(section, need.key) == 0) return std::string(need.message);
    return std::nullopt;
}
