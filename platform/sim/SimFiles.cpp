#include "platform/sim/SimFiles.h"

#include <cctype>
#include <cstdlib>

#include "platform/ErrorCodes.h"
#include "platform/sim/IniText.h"
#include "platform/sim/SimCabinet.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimVersionInfo.h"

namespace plat::sim {

namespace {

class SimSearch : public FileSearch {
public:
    explicit SimSearch(std::vector<SimFileSystem::Entry> entries) : entries_(std::move(entries)) {}
    uint32_t Next(FoundFile& found) override {
        if (closed_) return kErrorInvalidHandle;
        if (next_ >= entries_.size()) return kErrorNoMoreFiles;
        const auto& e = entries_[next_++];
        found = {e.name, e.attributes, e.size};
        return 0;
    }
    uint32_t Close() override {
        if (closed_) return kErrorInvalidHandle;
        closed_ = true;
        return 0;
    }

private:
    std::vector<SimFileSystem::Entry> entries_;
    std::size_t next_ = 1;  // the first entry went back with FindFirst
    bool closed_ = false;
};

class SimSwitch : public RedirectionSwitch {
public:
    SimSwitch(SimFiles& files, const MachineIdentity& id) : files_(files), id_(id) {}
    bool HasDisable() const override { return id_.hasRedirectionSwitches; }
    bool HasRevert() const override { return id_.hasRedirectionSwitches; }
    // Present on 32-bit Windows too, where both calls fail.
    bool Disable() override {
        if (!id_.hasRedirectionSwitches || !id_.wow64) return false;
        previous_ = files_.RedirectionDisabled();
        files_.SetRedirectionDisabled(true);
        return true;
    }
    bool Revert() override {
        if (!id_.hasRedirectionSwitches || !id_.wow64) return false;
        files_.SetRedirectionDisabled(previous_);
        return true;
    }

private:
    SimFiles& files_;
    const MachineIdentity& id_;
    bool previous_ = false;
};

// system32 sub-folders that a 32-bit program sees unredirected.
bool SharedSubFolder(const std::vector<std::string>& parts, std::size_t at) {
    if (at >= parts.size()) return false;
    std::string name = LowerAscii(parts[at]);
    if (name == "catroot" || name == "catroot2" || name == "driverstore" || name == "logfiles" || name == "spool")
        return true;
    return name == "drivers" && at + 1 < parts.size() && LowerAscii(parts[at + 1]) == "etc";
}

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

}  // namespace

std::string TemporaryFolder(const MachineIdentity& identity) {
    std::string folder = identity.temporaryDirectory.empty() ? identity.windowsDirectory + "\\TEMP"
                                                              : identity.temporaryDirectory;
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

bool SimFiles::RedirectionDisabled() const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = redirectionOff_.find(std::this_thread::get_id());
    return it != redirectionOff_.end() && it->second;
}

void SimFiles::SetRedirectionDisabled(bool disabled) {
    std::lock_guard<std::mutex> lock(mutex_);
    redirectionOff_[std::this_thread::get_id()] = disabled;
}

std::string SimFiles::Redirected(const std::string& text) const {
    if (!id_.wow64 || RedirectionDisabled()) return text;
    auto path = WinPath::Parse(text);
    auto system = WinPath::Parse(id_.windowsDirectory + "\\system32");
    if (!path || !system || path->drive != system->drive || path->parts.size() < system->parts.size())
        return text;
    for (std::size_t i = 0; i < system->parts.size(); ++i)
        if (!EqualsNoCase(path->parts[i], system->parts[i])) return text;
    if (SharedSubFolder(path->parts, system->parts.size())) return text;
    path->parts[system->parts.size() - 1] = "SysWOW64";
    return path->Display();
}

uint32_t SimFiles::GetAttributes(const std::string& path, uint32_t* error) {
    return disk_.GetAttributes(Redirected(path), error);
}

uint32_t SimFiles::SetAttributes(const std::string& path, uint32_t attributes) {
    return disk_.SetAttributes(Redirected(path), attributes);
}

uint32_t SimFiles::ReadWholeFile(const std::string& path, std::string& contents) {
    return disk_.ReadWholeFile(Redirected(path), contents);
}

uint32_t SimFiles::MakeDirectory(const std::string& path) { return disk_.MakeDirectory(Redirected(path)); }

uint32_t SimFiles::CopyOneFile(const std::string& source, const std::string& target, bool failIfExists) {
    return disk_.CopyOneFile(Redirected(source), Redirected(target), failIfExists);
}

uint32_t SimFiles::FindFirst(const std::string& pattern, FoundFile& first, std::unique_ptr<FileSearch>& search) {
    std::vector<SimFileSystem::Entry> entries;
    if (uint32_t error = disk_.Find(Redirected(pattern), entries)) return error;
    first = {entries[0].name, entries[0].attributes, entries[0].size};
    search = std::make_unique<SimSearch>(std::move(entries));
    return 0;
}

uint32_t SimFiles::TemporaryPath(std::string& path) {
    path = TemporaryFolder(id_);
    return 0;
}

std::unique_ptr<RedirectionSwitch> SimFiles::LoadRedirectionSwitch() {
    if (!id_.kernel32Loadable) return nullptr;
    return std::make_unique<SimSwitch>(*this, id_);
}

uint32_t SimFiles::IterateCabinet(const std::string& cabinet, CabinetListener& listener) {
    std::string bytes;
    if (uint32_t error = ReadWholeFile(cabinet, bytes)) return error;
    CabinetContents contents;
    if (!ReadCabinet(bytes, contents)) return kErrorInvalidData;
    // The reader refuses cabinet sets, so there is never a next cabinet to name.
    CabinetInfo info{FolderOf(cabinet), "", "", contents.setId, contents.cabinetNumber};
    if (uint32_t error = listener.OnCabinetInfo(info)) return error;
    for (const CabinetEntry& entry : contents.files) {
        FileInCabinet file{entry.name, static_cast<uint32_t>(entry.contents.size()), entry.date, entry.time,
                           entry.attributes, ""};
        CabinetFileAction action = listener.OnFileInCabinet(file);
        if (action == CabinetFileAction::Abort) return kErrorOperationAborted;
        if (action != CabinetFileAction::Extract) continue;
        uint32_t written = disk_.WriteWholeFile(Redirected(file.fullTargetName), entry.contents);
        if (uint32_t error = listener.OnFileExtracted({file.fullTargetName, cabinet, written})) return error;
    }
    return 0;
}

uint32_t SimFiles::VersionInfoSize(const std::string& path, uint32_t* error) {
    std::string image, block;
    uint32_t read = ReadWholeFile(path, image);
    if (read == 0 && !FindVersionResource(image, block)) read = kErrorResourceDataNotFound;
    if (error) *error = read;
    // Windows asks for room to hold the ANSI copies of the texts beside the block.
    return read ? 0 : static_cast<uint32_t>(block.size() * 2 + 4);
}

uint32_t SimFiles::ReadVersionInfo(const std::string& path, uint32_t size, std::string& block) {
    std::string image, resource;
    if (uint32_t error = ReadWholeFile(path, image)) return error;
    if (!FindVersionResource(image, resource)) return kErrorResourceDataNotFound;
    if (resource.size() > size) resource.resize(size);
    resource.resize(size, '\0');
    block = resource;
    return 0;
}

bool SimFiles::QueryTranslations(const std::string& block, std::vector<VersionTranslation>& pairs) {
    return BlockTranslations(block, pairs);
}

bool SimFiles::QueryVersionText(const std::string& block, const std::string& subBlock, std::string& text) {
    return BlockText(block, subBlock, text);
}

std::string ApplyFileSettings(const IniText& ini, SimMachine& machine) {
    MachineIdentity& id = machine.Identity();
    auto flag = [](const std::string& v) { return v == "1" || EqualsNoCase(v, "yes") || EqualsNoCase(v, "true"); };
    if (auto v = ini.Find("Windows", "HasRedirectionSwitches")) id.hasRedirectionSwitches = flag(*v);
    if (auto v = ini.Find("Windows", "Kernel32Loadable")) id.kernel32Loadable = flag(*v);
    if (auto v = ini.Find("Windows", "TempDirectory")) id.temporaryDirectory = *v;
    machine.CreateSystemFolders();
    const IniSection* files = ini.FindSection("Files");
    if (!files) return "";
    SimFileSystem& disk = machine.Disk();
    for (const IniEntry& entry : files->entries) {
        if (EqualsNoCase(entry.key, "Locked")) disk.Lock(entry.value);
        else if (EqualsNoCase(entry.key, "DenyCopy")) disk.DenyWrites(entry.value);
        else if (EqualsNoCase(entry.key, "Missing")) disk.Erase(entry.value);
        else if (EqualsNoCase(entry.key, "ReadOnly")) {
            uint32_t attributes = disk.GetAttributes(entry.value, nullptr);
            if (attributes == kInvalidFileAttributes) return "[Files] ReadOnly names no file: " + entry.value;
            disk.PutAttributes(entry.value, attributes | kFileAttributeReadOnly);
        } else {
            return "[Files] knows Locked=, ReadOnly=, DenyCopy= and Missing=, not " + entry.key;
        }
    }
    return "";
}

}  // namespace plat::sim
