#include "app/run_editor.h"
#include "app/command_line.h"
#include "model/heap.h"
#include "res/resource.h"
#include "ui/document_path.h"
#include "ui/document_state.h"
#include "ui/main_dialog.h"

/* The command line hands over at most a platform path. */
static_assert(MAX_PATH == PATH_CAPACITY, "the argument must fit the document's path");

int runEditor(HMODULE module)
{
    DocumentState state;
    Bracket *bracket = (Bracket *)allocBlock(sizeof(Bracket));
    if (!bracket)
        return 0;
    state.bracket = initBracket(bracket, module);
    /* Made full now, against the folder the editor was started in: a file
     * dialog may move the current folder later. A name that cannot be made
     * full opens nothing, like one that does not load. */
    WCHAR argument[PATH_CAPACITY];
    if (!getFirstArgument(argument) || !makeFullPath(argument, state.path))
        state.path[0] = 0;
    DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc, (LPARAM)&state);
    freeBracket(bracket);
    return 1;
}
