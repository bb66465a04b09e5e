#include "platform/sim/SimShell.h"

#include "platform/Files.h"
#include "platform/sim/IniText.h"

namespace plat::sim {

void SimShell::OpensWindow(const std::string& fileName, const std::string& title) {
    windowMakers_[LowerAscii(fileName)] = title;
}

std::uintptr_t SimShell::Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                                 const std::string& directory, int show) {
    ShellLaunch launch{verb, file, parameters, directory, show, file, 0};
    bool absolute = file.size() >= 2 && file[1] == ':';
    if (!absolute) {
        std::string folder = currentDirectory;
        if (folder.empty()) folder = programPath_.substr(0, programPath_.rfind('\\') + 1);
        launch.resolvedPath = folder + "\\" + file;
    }
    auto path = WinPath::Parse(launch.resolvedPath);
    if (path) launch.resolvedPath = path->Display();

    if (!path || disk_.GetAttributes(launch.resolvedPath, nullptr) == kInvalidFileAttributes) {
        bool folderThere = path && disk_.GetAttributes(path->Parent().Display(), nullptr) != kInvalidFileAttributes;
        launch.result = folderThere ? kShellFileNotFound : kShellPathNotFound;
    } else {
        launch.result = 42;
        std::string name = path->parts.empty() ? "" : LowerAscii(path->parts.back());
        auto maker = windowMakers_.find(name);
        if (maker != windowMakers_.end()) desktop_.OpenWindow(maker->second);
    }
    launches_.push_back(launch);
    return launch.result;
}

}  // namespace plat::sim
