/* A stand-in for a printer driver's rendering DLL: it loads and refuses to render. */
#include <windows.h>

__declspec(dllexport) BOOL WINAPI DrvQueryDriverInfo(DWORD type, PVOID buffer, DWORD size, PDWORD needed) {
    (void)type; (void)buffer; (void)size;
    if (needed) *needed = 0;
    return FALSE;
}

__declspec(dllexport) BOOL WINAPI DrvEnableDriver(ULONG version, ULONG size, PVOID data) {
    (void)version; (void)size; (void)data;
    return FALSE;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance; (void)reason; (void)reserved;
    return TRUE;
}
