/* A stand-in for the maker's print processor: it offers the RAW data type and passes
   every document through unchanged. */
#include <windows.h>
#include <winsplp.h>

static const WCHAR raw[] = {'R', 'A', 'W', 0};

__declspec(dllexport) BOOL WINAPI EnumPrintProcessorDatatypesW(LPWSTR server, LPWSTR processor, DWORD level,
                                                               LPBYTE types, DWORD size, LPDWORD needed,
                                                               LPDWORD returned) {
    (void)server; (void)processor;
    DWORD bytes = sizeof(DATATYPES_INFO_1W) + sizeof(raw);
    *needed = bytes;
    *returned = 0;
    if (level != 1) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    if (size < bytes || !types) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    WCHAR* name = (WCHAR*)(types + sizeof(DATATYPES_INFO_1W));
    for (int i = 0; i < 4; ++i) name[i] = raw[i];
    ((DATATYPES_INFO_1W*)types)->pName = name;
    *returned = 1;
    return TRUE;
}

__declspec(dllexport) HANDLE WINAPI OpenPrintProcessor(LPWSTR printer, PPRINTPROCESSOROPENDATA data) {
    (void)printer; (void)data;
    return (HANDLE)1;
}

__declspec(dllexport) BOOL WINAPI PrintDocumentOnPrintProcessor(HANDLE processor, LPWSTR document) {
    (void)processor; (void)document;
    return TRUE;
}

__declspec(dllexport) BOOL WINAPI ClosePrintProcessor(HANDLE processor) {
    (void)processor;
    return TRUE;
}

__declspec(dllexport) BOOL WINAPI ControlPrintProcessor(HANDLE processor, DWORD command) {
    (void)processor; (void)command;
    return TRUE;
}

__declspec(dllexport) DWORD WINAPI GetPrintProcessorCapabilities(LPTSTR type, DWORD level, LPBYTE capabilities,
                                                                 DWORD size, LPDWORD needed) {
    (void)type; (void)level; (void)capabilities; (void)size;
    *needed = 0;
    return ERROR_NOT_SUPPORTED;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance; (void)reason; (void)reserved;
    return TRUE;
}
