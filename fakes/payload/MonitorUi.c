/* A stand-in for a port monitor's user-interface DLL: adding or configuring a port
   through it changes nothing and reports success. */
#include <windows.h>
#include <winsplp.h>

static BOOL WINAPI AddPortUi(PCWSTR server, HWND parent, PCWSTR monitor, PWSTR* portName) {
    (void)server; (void)parent; (void)monitor;
    if (portName) *portName = NULL;
    return TRUE;
}

static BOOL WINAPI PortUi(PCWSTR server, HWND parent, PCWSTR port) {
    (void)server; (void)parent; (void)port;
    return TRUE;
}

static MONITORUI table = {
    .dwMonitorUISize = sizeof(MONITORUI),
    .pfnAddPortUI = AddPortUi,
    .pfnConfigurePortUI = PortUi,
    .pfnDeletePortUI = PortUi,
};

__declspec(dllexport) PMONITORUI WINAPI InitializePrintMonitorUI(VOID) { return &table; }

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance; (void)reason; (void)reserved;
    return TRUE;
}
