#pragma once
// Puts one driver file from the package (or, for the universal printer driver's core
// files, from Windows' own copy) into one of the system's fixed folders.
#include <string>
#include <vector>

#include "installer/engine/DriverFileSet.h"
#include "installer/engine/ErrorText.h"

// Target codes: where StageDriverFile puts a file.
constexpr int TargetDriverDir = 66000;           // the printer-driver folder (created)
constexpr int TargetProcessorDir = 66001;        // the print-processor folder (created)
constexpr int TargetSystemDir = 66002;           // system folder; the native one on 64-bit Windows
constexpr int TargetSystemDirIfMissing = 66003;  // system folder, only when the file is not there
constexpr int TargetWbemIfMissing = 66004;       // system folder's wbem, only when missing
constexpr int TargetDriverDir3 = 999;            // the driver folder's "3" sub-folder (created)
constexpr int TargetDriverLog = 888;             // <Windows>\QRTZDriverlog (created)

// Results.
constexpr int kStageFailed = 0;     // the error text says why (a few paths leave it empty)
constexpr int kStageInPlace = 1;
constexpr int kStageDenied = 5;     // access denied; error text unchanged
constexpr int kStageInUse = 32;     // target in use; error text unchanged

// Stages fileName (upper-cased in place) with a target code for an OS code (0..7).
// renameFlag non-zero writes the target as 'n' + name. Failures go to error. A name
// beginning with '0' is no file: 0 at once, error untouched. A name that would leave
// its folder (absolute, with a drive, or with a ".." part) is refused: 0 with the
// copy-failure text and the name.
int StageDriverFile(std::string& fileName, int targetCode, int osCode, int renameFlag, ErrorText& error);

// Whether a name belongs to the universal printer driver's core files, which
// Windows 2000 and later take from their own copies.
bool IsUnidrvFamily(const std::string& upperCasedName);

// Stages every file of a model's driver from its file set, in the install's order:
// the four required files, the driver's extra DLLs, the fonts and language files into
// the driver folder's "3", the driver-log files, and on 32-bit Windows XP the three
// system files. Names are upper-cased in place. Returns 1 when all went well, 0 with
// the error text set ("IDS_ERR_LOSTDRIVERFILE" when a required name is empty). Files
// in use (32, 5) pass, as in the install.
int StageDriverFileSet(DriverFileSet& files, int osCode, ErrorText& error);

// The process-wide state of the cabinet road (Windows 2000 to 2003): the cabinets
// found in Driver Cache, in listing order, and whether the extraction is still to run.
const std::vector<std::string>& CabinetList();
bool CabinetsPending();
// Starts over as a fresh process would (tests; one run per process otherwise).
void ResetCabinetState();
