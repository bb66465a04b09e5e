#include <windows.h>

#include <vector>

#include "platform/win32/Win32DesktopParts.h"

namespace plat::win32 {

namespace {

class Win32SecurityImpl : public Security {
public:
    bool TokenHasAdministrators() override {
        HANDLE token = nullptr;
        if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token)) {
            if (GetLastError() != ERROR_NO_TOKEN) return false;
            if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
        }
        DWORD size = 0;
        bool ok = !GetTokenInformation(token, TokenGroups, nullptr, 0, &size) &&
                  GetLastError() == ERROR_INSUFFICIENT_BUFFER;
        std::vector<BYTE> buffer(ok ? size : 0);
        ok = ok && GetTokenInformation(token, TokenGroups, buffer.data(), size, &size);
        CloseHandle(token);
        if (!ok) return false;

        SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
        PSID administrators = nullptr;
        if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0,
                                      0, 0, 0, &administrators))
            return false;
        const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());
        bool member = false;
        for (DWORD i = 0; i < groups->GroupCount && !member; ++i)
            member = EqualSid(groups->Groups[i].Sid, administrators);
        FreeSid(administrators);
        return member;
    }
};

}  // namespace

Security& Win32Security() {
    static Win32SecurityImpl security;
    return security;
}

}  // namespace plat::win32
