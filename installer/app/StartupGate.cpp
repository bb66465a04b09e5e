#include "installer/app/StartupGate.h"

#include "installer/config/ModelCatalogue.h"
#include "installer/config/SetupIni.h"
#include "platform/Platform.h"

namespace {

// The installer's own window titles, the Chinese ones as GBK bytes.
const char kWizardTitle[] = "Printer Driver Setup";
const char kWizardTitleGbk[] = "\xB4\xF2\xD3\xA1\xBB\xFA\xC7\xFD\xB6\xAF\xB0\xB2\xD7\xB0\xB3\xCC\xD0\xF2";
const char kUninstallTitle[] = "Uninstall";
const char kUninstallTitleGbk[] = "\xB4\xF2\xD3\xA1\xBB\xFA\xD0\xB6\xD4\xD8\xB3\xCC\xD0\xF2";

plat::WindowRef FindEither(const char* title, const char* otherTitle) {
    plat::Desktop& desktop = plat::os().DesktopWindows();
    plat::WindowRef window = desktop.FindTopLevelWindow(title);
    return window ? window : desktop.FindTopLevelWindow(otherTitle);
}

bool VersionRefused() {
    plat::OsVersion v = plat::os().System().GetVersion();
    if (v.platformId == plat::kPlatformWin32Windows) return v.minor != 0;  // 98 and Me; 95 passes
    return v.platformId == plat::kPlatformWin32Nt && v.major == 4 && v.minor == 0;
}

}  // namespace

bool AnotherInstanceRunning(const std::string& applicationName) {
    bool existed = false;
    plat::os().DesktopWindows().CreateNamedMutex(applicationName, true, &existed);
    if (!existed) return false;
    plat::WindowRef first = FindEither(kWizardTitle, kWizardTitleGbk);
    plat::os().DesktopWindows().SetForeground(first);
    plat::os().DesktopWindows().RestoreFromIcon(first);
    return true;
}

bool DetectWow64() { return plat::os().System().IsWow64Process() == plat::Wow64Answer::Yes; }

bool PackageOffersPort() {
    ModelCatalogue catalogue;
    int count = catalogue.GetCatalogueCount();
    std::string buffer;
    bool anyTyped = false;
    // One buffer for every read: the entry read last is the one tested.
    for (int i = 1; i <= count; ++i)
        if (catalogue.GetCatalogueEntry(i, buffer) != kTypeNone) anyTyped = true;
    if (!anyTyped) return false;
    std::string section = buffer + ".PORT";
    for (int type = kTypeReceipt; type <= kTypeEmbedded; ++type)
        for (const char* key : {"USBSUPPORTED", "LPTSUPPORTED", "COMSUPPORTED"})
            if (ReadSetupInt(TypeIniName(type, false), section, key) != 0) return true;
    return false;
}

std::optional<StartRefusal> CheckEnvironment() {
    if (FindEither(kUninstallTitle, kUninstallTitleGbk)) return StartRefusal{"Setup", "Close"};
    if (VersionRefused()) return StartRefusal{"Setup", "Nonsupport"};
    is64BitWindows = DetectWow64();
    int packageBits = ReadSetupInt("DRVCONFIG\\setup.ini", "DEVICENAME", "Supported32OR64");
    if (packageBits == 1 && is64BitWindows) return StartRefusal{"Message", "IDS_X64"};
    if (packageBits == 2 && !is64BitWindows) return StartRefusal{"Message", "IDS_X32"};
    if (!PackageOffersPort()) return StartRefusal{"Setup", "PortNull"};
    return std::nullopt;
}
