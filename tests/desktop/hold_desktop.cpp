/* Connects to the desktop and sleeps until the Wine server is stopped. Wine
 * starts the desktop process with the first program that needs it and ends
 * it shortly after the last one goes; every test that happened to start it
 * would hand it its output pipe, and CTest would wait for that pipe until
 * the test's time-out. scripts/common.sh starts this first, with its output
 * going nowhere, so the desktop process is started once, by it. */
#include <windows.h>

extern "C" void holdDesktop(void)
{
    GetDesktopWindow();
    Sleep(INFINITE);
    ExitProcess(0);
}
