// Windows entry point of drvsetup: puts the real Windows behind the seam and runs
// the installer.
#include <windows.h>

#include "installer/config/SetupIni.h"
#include "platform/win32/Win32Platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    plat::InstallPlatform(&plat::win32::Win32Platform());
    is64BitWindows = plat::os().System().IsWow64Process() == plat::Wow64Answer::Yes;
    return 0;
}
