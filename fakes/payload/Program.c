/* A stand-in for a program of the package (the driver-log viewer): it starts and ends. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command, int show) {
    (void)instance; (void)previous; (void)command; (void)show;
    return 0;
}
