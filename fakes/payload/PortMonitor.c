/* A stand-in for the maker's port and language monitors: InitializePrintMonitor2 hands
   the spooler a table whose port list is empty and whose port calls accept everything,
   which is all a spooler needs to load and register the monitor. */
#include <windows.h>
#include <winsplp.h>

static BOOL WINAPI EnumPortsNone(HANDLE monitor, LPWSTR name, DWORD level, LPBYTE ports, DWORD size,
                                 LPDWORD needed, LPDWORD returned) {
    (void)monitor; (void)name; (void)level; (void)ports; (void)size;
    *needed = 0;
    *returned = 0;
    return TRUE;
}

static BOOL WINAPI OpenAnyPort(HANDLE monitor, LPWSTR name, PHANDLE port) {
    (void)monitor; (void)name;
    *port = (HANDLE)1;
    return TRUE;
}

static BOOL WINAPI StartDocument(HANDLE port, LPWSTR printer, DWORD job, DWORD level, LPBYTE info) {
    (void)port; (void)printer; (void)job; (void)level; (void)info;
    return TRUE;
}

static BOOL WINAPI WriteAll(HANDLE port, LPBYTE buffer, DWORD size, LPDWORD written) {
    (void)port; (void)buffer;
    *written = size;
    return TRUE;
}

static BOOL WINAPI ReadNothing(HANDLE port, LPBYTE buffer, DWORD size, LPDWORD read) {
    (void)port; (void)buffer; (void)size;
    *read = 0;
    return TRUE;
}

static BOOL WINAPI PortDone(HANDLE port) {
    (void)port;
    return TRUE;
}


static VOID WINAPI Shutdown(HANDLE monitor) { (void)monitor; }

static MONITOR2 table = {
    .cbSize = sizeof(MONITOR2),
    .pfnEnumPorts = EnumPortsNone,
    .pfnOpenPort = OpenAnyPort,
    .pfnStartDocPort = StartDocument,
    .pfnWritePort = WriteAll,
    .pfnReadPort = ReadNothing,
    .pfnEndDocPort = PortDone,
    .pfnClosePort = PortDone,
    .pfnShutdown = Shutdown,
};

__declspec(dllexport) LPMONITOR2 WINAPI InitializePrintMonitor2(PMONITORINIT init, PHANDLE monitor) {
    (void)init;
    *monitor = (HANDLE)&table;
    return &table;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance; (void)reason; (void)reserved;
    return TRUE;
}
