// Windows entry point of posadjust.
#include <windows.h>

#include "platform/win32/Win32Platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    plat::InstallPlatform(&plat::win32::Win32Platform());
    return 0;
}
