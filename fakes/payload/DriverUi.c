/* A stand-in for a printer driver's user-interface DLL: driver events succeed, and it
   reports no capabilities and no property pages. */
#include <windows.h>

__declspec(dllexport) BOOL WINAPI DrvDriverEvent(DWORD event, DWORD level, LPBYTE info, LPARAM parameter) {
    (void)event; (void)level; (void)info; (void)parameter;
    return TRUE;
}

__declspec(dllexport) DWORD WINAPI DrvDeviceCapabilities(HANDLE printer, PWSTR device, WORD capability,
                                                         PVOID output, PVOID devmode) {
    (void)printer; (void)device; (void)capability; (void)output; (void)devmode;
    return (DWORD)-1;
}

__declspec(dllexport) LONG WINAPI DrvDocumentPropertySheets(PVOID info, LPARAM parameter) {
    (void)info; (void)parameter;
    return -1;
}

__declspec(dllexport) BOOL WINAPI DrvDevicePropertySheets(PVOID info, LPARAM parameter) {
    (void)info; (void)parameter;
    return FALSE;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance; (void)reason; (void)reserved;
    return TRUE;
}
