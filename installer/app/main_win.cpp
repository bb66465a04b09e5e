// Windows entry point of drvsetup: puts the real Windows behind the seam and runs the
// installer's start-up, which ends with the wizard.
#include <windows.h>

#include "installer/app/SetupApp.h"
#include "platform/win32/Win32Platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    plat::InstallPlatform(&plat::win32::Win32Platform());
    SetupApp app;
    app.InitInstance();
    return app.ExitInstance();
}
