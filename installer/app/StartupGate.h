#pragma once
// The checks start-up makes before it opens the wizard, as plain functions on the seam:
// another installer running, an open uninstaller, the Windows version, the package's
// bitness and whether the package offers a port at all.
#include <optional>
#include <string>

// A start-up refusal: the language-file text to show before the program ends.
struct StartRefusal {
    std::string section;
    std::string key;
};

// Creates the single-instance mutex named with the application name (owned, never
// closed). When another installer holds it, brings that installer's window ("Printer Driver Setup", else the Chinese
// title) to the front and restores it from an icon, and answers true.
bool AnotherInstanceRunning(const std::string& applicationName);

// 1 when the program runs under WOW64; 0 when IsWow64Process is missing or fails.
bool DetectWow64();

// Whether the last catalogue entry's port section offers a USB, LPT or COM port in any
// type INI file of the current bitness. A catalogue whose entries carry no type suffix
// (or that has none) offers nothing.
bool PackageOffersPort();

// The uninstaller window, the version gate, the package bitness (setting
// is64BitWindows first) and the port offer, in this order; the first refusal met.
std::optional<StartRefusal> CheckEnvironment();
