/* The New from list dialog (template IDD_NEW_FROM_LIST): a title, the
 * entrants one per line in seed order, and how they are placed. */
#ifndef DUELMARK_UI_DIALOGS_NEW_FROM_LIST_DIALOG_H
#define DUELMARK_UI_DIALOGS_NEW_FROM_LIST_DIALOG_H

#include "model/bracket.h"

struct NewFromListChoice {
    WCHAR title[TITLE_CAPACITY];
    const WCHAR *prefill; /* the list shown at first (NULL: empty), with title */
    WCHAR *entrants;   /* the list as typed; a heap block (freeBlock) */
    EntrantList field; /* a list with club, rating or seed columns read as entrants; else empty */
    int placement;     /* an EntrantPlacement */
    int doubleElimination; /* the format chosen: 0 single, 1 double elimination */
};

/* Runs the dialog owned by owner, from module's template (the executable's
 * when module has none), showing list->title and list->prefill. A list
 * whose lines carry columns (a tab, or the same separator on every line,
 * as the CSV reader takes them) is read as entrants with club, rating and
 * seed; rows it cannot take are named in a question first. The dialog
 * stays open, saying why, until the title is not empty and the list holds
 * 2 to 256 entrants. Returns 1 on OK with list filled, the caller then
 * owning list->entrants and list->field; 0 on Cancel or when the dialog
 * could not be shown, with nothing to free. */
int runNewFromListDialog(HWND owner, HMODULE module, NewFromListChoice *list);

#endif
