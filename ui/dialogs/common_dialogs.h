/* The file and print dialogs, with their library loaded on first use: it
 * brings the print spooler's libraries along, and a start that shows no
 * dialog should not pay for them. */
#ifndef DUELMARK_UI_DIALOGS_COMMON_DIALOGS_H
#define DUELMARK_UI_DIALOGS_COMMON_DIALOGS_H

#include <windows.h>
#include <commdlg.h>

/* Each returns what the dialog returned: nonzero when the user confirmed.
 * A library that cannot be loaded counts as a cancelled dialog. A file
 * dialog that failed rather than was cancelled has said why, over its
 * owner, in module's words, before it returns 0. */
BOOL showOpenFileDialog(OPENFILENAMEW *dialog, HMODULE module);
BOOL showSaveFileDialog(OPENFILENAMEW *dialog, HMODULE module);
BOOL showPrintDialog(PRINTDLGW *dialog);
BOOL showPageSetupDialog(PAGESETUPDLGW *dialog);

/* Fills the Open/Save dialog parameters for bracket files; buffer holds
 * PATH_CAPACITY units and is emptied. */
void fillBracketFileDialog(OPENFILENAMEW *dialog, HWND owner, WCHAR *buffer, DWORD flags);

enum {
    OPEN_DIALOG_FLAGS = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                        OFN_NONETWORKBUTTON,
    SAVE_DIALOG_FLAGS = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NONETWORKBUTTON
};

#endif
