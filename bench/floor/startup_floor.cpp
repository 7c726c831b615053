/* The floor of the start-up benchmark: the least a dialog program doing the
 * editor's required work can do. No C runtime, its own entry point, COM and
 * the common controls initialised, the editor's own main-window template
 * (menu, manifest and all) run modally. Given a bracket file's path, the
 * dialog also loads that file through a bare MSXML document and makes the
 * bare layout calls of a 64-team bracket before it is shown. */
#include <windows.h>
#include <commctrl.h>
#include <msxml2.h>

#include "bench/floor/bare_layout.h"
#include "bench/floor/bare_load.h"
#include "res/resource.h"

enum { FLOOR_TEAMS = 64 };

static HWND controls[2 * FLOOR_TEAMS - 1];

/* The text after the program's own (possibly quoted) name, its quotes
 * removed; empty when there is none. */
static WCHAR *firstArgument(void)
{
    WCHAR *p = GetCommandLineW();
    WCHAR end = *p == L'"' ? L'"' : L' ';
    if (*p == L'"')
        p++;
    while (*p && *p != end)
        p++;
    if (*p == L'"')
        p++;
    while (*p == L' ')
        p++;
    if (*p == L'"') {
        WCHAR *q = ++p;
        while (*q && *q != L'"')
            q++;
        *q = 0;
    }
    return p;
}

static INT_PTR CALLBACK floorDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG && lParam) {
        bareLoad((const WCHAR *)lParam);
        bareLayout(window, FLOOR_TEAMS, 0, controls);
    }
    if (message == WM_COMMAND && wParam == IDCANCEL)
        EndDialog(window, 0);
    return FALSE;
}

extern "C" void startFloor(void)
{
    if (FAILED(CoInitialize(NULL)))
        ExitProcess(0);
    InitCommonControls();
    WCHAR *path = firstArgument();
    DialogBoxParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, floorDialogProc,
                    (LPARAM)(*path ? path : NULL));
    CoUninitialize();
    ExitProcess(0);
}
