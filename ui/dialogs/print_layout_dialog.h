/* The layout asked before the print dialog (template IDD_PRINT_LAYOUT):
 * one page, halves or poster, and the smallest name size of a poster. */
#ifndef DUELMARK_UI_DIALOGS_PRINT_LAYOUT_DIALOG_H
#define DUELMARK_UI_DIALOGS_PRINT_LAYOUT_DIALOG_H

#include <windows.h>

struct PrintLayoutChoice {
    int layout;         /* a PrintLayout */
    int posterPoints;   /* POSTER_MIN_POINTS .. POSTER_MAX_POINTS */
};

/* Runs the dialog from resources, owned by owner, starting from choice.
 * Returns 1 on OK with choice filled in (a name size out of range is
 * brought inside it), 0 on Cancel or when the dialog could not be shown
 * (choice untouched then). */
int runPrintLayoutDialog(HWND owner, HMODULE resources, PrintLayoutChoice *choice);

#endif
