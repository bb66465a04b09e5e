#include "platform/sim/SimMachine.h"

#include "platform/ErrorCodes.h"
#include "platform/sim/IniText.h"
#include "platform/sim/SimProfileWrite.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimMessageTable.h"

namespace plat::sim {

class SimMachine::SystemPart : public SystemInfo {
public:
    explicit SystemPart(MachineIdentity& id) : id_(id) {}
    OsVersion GetVersion() override { return id_.version; }
    bool GetNativeProcessorArchitecture(uint16_t& architecture) override {
        if (!id_.hasGetNativeSystemInfo) return false;
        architecture = id_.nativeArchitecture;
        return true;
    }
    Wow64Answer IsWow64Process() override {
        if (!id_.hasIsWow64Process) return Wow64Answer::Unavailable;
        return id_.wow64 ? Wow64Answer::Yes : Wow64Answer::No;
    }
    uint16_t SystemDefaultLangId() override { return id_.languageId; }
    std::string ModuleFileName() override { return id_.programPath; }
    std::string WindowsDirectory() override { return id_.windowsDirectory; }
    std::string SystemDirectory() override {
        bool nt = id_.version.platformId == kPlatformWin32Nt;
        return id_.windowsDirectory + (nt ? "\\system32" : "\\SYSTEM");
    }

private:
    MachineIdentity& id_;
};

class SimMachine::ProfilePart : public Profile {
public:
    ProfilePart(MachineIdentity& id, SimFileSystem& disk) : id_(id), disk_(disk) {}
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue, std::size_t bufferSize,
                           const std::string& path) override {
        if (bufferSize == 0) return "";
        std::string value = TrimTrailing(defaultValue);
        std::string contents;
        // A bare file name is looked up in the Windows directory.
        std::string file = path.find('\\') == std::string::npos ? id_.windowsDirectory + "\\" + path : path;
        if (disk_.ReadWholeFile(file, contents) == 0) {
            if (auto found = IniText::Parse(contents).Find(section, key)) value = *found;
        }
        if (value.size() > bufferSize - 1) value.resize(bufferSize - 1);
        return value;
    }
    uint32_t WriteString(const std::optional<std::string>& section, const std::optional<std::string>& key,
                         const std::optional<std::string>& value, const std::string& path) override {
        if (!section) return 0;  // the flush call: the simulated cache is always written through
        std::string file = path.find('\\') == std::string::npos ? id_.windowsDirectory + "\\" + path : path;
        std::string contents;
        disk_.ReadWholeFile(file, contents);
        return disk_.WriteWholeFile(file, EditProfileText(contents, *section, key, value));
    }

private:
    static std::string TrimTrailing(std::string text) {
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
        return text;
    }
    MachineIdentity& id_;
    SimFileSystem& disk_;
};

class SimMachine::FilesPart : public SimFiles {
public:
    using SimFiles::SimFiles;
};

class SimMachine::ClockPart : public Clock {
public:
    void Sleep(uint32_t milliseconds) override { now_ += milliseconds; slept_ += milliseconds; }
    uint32_t GetTickCount() override { return static_cast<uint32_t>(now_); }
    uint64_t slept_ = 0;

private:
    uint64_t now_ = 60000;  // a machine that booted a minute ago
};

class SimMachine::MessagePart : public SimMessageTable {};

SimMachine::SimMachine()
    : system_(std::make_unique<SystemPart>(identity_)),
      profile_(std::make_unique<ProfilePart>(identity_, disk_)),
      files_(std::make_unique<FilesPart>(identity_, disk_)),
      clock_(std::make_unique<ClockPart>()),
      messages_(std::make_unique<MessagePart>()) {
    disk_.AddDrive('C');
    CreateSystemFolders();
}

void SimMachine::CreateSystemFolders() {
    disk_.PutDirectory(identity_.windowsDirectory);
    disk_.PutDirectory(system_->SystemDirectory());
    if (identity_.wow64) disk_.PutDirectory(identity_.windowsDirectory + "\\SysWOW64");
    disk_.PutDirectory(TemporaryFolder(identity_));
    spooler_.Prepare();
}

SimMachine::~SimMachine() = default;

SystemInfo& SimMachine::System() { return *system_; }
Profile& SimMachine::Profiles() { return *profile_; }
Files& SimMachine::FileSystem() { return *files_; }
Clock& SimMachine::Time() { return *clock_; }
MessageTable& SimMachine::Messages() { return *messages_; }
uint64_t SimMachine::SleptMilliseconds() const { return clock_->slept_; }

}  // namespace plat::sim
