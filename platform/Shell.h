#pragma once
// Starting documents and programs through the shell.
#include <cstdint>
#include <string>

namespace plat {

constexpr int kShowNormal = 1;  // SW_SHOWNORMAL
constexpr int kShow = 5;        // SW_SHOW

// What ShellExecuteA answers: above 32 the launch succeeded; else an error code.
constexpr std::uintptr_t kShellFileNotFound = 2;
constexpr std::uintptr_t kShellPathNotFound = 3;
constexpr std::uintptr_t kShellNoAssociation = 31;

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecuteA(NULL, verb, file, parameters, directory, show). An empty verb or
    // parameters text stands for NULL. A relative file is taken from the process's
    // current directory.
    virtual std::uintptr_t Execute(const std::string& verb, const std::string& file,
                                   const std::string& parameters, const std::string& directory,
                                   int show) = 0;
};

}  // namespace plat
