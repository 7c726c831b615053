/* The Entrants dialog (template IDD_ENTRANTS): the entrant list in the
 * platform's list view, sortable by any column, with the fields of the
 * chosen entrant below it to add, change or remove one. */
#ifndef DUELMARK_UI_DIALOGS_ENTRANTS_DIALOG_H
#define DUELMARK_UI_DIALOGS_ENTRANTS_DIALOG_H

#include "model/entrant_list.h"

/* Whether the entrant called name stands in the draw: such an entrant
 * keeps its name (a rename changes the bracket too) and its place. */
typedef int (*EntrantInDraw)(const WCHAR *name, void *context);

/* Runs the dialog owned by owner on a copy of list. Returns 1 on OK with
 * list holding the edited entrants (the caller still owns it), 0 on Cancel
 * or when the dialog could not be shown, with list as it was. */
int runEntrantsDialog(HWND owner, HMODULE module, EntrantList *list, EntrantInDraw inDraw, void *context);

#endif
