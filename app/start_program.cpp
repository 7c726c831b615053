/* The process entry point. There is no C runtime start-up code before it
 * and none after it: it ends the process itself. */
#include <windows.h>
#include <commctrl.h>

#include "app/resource_module.h"
#include "app/run_editor.h"

extern "C" void startProgram(void)
{
    /* Before anything can load a library: from here on only the system
     * folder is searched, never the program's own folder, where a download
     * folder may hold a planted copy of some system library. */
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (FAILED(CoInitialize(NULL)))
        ExitProcess(0);
    HMODULE module = findResourceModule();
    InitCommonControls();
    runEditor(module);
    CoUninitialize();
    ExitProcess(0);
}
