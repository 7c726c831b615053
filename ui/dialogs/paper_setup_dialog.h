/* Page setup where no printer is installed (template IDD_PAPER_SETUP): the
 * paper, its orientation and the margins the preview lays pages out on. */
#ifndef DUELMARK_UI_DIALOGS_PAPER_SETUP_DIALOG_H
#define DUELMARK_UI_DIALOGS_PAPER_SETUP_DIALOG_H

#include <windows.h>

enum PaperKind { PAPER_A4, PAPER_LETTER, PAPER_LEGAL, PAPER_KINDS };

enum { MOST_MARGIN_MM = 100 };   /* a margin wider than this leaves no page */

struct PaperChoice {
    int paper;       /* a PaperKind */
    int landscape;   /* 1: the long side across */
    RECT margins;    /* hundredths of a millimetre from each edge */
};

/* Runs the dialog from resources, owned by owner, starting from choice.
 * Returns 1 on OK with choice filled in, 0 on Cancel or when the dialog
 * could not be shown (choice untouched then). A margin that is no number
 * of millimetres up to MOST_MARGIN_MM keeps the dialog open on it. */
int runPaperSetupDialog(HWND owner, HMODULE resources, PaperChoice *choice);

#endif
