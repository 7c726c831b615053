/* The file and print dialogs, with their library loaded on first use: it
 * brings the print spooler's libraries along, and a start that shows no
 * dialog should not pay for them. */
#ifndef DUELMARK_UI_COMMON_DIALOGS_H
#define DUELMARK_UI_COMMON_DIALOGS_H

#include <windows.h>
#include <commdlg.h>

/* Each returns what the dialog returned: nonzero when the user confirmed.
 * A library that cannot be loaded counts as a cancelled dialog. */
BOOL showOpenFileDialog(OPENFILENAMEW *dialog);
BOOL showSaveFileDialog(OPENFILENAMEW *dialog);
BOOL showPrintDialog(PRINTDLGW *dialog);

#endif
