#include <windows.h>
#include <setupapi.h>

#include <vector>

#include "platform/win32/Win32Parts.h"

namespace plat::win32 {

namespace {

class Win32Search : public FileSearch {
public:
    explicit Win32Search(HANDLE handle) : handle_(handle) {}
    ~Win32Search() override { Close(); }
    uint32_t Next(FoundFile& found) override {
        WIN32_FIND_DATAA data;
        if (!FindNextFileA(handle_, &data)) return GetLastError();
        found = {data.cFileName, data.dwFileAttributes,
                 (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
        return 0;
    }
    uint32_t Close() override {
        if (handle_ == INVALID_HANDLE_VALUE) return ERROR_INVALID_HANDLE;
        BOOL closed = FindClose(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed ? 0 : GetLastError();
    }

private:
    HANDLE handle_;
};

class Win32Switch : public RedirectionSwitch {
public:
    using DisableFn = BOOL(WINAPI*)(PVOID*);
    using RevertFn = BOOL(WINAPI*)(PVOID);

    explicit Win32Switch(HMODULE kernel)
        : kernel_(kernel),
          disable_(reinterpret_cast<DisableFn>(
              reinterpret_cast<void (*)()>(GetProcAddress(kernel, "Wow64DisableWow64FsRedirection")))),
          revert_(reinterpret_cast<RevertFn>(
              reinterpret_cast<void (*)()>(GetProcAddress(kernel, "Wow64RevertWow64FsRedirection")))) {}
    ~Win32Switch() override { FreeLibrary(kernel_); }
    bool HasDisable() const override { return disable_ != nullptr; }
    bool HasRevert() const override { return revert_ != nullptr; }
    bool Disable() override { return disable_ && disable_(&previous_) == TRUE; }
    bool Revert() override { return revert_ && revert_(previous_) == TRUE; }

private:
    HMODULE kernel_;
    DisableFn disable_;
    RevertFn revert_;
    PVOID previous_ = nullptr;
};

struct CabinetContext {
    CabinetListener* listener;
};

UINT CALLBACK CabinetCallback(PVOID context, UINT notification, UINT_PTR param1, UINT_PTR param2) {
    CabinetListener& listener = *static_cast<CabinetContext*>(context)->listener;
    (void)param2;
    switch (notification) {
    case SPFILENOTIFY_CABINETINFO: {
        auto* info = reinterpret_cast<PCABINET_INFO_A>(param1);
        CabinetInfo seen{info->CabinetPath ? info->CabinetPath : "", info->CabinetFile ? info->CabinetFile : "",
                         info->DiskName ? info->DiskName : "", info->SetId, info->CabinetNumber};
        return listener.OnCabinetInfo(seen);
    }
    case SPFILENOTIFY_FILEINCABINET: {
        auto* info = reinterpret_cast<PFILE_IN_CABINET_INFO_A>(param1);
        FileInCabinet file{info->NameInCabinet ? info->NameInCabinet : "", info->FileSize, info->DosDate,
                           info->DosTime, info->DosAttribs, ""};
        CabinetFileAction action = listener.OnFileInCabinet(file);
        if (action == CabinetFileAction::Extract) {
            // The target must fit Windows' fixed field; a longer one is not extracted.
            if (file.fullTargetName.size() >= sizeof(info->FullTargetName)) {
                info->Win32Error = ERROR_FILENAME_EXCED_RANGE;
                return FILEOP_ABORT;
            }
            lstrcpynA(info->FullTargetName, file.fullTargetName.c_str(), sizeof(info->FullTargetName));
        }
        return static_cast<UINT>(action);
    }
    case SPFILENOTIFY_FILEEXTRACTED: {
        auto* paths = reinterpret_cast<PFILEPATHS_A>(param1);
        ExtractedFile file{paths->Target ? paths->Target : "", paths->Source ? paths->Source : "",
                           paths->Win32Error};
        return listener.OnFileExtracted(file);
    }
    default:
        return NO_ERROR;
    }
}

class Win32Files : public Files {
public:
    uint32_t GetAttributes(const std::string& path, uint32_t* error) override {
        DWORD attributes = GetFileAttributesA(path.c_str());
        if (error) *error = attributes == INVALID_FILE_ATTRIBUTES ? GetLastError() : 0;
        return attributes;
    }

    uint32_t SetAttributes(const std::string& path, uint32_t attributes) override {
        return SetFileAttributesA(path.c_str(), attributes) ? 0 : GetLastError();
    }

    uint32_t ReadWholeFile(const std::string& path, std::string& contents) override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return GetLastError();
        contents.clear();
        char chunk[4096];
        DWORD got = 0;
        uint32_t result = 0;
        while (true) {
            if (!ReadFile(file, chunk, sizeof(chunk), &got, nullptr)) {
                result = GetLastError();
                break;
            }
            if (got == 0) break;
            contents.append(chunk, got);
        }
        CloseHandle(file);
        return result;
    }

    uint32_t MakeDirectory(const std::string& path) override {
        return CreateDirectoryA(path.c_str(), nullptr) ? 0 : GetLastError();
    }

    uint32_t CopyOneFile(const std::string& source, const std::string& target, bool failIfExists) override {
        return CopyFileA(source.c_str(), target.c_str(), failIfExists ? TRUE : FALSE) ? 0 : GetLastError();
    }

    uint32_t FindFirst(const std::string& pattern, FoundFile& first, std::unique_ptr<FileSearch>& search) override {
        WIN32_FIND_DATAA data;
        HANDLE handle = FindFirstFileA(pattern.c_str(), &data);
        if (handle == INVALID_HANDLE_VALUE) return GetLastError();
        first = {data.cFileName, data.dwFileAttributes,
                 (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
        search = std::make_unique<Win32Search>(handle);
        return 0;
    }

    uint32_t TemporaryPath(std::string& path) override {
        DWORD needed = GetTempPathA(0, nullptr);
        if (needed == 0) return GetLastError();
        std::vector<char> buffer(needed + 1);
        DWORD n = GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
        if (n == 0 || n >= buffer.size()) return n == 0 ? GetLastError() : ERROR_INSUFFICIENT_BUFFER;
        path.assign(buffer.data(), n);
        return 0;
    }

    std::unique_ptr<RedirectionSwitch> LoadRedirectionSwitch() override {
        HMODULE kernel = LoadLibraryA("Kernel32.dll");
        if (!kernel) return nullptr;
        return std::make_unique<Win32Switch>(kernel);
    }

    uint32_t IterateCabinet(const std::string& cabinet, CabinetListener& listener) override {
        CabinetContext context{&listener};
        SetLastError(0);
        if (SetupIterateCabinetA(cabinet.c_str(), 0, CabinetCallback, &context)) return 0;
        DWORD error = GetLastError();
        return error ? error : ERROR_OPERATION_ABORTED;
    }

    uint32_t VersionInfoSize(const std::string& path, uint32_t* error) override {
        DWORD handle = 0;
        SetLastError(0);
        DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
        if (error) *error = size ? 0 : GetLastError();
        return size;
    }

    uint32_t ReadVersionInfo(const std::string& path, uint32_t size, std::string& block) override {
        std::vector<char> buffer(size ? size : 1);
        if (!GetFileVersionInfoA(path.c_str(), 0, size, buffer.data())) return GetLastError();
        block.assign(buffer.data(), size);
        return 0;
    }

    bool QueryTranslations(const std::string& block, std::vector<VersionTranslation>& pairs) override {
        std::vector<char> copy(block.begin(), block.end());
        void* value = nullptr;
        UINT length = 0;
        if (copy.empty() || !VerQueryValueA(copy.data(), "\\VarFileInfo\\Translation", &value, &length) ||
            length < 4)
            return false;
        pairs.clear();
        auto* words = static_cast<const WORD*>(value);
        for (UINT i = 0; i + 4 <= length; i += 4) pairs.push_back({words[i / 2], words[i / 2 + 1]});
        return true;
    }

    bool QueryVersionText(const std::string& block, const std::string& subBlock, std::string& text) override {
        std::vector<char> copy(block.begin(), block.end());
        void* value = nullptr;
        UINT length = 0;
        if (copy.empty() || !VerQueryValueA(copy.data(), subBlock.c_str(), &value, &length) || !value) return false;
        const char* chars = static_cast<const char*>(value);
        std::size_t n = 0;
        while (n < length && chars[n]) ++n;
        text.assign(chars, n);
        return true;
    }
};

}  // namespace

Files& Win32FileSystem() {
    static Win32Files files;
    return files;
}

}  // namespace plat::win32
