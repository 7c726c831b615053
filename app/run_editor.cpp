#include "app/run_editor.h"
#include "app/command_line.h"
#include "model/heap.h"
#include "res/resource.h"
#include "ui/document_state.h"
#include "ui/main_dialog.h"

int runEditor(HMODULE module)
{
    DocumentState state;
    Bracket *bracket = (Bracket *)allocBlock(sizeof(Bracket));
    if (!bracket)
        return 0;
    state.bracket = initBracket(bracket, module);
    getFirstArgument(state.path);
    DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_MAIN), NULL, mainDialogProc, (LPARAM)&state);
    freeBracket(bracket);
    return 1;
}
