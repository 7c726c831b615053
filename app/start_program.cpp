/* The process entry point. There is no C runtime start-up code before it
 * and none after it: it ends the process itself. */
#include <windows.h>
#include <commctrl.h>

#include "app/resource_module.h"
#include "app/run_editor.h"

extern "C" void startProgram(void)
{
    if (FAILED(CoInitialize(NULL)))
        ExitProcess(0);
    HMODULE module = findResourceModule();
    InitCommonControls();
    runEditor(module);
    CoUninitialize();
    ExitProcess(0);
}
