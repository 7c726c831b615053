/* The guard before every command that replaces or drops the open bracket,
 * and the Save / Save As routine. */
#ifndef DUELMARK_UI_SAVE_PROMPT_H
#define DUELMARK_UI_SAVE_PROMPT_H

#include <windows.h>
#include <commdlg.h>

#include "ui/document_state.h"

/* saveNow 0: ask first, and only when dirty; 1: save without asking.
 * askName 1: always ask for a file name; 0: only when there is no path.
 * Returns 1 when the caller may go on, 0 when it must stop. */
int querySaveChanges(HWND window, DocumentState *state, int saveNow, int askName);

/* Fills the Open/Save dialog parameters; buffer holds PATH_CAPACITY units
 * and is emptied. */
void fillBracketFileDialog(OPENFILENAMEW *dialog, HWND owner, WCHAR *buffer, DWORD flags);

enum {
    OPEN_DIALOG_FLAGS = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                        OFN_NONETWORKBUTTON,
    SAVE_DIALOG_FLAGS = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NONETWORKBUTTON
};

#endif
