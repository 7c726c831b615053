/* The New bracket / Edit title dialog (template IDD_SETUP). */
#ifndef DUELMARK_UI_DIALOGS_SETUP_DIALOG_H
#define DUELMARK_UI_DIALOGS_SETUP_DIALOG_H

#include "model/bracket.h"

struct BracketSetup {
    int teamCount;              /* written on OK only */
    WCHAR title[TITLE_CAPACITY]; /* empty on entry: New mode; else Edit-title mode */
};

/* Runs the dialog from resources, owned by owner. Returns 1 on OK (title
 * and teamCount filled in), 0 on Cancel or when the dialog could not be
 * shown (setup untouched then). */
int runSetupDialog(HWND owner, HMODULE resources, BracketSetup *setup);

#endif
