#include "installer/engine/FileStaging.h"

#include <cctype>
#include <memory>

#include "installer/config/SetupIni.h"
#include "platform/ErrorCodes.h"
#include "platform/Platform.h"

namespace {

// Extraction runs at most once per process; the cabinet list only grows.
bool cabinetsPending = true;
std::vector<std::string> cabinetList;
std::string extractionFolder;

plat::Files& FileSystem() { return plat::os().FileSystem(); }

void UpperCase(std::string& text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// A name from the package must stay inside the folder it is copied into.
bool LeavesItsFolder(const std::string& name) {
    if (name.empty()) return false;
    if (name[0] == '\\' || name[0] == '/' || name.find(':') != std::string::npos) return true;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("\\/", start);
        std::string part = name.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (part.size() >= 2 && part.find_first_not_of('.') == std::string::npos) return true;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return false;
}

// Runs a step with WOW64 file-system redirection switched off on 64-bit Windows.
// False when the step could not run: Kernel32.dll did not load or the switch failed;
// a missing switch function is no reason to stop.
template <typename Step>
bool WithoutRedirection(Step step) {
    if (!is64BitWindows) {
        step();
        return true;
    }
    std::unique_ptr<plat::RedirectionSwitch> redirection = FileSystem().LoadRedirectionSwitch();
    if (!redirection) return false;
    bool disabled = false;
    if (redirection->HasDisable()) {
        if (!redirection->Disable()) return false;
        disabled = true;
    }
    step();
    if (disabled && redirection->HasRevert()) redirection->Revert();
    return true;
}

bool PrinterDriverFolder(std::string& folder) {
    return plat::os().PrintSpooler().DriverDirectory("", folder) == 0 && !folder.empty();
}

// Creates a folder and whatever of its parents is missing; the copy that follows
// reports a folder that could not be made.
void MakeFolders(const std::string& folder) {
    if (folder.empty() || FileSystem().Exists(folder)) return;
    std::size_t slash = folder.find_last_of('\\');
    if (slash != std::string::npos && slash > 2) MakeFolders(folder.substr(0, slash));
    FileSystem().MakeDirectory(folder);
}

class UnidrvExtraction : public plat::CabinetListener {
public:
    explicit UnidrvExtraction(const std::string& folder) : folder_(folder) {}
    plat::CabinetFileAction OnFileInCabinet(plat::FileInCabinet& file) override {
        // Windows' cabinets name these files in lower case; nothing else is taken.
        static const char* const wanted[] = {"unidrvui.dll", "unidrv.dll",   "unires.dll",
                                             "unidrv.hlp",   "stdnames.gpd", "ttfsub.gpd"};
        file.fullTargetName = folder_ + file.nameInCabinet;
        for (const char* name : wanted)
            if (file.nameInCabinet == name) return plat::CabinetFileAction::Extract;
        return plat::CabinetFileAction::Skip;
    }

private:
    std::string folder_;
};

// Lists the cabinets of Driver Cache and extracts the Unidrv files of each into the
// temporary folder; a later cabinet's copy replaces an earlier one's. The result is the
// last cabinet's; no cabinet is a failure.
bool ExtractDriverCabinets() {
    std::string folder = plat::os().System().WindowsDirectory() +
                         (is64BitWindows ? "\\Driver Cache\\AMD64\\" : "\\Driver Cache\\i386\\");
    plat::FoundFile found;
    std::unique_ptr<plat::FileSearch> search;
    if (FileSystem().FindFirst(folder + "*.cab", found, search) == 0) {
        do {
            cabinetList.push_back(found.name);
        } while (search->Next(found) == 0);
        search->Close();
    }
    bool result = false;
    for (const std::string& cabinet : cabinetList) {
        FileSystem().TemporaryPath(extractionFolder);
        UnidrvExtraction listener(extractionFolder);
        result = FileSystem().IterateCabinet(folder + cabinet, listener) == 0;
    }
    return result;
}

// Windows 2000 to 2003: the copy extracted from Windows' cabinets. False sends the
// caller on to the package copy; true means result is final.
bool StageFromCabinets(const std::string& name, ErrorText& error, int& result) {
    if (cabinetsPending) {
        cabinetsPending = false;
        if (!ExtractDriverCabinets()) return false;
    }
    std::string driverFolder;
    if (!PrinterDriverFolder(driverFolder)) {
        error.SetMessage("IDS_ERR_GETDRIVERDIR");
        result = kStageFailed;
        return true;
    }
    if (FileSystem().CopyOneFile(extractionFolder + name, driverFolder + "\\" + name, false) != 0) return false;
    result = kStageInPlace;
    return true;
}

// Vista and later: the copy in the driver store's ntprint package.
int StageFromDriverStore(const std::string& name, ErrorText& error) {
    std::string repository = plat::os().System().WindowsDirectory() + "\\System32\\DriverStore\\FileRepository\\";
    plat::FoundFile found;
    std::unique_ptr<plat::FileSearch> search;
    uint32_t searchError = 0;
    if (!WithoutRedirection([&] { searchError = FileSystem().FindFirst(repository + "ntprint*", found, search); }))
        return kStageFailed;
    if (searchError) {
        std::string message;
        if (SystemMessageFor(searchError, message)) error.Set("Couldn't find system files.\n" + message);
        return kStageFailed;
    }
    std::string source = repository + found.name + (is64BitWindows ? "\\AMD64\\" : "\\I386\\") + name;
    std::string driverFolder;
    if (!PrinterDriverFolder(driverFolder)) {
        search->Close();
        error.SetMessage("IDS_ERR_GETDRIVERDIR");
        return kStageFailed;
    }
    uint32_t copyError = 0;
    if (!WithoutRedirection([&] { copyError = FileSystem().CopyOneFile(source, driverFolder + "\\" + name, false); })) {
        search->Close();
        return kStageFailed;
    }
    if (copyError == 0) {
        if (search->Close() != 0) {
            error.Set("Couldn't close search handle.");
            return kStageFailed;
        }
        return kStageInPlace;
    }
    search->Close();
    if (copyError == plat::kErrorSharingViolation) return kStageInUse;
    if (copyError == plat::kErrorAccessDenied) return kStageDenied;
    error.SetMessage("IDS_ERR_COPYFIEL");
    error.Append(name);
    std::string message;
    if (SystemMessageFor(copyError, message)) error.Append("\n" + message + source);
    return kStageFailed;
}

struct TargetFolder {
    std::string folder;
    bool onlyIfMissing = false;
};

// The folder a target code names; false with the error text set when it cannot be had.
bool FolderForTarget(int targetCode, int osCode, const std::string& name, TargetFolder& target, ErrorText& error) {
    auto systemFolder = [&](std::string& folder) {
        folder = plat::os().System().SystemDirectory();
        if (folder.empty()) error.SetMessage("IDS_ERR_GETSYSDIR");
        return !folder.empty();
    };
    switch (targetCode) {
    case TargetDriverDir:
    case TargetDriverDir3:
        if (!PrinterDriverFolder(target.folder)) {
            error.SetMessage("IDS_ERR_GETDRIVERDIR");
            return false;
        }
        if (targetCode == TargetDriverDir3) target.folder += "\\3";
        MakeFolders(target.folder);
        return true;
    case TargetProcessorDir:
        if (plat::os().PrintSpooler().ProcessorDirectory("", target.folder) != 0 || target.folder.empty()) {
            error.SetMessage("IDS_ERR_GETPRODIR");
            return false;
        }
        MakeFolders(target.folder);
        return true;
    case TargetSystemDir:
        return systemFolder(target.folder);
    case TargetSystemDirIfMissing:
        target.onlyIfMissing = true;
        return systemFolder(target.folder);
    case TargetWbemIfMissing:
        if (!systemFolder(target.folder)) return false;
        target.onlyIfMissing = true;
        // Vista and later keep the file in the system folder itself when they have it.
        if (osCode >= 5 && osCode <= 7 && FileSystem().Exists(target.folder + "\\" + name)) return true;
        target.folder += "\\wbem";
        MakeFolders(target.folder);
        return true;
    case TargetDriverLog: {
        std::string windows = plat::os().System().WindowsDirectory();
        if (windows.empty()) {
            error.SetMessage("IDS_ERR_GETSYSDIR");
            return false;
        }
        target.folder = windows + "\\QRTZDriverlog";
        MakeFolders(target.folder);
        return true;
    }
    default:
        error.SetMessage("IDS_ERR_DIRTYPE");
        return false;
    }
}

int StageFromPackage(const std::string& name, int targetCode, int osCode, int renameFlag, ErrorText& error) {
    TargetFolder target;
    if (!FolderForTarget(targetCode, osCode, name, target, error)) return kStageFailed;
    if (target.onlyIfMissing && FileSystem().Exists(target.folder + "\\" + name)) return kStageInPlace;
    std::string source = ProgramFolder() + (is64BitWindows ? "\\W64\\" : "\\W32\\") + name;
    std::string targetName = renameFlag ? "n" + name : name;
    std::string targetPath = target.folder + "\\" + targetName;
    uint32_t copyError = 0;
    auto copy = [&] {
        // Archive only: an earlier read-only copy must not stop the replacement.
        FileSystem().SetAttributes(targetPath, plat::kFileAttributeArchive);
        copyError = FileSystem().CopyOneFile(source, targetPath, false);
    };
    if (targetCode == TargetSystemDir) {
        if (!WithoutRedirection(copy)) return kStageFailed;
    } else {
        copy();
    }
    if (copyError == 0) return kStageInPlace;
    if (copyError == plat::kErrorSharingViolation) return kStageInUse;
    if (copyError == plat::kErrorAccessDenied) return kStageDenied;
    error.SetMessage("IDS_ERR_COPYFIEL");
    std::string message;
    if (SystemMessageFor(copyError, message)) {
        error.Append(targetName + "\n" + message);
        error.AppendMessage("IDS_ERR_COPYFIEL1");
    }
    return kStageFailed;
}

}  // namespace

bool IsUnidrvFamily(const std::string& name) {
    for (const char* family : {"UNIDRV", "STDNAMES", "TTFSUB", "UNIRES"})
        if (name.find(family) != std::string::npos) return true;
    return false;
}

int StageDriverFile(std::string& fileName, int targetCode, int osCode, int renameFlag, ErrorText& error) {
    UpperCase(fileName);
    if (!fileName.empty() && fileName[0] == '0') return kStageFailed;
    if (LeavesItsFolder(fileName)) {
        error.SetMessage("IDS_ERR_COPYFIEL");
        error.Append(fileName);
        return kStageFailed;
    }
    if (IsUnidrvFamily(fileName)) {
        // On these roads the target is always the printer-driver folder.
        if (osCode >= 2 && osCode <= 4) {
            int result = kStageFailed;
            if (StageFromCabinets(fileName, error, result)) return result;
        } else if (osCode >= 5 && osCode <= 7) {
            return StageFromDriverStore(fileName, error);
        }
    }
    return StageFromPackage(fileName, targetCode, osCode, renameFlag, error);
}

int StageDriverFileSet(DriverFileSet& files, int osCode, ErrorText& error) {
    if (files.driverPath.empty() || files.dataFile.empty() || files.configFile.empty() || files.helpFile.empty()) {
        error.SetMessage("IDS_ERR_LOSTDRIVERFILE");
        return 0;
    }
    // Required names are staged as they are; "0" is skipped by the staging itself.
    for (std::string* name : {&files.configFile, &files.dataFile, &files.driverPath, &files.helpFile}) {
        StageDriverFile(*name, TargetDriverDir, osCode, 0, error);
        if (!error.Empty()) return 0;
    }
    auto optional = [&](std::string& name, int target) {
        if (!NamesFile(name)) return true;
        StageDriverFile(name, target, osCode, 0, error);
        return error.Empty();
    };
    for (std::string* name : {&files.dataFileDLLName, &files.dataOemuiDLL, &files.dataOemuniDLL, &files.dataOemuniini})
        if (!optional(*name, TargetDriverDir)) return 0;
    if (!optional(files.controlFontFile, TargetDriverDir3) || !optional(files.usbInternalID, TargetDriverDir3))
        return 0;
    for (std::string& name : files.languageResourceFile)
        if (!optional(name, TargetDriverDir3)) return 0;
    if (!optional(files.driverlogINI, TargetDriverLog) || !optional(files.driverlogViewer, TargetDriverLog)) return 0;
    if (osCode == 3 && !is64BitWindows) {
        std::string srclient = "srclient.dll", framedyn = "framedyn.dll", newdev = "newdev.dll";
        if (!optional(srclient, TargetSystemDirIfMissing) || !optional(framedyn, TargetWbemIfMissing) ||
            !optional(newdev, TargetSystemDirIfMissing))
            return 0;
    }
    return 1;
}

const std::vector<std::string>& CabinetList() { return cabinetList; }
bool CabinetsPending() { return cabinetsPending; }

void ResetCabinetState() {
    cabinetsPending = true;
    cabinetList.clear();
    extractionFolder.clear();
}
