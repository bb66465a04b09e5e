#pragma once
// The simulated machine's file services: the disk seen through WOW64 redirection on
// 64-bit Windows, directory searches, the redirection switches, cabinets and version
// resources.
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "platform/Files.h"
#include "platform/sim/SimFileSystem.h"

namespace plat::sim {

struct MachineIdentity;
class IniText;

class SimFiles : public Files {
public:
    SimFiles(MachineIdentity& identity, SimFileSystem& disk) : id_(identity), disk_(disk) {}

    uint32_t GetAttributes(const std::string& path, uint32_t* error) override;
    uint32_t SetAttributes(const std::string& path, uint32_t attributes) override;
    uint32_t ReadWholeFile(const std::string& path, std::string& contents) override;
    uint32_t MakeDirectory(const std::string& path) override;
    uint32_t CopyOneFile(const std::string& source, const std::string& target, bool failIfExists) override;
    uint32_t FindFirst(const std::string& pattern, FoundFile& first, std::unique_ptr<FileSearch>& search) override;
    uint32_t TemporaryPath(std::string& path) override;
    std::unique_ptr<RedirectionSwitch> LoadRedirectionSwitch() override;
    uint32_t IterateCabinet(const std::string& cabinet, CabinetListener& listener) override;
    uint32_t VersionInfoSize(const std::string& path, uint32_t* error) override;
    uint32_t ReadVersionInfo(const std::string& path, uint32_t size, std::string& block) override;
    bool QueryTranslations(const std::string& block, std::vector<VersionTranslation>& pairs) override;
    bool QueryVersionText(const std::string& block, const std::string& subBlock, std::string& text) override;

    // The path a file call of the calling thread reaches: on 64-bit Windows, system32
    // means SysWOW64 unless redirection is off for the thread or the sub-folder is one
    // Windows leaves alone.
    std::string Redirected(const std::string& path) const;
    bool RedirectionDisabled() const;
    void SetRedirectionDisabled(bool disabled);

private:
    MachineIdentity& id_;
    SimFileSystem& disk_;
    mutable std::mutex mutex_;
    std::map<std::thread::id, bool> redirectionOff_;
};

// The temporary folder of a machine, with its trailing backslash.
std::string TemporaryFolder(const MachineIdentity& identity);

// Applies a machine file's [Files] section and the file keys of [Windows]
// (docs/machine-file.md); returns why it cannot, or "".
class SimMachine;
std::string ApplyFileSettings(const IniText& ini, SimMachine& machine);

}  // namespace plat::sim
