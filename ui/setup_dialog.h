/* The New bracket / Edit title dialog (template IDD_SETUP). */
#ifndef DUELMARK_UI_SETUP_DIALOG_H
#define DUELMARK_UI_SETUP_DIALOG_H

#include "model/bracket.h"

struct BracketSetup {
    int teamCount;              /* written on OK only */
    WCHAR title[TITLE_CAPACITY]; /* empty on entry: New mode; else Edit-title mode */
};

/* Dialog result: 1 on OK (title and teamCount filled in), 0 on Cancel. */
INT_PTR CALLBACK setupDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
