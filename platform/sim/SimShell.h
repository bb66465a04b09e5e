#pragma once
// Shell launches on the simulated machine: each one is recorded with the file it
// resolved to and its answer. A launched file that the machine knows as a window maker
// (a help file opening its viewer, say) opens a top-level window of that title.
#include <map>
#include <string>
#include <vector>

#include "platform/Security.h"
#include "platform/Shell.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimFileSystem.h"

namespace plat::sim {

struct ShellLaunch {
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int show = 0;
    std::string resolvedPath;  // the full path the file named
    std::uintptr_t result = 0;
};

class SimShell : public Shell {
public:
    SimShell(SimFileSystem& disk, SimDesktop& desktop, const std::string& programPath)
        : disk_(disk), desktop_(desktop), programPath_(programPath) {}

    // The folder relative file names are taken from (the program's folder when empty).
    std::string currentDirectory;
    // A launched file of this name (any folder, without regard to case) opens a window.
    void OpensWindow(const std::string& fileName, const std::string& title);

    const std::vector<ShellLaunch>& Launches() const { return launches_; }

    std::uintptr_t Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                           const std::string& directory, int show) override;

private:
    SimFileSystem& disk_;
    SimDesktop& desktop_;
    const std::string& programPath_;
    std::map<std::string, std::string> windowMakers_;  // lower-case file name -> title
    std::vector<ShellLaunch> launches_;
};

// The token's group membership comes from the machine's identity.
class SimSecurity : public Security {
public:
    explicit SimSecurity(const bool& administrator) : administrator_(administrator) {}
    bool TokenHasAdministrators() override { return administrator_; }

private:
    const bool& administrator_;
};

}  // namespace plat::sim
