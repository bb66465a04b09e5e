#include <windows.h>

#include <vector>

#include "platform/win32/Win32Platform.h"
#include "tests/contract/ContractEnv.h"

namespace contract {

namespace {
std::string folder;
int counter = 0;
std::vector<HANDLE> heldOpen;

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(child);
            else DeleteFileA(child.c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}
}  // namespace

void SetUpBackEnd() {
    plat::InstallPlatform(&plat::win32::Win32Platform());
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    folder = std::string(temp) + "contract-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(++counter);
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
}

void TearDownBackEnd() {
    for (HANDLE h : heldOpen) CloseHandle(h);
    heldOpen.clear();
    RemoveTree(folder);
    plat::InstallPlatform(nullptr);
}

std::string Folder() { return folder; }

void PutFile(const std::string& relative, const std::string& bytes) {
    std::string path = folder;
    std::size_t start = 0;
    for (std::size_t slash; (slash = relative.find('\\', start)) != std::string::npos; start = slash + 1) {
        path += "\\" + relative.substr(start, slash - start);
        CreateDirectoryA(path.c_str(), nullptr);
    }
    std::string file = folder + "\\" + relative;
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

void HoldFileOpen(const std::string& relative) {
    std::string file = folder + "\\" + relative;
    HANDLE h = CreateFileA(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) heldOpen.push_back(h);
}

const char* BackEndName() { return "win32"; }

}  // namespace contract
