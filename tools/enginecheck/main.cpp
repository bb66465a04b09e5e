// Engine check: on real Windows calls (Wine here), installs one model's driver from the
// sample package beside this program the way the install does it, adds an LPT printer
// with it, makes that the default printer and reads both back from the spooler.
// Prints each step and exits 0 when everything read back as written.
#include <cstdio>
#include <memory>
#include <string>

#include "installer/config/ModelCatalogue.h"
#include "installer/config/SetupIni.h"
#include "installer/engine/ErrorText.h"
#include "installer/engine/FileStaging.h"
#include "installer/engine/SpoolerObjects.h"
#include "platform/ErrorCodes.h"
#include "platform/Platform.h"
#include "platform/win32/Win32Platform.h"

// The wizard reads this at start-up; the check has no wizard.
int gdiStdSign = 0;

namespace {

constexpr const char* kModel = "QMX-K660";
constexpr int kFamilyStd = 0;
constexpr int kPortParallel = 1;

int OsCodeOf(const plat::OsVersion& v) {
    if (v.platformId != plat::kPlatformWin32Nt) return 0;
    if (v.major < 5) return 1;
    if (v.major == 5) return v.minor == 0 ? 2 : v.minor == 1 ? 3 : 4;
    if (v.major == 6 && v.minor == 0) return v.productType == plat::kProductWorkstation ? 5 : 6;
    return 7;
}

bool Step(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok && !errorText.Empty()) std::printf("     %s\n", errorText.c_str());
    return ok;
}

// Vista and later keep the universal printer driver's files in the driver store's
// ntprint package; Wine has no driver store, so the check lays one out from the
// package's own copies of those files first (on Windows the folder is there).
bool PrepareDriverStore(int osCode) {
    if (osCode < 5) return true;
    auto& files = plat::os().FileSystem();
    std::string repository = plat::os().System().WindowsDirectory() + "\\System32\\DriverStore\\FileRepository";
    plat::FoundFile found;
    std::unique_ptr<plat::FileSearch> search;
    if (files.FindFirst(repository + "\\ntprint*", found, search) == 0) return true;
    std::string package = repository + "\\ntprint.inf_enginecheck";
    std::string folder = package + (is64BitWindows ? "\\AMD64" : "\\I386");
    for (const std::string& dir : {plat::os().System().WindowsDirectory() + "\\System32\\DriverStore", repository,
                                   package, folder})
        files.MakeDirectory(dir);
    std::string source = ProgramFolder() + (is64BitWindows ? "\\W64\\" : "\\W32\\");
    for (const char* name : {"UNIDRV.DLL", "UNIDRVUI.DLL", "UNIDRV.HLP", "UNIRES.DLL", "STDNAMES.GPD", "TTFSUB.GPD"})
        if (files.CopyOneFile(source + name, folder + "\\" + name, false) != 0) return false;
    return true;
}

}  // namespace

int main() {
    plat::InstallPlatform(&plat::win32::Win32Platform());
    is64BitWindows = plat::os().System().IsWow64Process() == plat::Wow64Answer::Yes;
    int osCode = OsCodeOf(plat::os().System().GetVersion());
    std::printf("OS code %d, package %s\n", osCode, ProgramFolder().c_str());

    if (!Step(PrepareDriverStore(osCode), "lay out the driver store's ntprint package")) return 1;

    ModelCatalogue catalogue;
    catalogue.currentType = kTypeReceipt;
    DriverFileSet files;
    catalogue.ReadDriverFileSet(kModel, osCode, files, kFamilyStd, kPortParallel);
    if (!Step(StageDriverFileSet(files, osCode, errorText) == 1, "stage the driver files of " + std::string(kModel)))
        return 1;

    plat::DriverInfo3 driver;
    catalogue.ReadDriverInfo(kModel, osCode, driver, kFamilyStd, kPortParallel);
    if (!Step(AddDriverEntry(driver, errorText) == 1, "add the driver \"" + driver.pName + "\"")) return 1;

    plat::PrinterInfo2 printer;
    catalogue.ReadPrinterInfo(kModel, osCode, printer, kFamilyStd, kPortParallel);
    printer.pPrinterName += "(P)";
    printer.pPortName = "LPT1:";
    // Wine refuses a printer without a data type (docs/wine-differences.md).
    printer.pDatatype = "RAW";
    if (!Step(AddPrinterEntry(printer, 2, false, errorText) == 1, "add the printer \"" + printer.pPrinterName + "\""))
        return 1;
    if (!Step(MakeDefaultPrinter(&printer.pPrinterName) == 1, "make it the default printer")) return 1;

    auto& spooler = plat::os().PrintSpooler();
    plat::PrinterHandle handle = 0;
    plat::PrinterInfo2 read;
    uint32_t needed = 0;
    bool opened = spooler.OpenPrinterHandle(printer.pPrinterName, plat::kPrinterAccessUse, handle) == 0;
    bool readOk = opened && spooler.ReadPrinter2(handle, 0, needed, read) == plat::kErrorInsufficientBuffer &&
                  spooler.ReadPrinter2(handle, needed, needed, read) == 0;
    if (opened) spooler.ClosePrinterHandle(handle);
    if (!Step(readOk, "read the printer back")) return 1;
    std::printf("     driver \"%s\", port \"%s\", processor \"%s\"\n", read.pDriverName.c_str(), read.pPortName.c_str(),
                read.pPrintProcessor.c_str());
    std::string defaultPrinter;
    spooler.DefaultPrinterName(defaultPrinter);
    std::printf("     default printer \"%s\"\n", defaultPrinter.c_str());
    bool same = read.pDriverName == driver.pName && read.pPortName == "LPT1:" && defaultPrinter == printer.pPrinterName;
    return Step(same, "the spooler holds what was added") ? 0 : 1;
}
