#pragma once
// A whole Windows computer in memory: what it is (version, bitness, language, user),
// its disks, its profile files and a virtual clock. Built in code by tests or loaded
// from a machine file (docs/machine-file.md).
#include <filesystem>
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "platform/sim/SimBroadcasts.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimServices.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimSpooler.h"

namespace plat::sim {

struct MachineIdentity {
    OsVersion version;
    uint16_t nativeArchitecture = kProcessorArchitectureIntel;
    bool wow64 = false;            // the 32-bit program runs on 64-bit Windows
    bool hasIsWow64Process = true; // kernel32 exports IsWow64Process (XP SP2 and later)
    bool hasGetNativeSystemInfo = true;
    uint16_t languageId = 1033;
    bool administrator = true;
    std::string windowsDirectory = "C:\\WINDOWS";
    std::string programPath = "D:\\drvsetup.exe";
    bool kernel32Loadable = true;         // LoadLibraryA("Kernel32.dll") succeeds
    bool hasRedirectionSwitches = true;   // kernel32 exports the WOW64 redirection switches
    std::string temporaryDirectory;       // GetTempPathA; "" means the Windows folder's TEMP
};

// Identity of a stock Windows by short name: "95", "98", "me", "nt4", "2000", "xp",
// "2003", "vista", "2008", "7", "8"; bits 64 makes it the x64 edition with WOW64.
// Returns false for an unknown name.
bool StockWindows(const std::string& name, int bits, MachineIdentity& identity);

class SimMachine : public Platform {
public:
    SimMachine();
    ~SimMachine() override;

    // Loads a machine file; on failure returns nullptr and says why in *error.
    static std::unique_ptr<SimMachine> Load(const std::filesystem::path& machineFile,
                                            std::string* error);

    MachineIdentity& Identity() { return identity_; }
    // Creates the Windows and system folders of the identity on drive C when missing;
    // call after changing the identity in code.
    void CreateSystemFolders();
    SimFileSystem& Disk() { return disk_; }

    SystemInfo& System() override;
    Profile& Profiles() override;
    Files& FileSystem() override;
    Clock& Time() override;
    SimDesktop& DesktopWindows() override { return desktop_; }
    SimShell& Launcher() override { return shell_; }
    Security& UserSecurity() override { return security_; }
    MessageTable& Messages() override;
    SimRegistryPart& Reg() override { return registryPart_; }
    SimSpooler& PrintSpooler() override { return spooler_; }
    SimServices& Services() override { return services_; }
    SimBroadcasts& WindowBroadcasts() override { return broadcasts_; }
    // The registry's contents and the changes made to it.
    SimRegistry& RegistryData() { return registry_; }

    // Virtual milliseconds slept so far.
    uint64_t SleptMilliseconds() const;

private:
    class SystemPart;
    class ProfilePart;
    class FilesPart;
    class ClockPart;
    class MessagePart;

    MachineIdentity identity_;
    SimFileSystem disk_;
    SimDesktop desktop_;
    SimShell shell_{disk_, desktop_, identity_.programPath};
    SimSecurity security_{identity_.administrator};
    SimRegistry registry_;
    SimRegistryPart registryPart_{identity_, registry_};
    SimSpooler spooler_{identity_, registry_, disk_};
    SimServices services_{identity_};
    SimBroadcasts broadcasts_;
    std::unique_ptr<SystemPart> system_;
    std::unique_ptr<ProfilePart> profile_;
    std::unique_ptr<FilesPart> files_;
    std::unique_ptr<ClockPart> clock_;
    std::unique_ptr<MessagePart> messages_;
};

}  // namespace plat::sim
