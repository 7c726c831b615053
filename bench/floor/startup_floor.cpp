/* The floor of the start-up benchmark: the least a dialog program can do.
 * No C runtime, its own entry point, the editor's own main-window template
 * (menu, manifest and all) run modally, and nothing else. */
#include <windows.h>

#include "res/resource.h"

static INT_PTR CALLBACK floorDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && wParam == IDCANCEL)
        EndDialog(window, 0);
    return FALSE;
}

extern "C" void startFloor(void)
{
    DialogBoxParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, floorDialogProc, 0);
    ExitProcess(0);
}
