#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

#include "platform/sim/SimMachine.h"
#include "tests/contract/ContractEnv.h"

namespace contract {

namespace {
std::unique_ptr<plat::sim::SimMachine> machine;
std::filesystem::path host;
int counter = 0;
}  // namespace

void SetUpBackEnd() {
    host = std::filesystem::temp_directory_path() /
           ("contract-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(host);
    std::filesystem::create_directories(host);
    machine = std::make_unique<plat::sim::SimMachine>();
    machine->Disk().MapDrive('T', host);
    plat::InstallPlatform(machine.get());
}

void TearDownBackEnd() {
    plat::InstallPlatform(nullptr);
    machine.reset();
    std::filesystem::remove_all(host);
}

std::string Folder() { return "T:"; }

void PutFile(const std::string& relative, const std::string& bytes) {
    std::string name = relative;
    for (char& c : name)
        if (c == '\\') c = '/';
    std::filesystem::path file = host / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

void HoldFileOpen(const std::string& relative) { machine->Disk().Lock(Folder() + "\\" + relative); }

const char* BackEndName() { return "sim"; }

}  // namespace contract
