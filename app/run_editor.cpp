#include "app/run_editor.h"
#include "app/command_line.h"
#include "model/heap.h"
#include "res/resource.h"
#include "ui/document/document_path.h"
#include "ui/common/document_state.h"
#include "ui/main_dialog.h"
#include "ui/print/page_setup.h"
#include "ui/document/open_failure.h"

/* A name on the command line that does not fit is refused whole, named as
 * it was given: opening a cut name would open, and later overwrite, some
 * other file. */
static void refuseStartupName(HMODULE module, const WCHAR *start, int length, DWORD error)
{
    OpenReport report;
    report.fault = error == ERROR_FILENAME_EXCED_RANGE ? OPEN_FAULT_NAME_TOO_LONG : OPEN_FAULT_NOT_FOUND;
    report.error = error;
    WCHAR *name = (WCHAR *)allocBlock(((SIZE_T)length + 1) * sizeof(WCHAR));
    if (name)
        lstrcpynW(name, start, length + 1);
    reportOpenFailure(NULL, module, name ? name : L"", &report);
    freeBlock(name);
}

/* The command line hands over at most a platform path. */
static_assert(MAX_PATH == PATH_CAPACITY, "the argument must fit the document's path");

int runEditor(HMODULE module)
{
    DocumentState state = {};
    Bracket *bracket = (Bracket *)allocBlock(sizeof(Bracket));
    if (!bracket)
        return 0;
    state.bracket = initBracket(bracket, module);
    state.path[0] = 0;
    state.keepsRecoveryCopies = 1;
    /* Made full now, against the folder the editor was started in: a file
     * dialog may move the current folder later. An empty name opens
     * nothing. */
    const WCHAR *start = NULL;
    int length = 0;
    if (findFirstArgument(GetCommandLineW(), &start, &length) && length > 0) {
        WCHAR argument[PATH_CAPACITY];
        if (!firstArgumentOf(GetCommandLineW(), argument))
            refuseStartupName(module, start, length, ERROR_FILENAME_EXCED_RANGE);
        else if (!makeFullPath(argument, state.path))
            refuseStartupName(module, start, length, GetLastError());
    }
    DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc, (LPARAM)&state);
    forgetPrintSetup(&state.print);
    freeBracket(bracket);
    return 1;
}
