#pragma once
// Reads of the package's configuration (DRVCONFIG\setup.ini and the type INI files).
// Every read goes through the private-profile functions with the default "0"; numbers
// are converted with the C atoi rules, so "0", a missing key and a non-numeric value
// all mean 0.
#include <cstddef>
#include <string>

// Set once at start-up: the program runs under WOW64 on 64-bit Windows. Chooses the
// _64 type INI files, the W64 package folder and the redirection switching.
extern bool is64BitWindows;

// The running program's folder: its file name cut before the last backslash
// ("" when there is none).
std::string ProgramFolder();
// The same with its trailing backslash ("" when there is none), the start of every
// path of the package.
std::string ProgramFolderPrefix();

// C atoi: leading white space, an optional sign, decimal digits up to the first other
// character; anything else gives 0. Out-of-range values saturate.
int CAtoi(const std::string& text);

// file is relative to the program folder ("DRVCONFIG\\setup.ini").
int ReadSetupInt(const std::string& file, const std::string& section, const std::string& key);
// setup.ini, section DEVICENAME.
int ReadSetupInt(const std::string& key);
std::string ReadSetupText(const std::string& key);

// The type INI name of a printer type (0 receipt, 1 ticket, 2 label, 3 embedded) for the
// current bitness, relative to the program folder. capitalised gives the form the wizard
// writes ("DRVCONFIG\\setup_Ticket.ini"); receipt stays lower-case. "" for another type.
std::string TypeIniName(int printerType, bool capitalised);

struct IniPaths {
    std::string setupIniPath;
    std::string typeIniPath;
};
// Full paths of setup.ini and of the type INI file of a printer type (capitalised
// names); a type outside 0..3 leaves typeIniPath as the program folder alone.
IniPaths MakeIniPaths(int printerType);

// Read limits, in bytes of the buffer (the longest value kept is one less).
constexpr std::size_t kSetupValueBuffer = 200;
constexpr std::size_t kNameBuffer = 50;
constexpr std::size_t kVersionBuffer = 10;
constexpr std::size_t kDefaultNameBuffer = 260;
