/* The dialogs of the changes after the draw: Rename entrant (an entrant
 * and its new name), Swap entrants (two entrants) and Withdraw and replace
 * (an entrant and a reserve, typed or chosen). */
#ifndef DUELMARK_UI_DIALOGS_ENTRANT_CHANGE_DIALOG_H
#define DUELMARK_UI_DIALOGS_ENTRANT_CHANGE_DIALOG_H

#include "model/bracket.h"

enum EntrantChangeKind { CHANGE_RENAME, CHANGE_SWAP, CHANGE_WITHDRAW };

struct EntrantChange {
    int kind;                     /* an EntrantChangeKind: which dialog */
    const WCHAR *const *entrants; /* the first round's entrants, in bracket order */
    int entrantCount;
    const WCHAR *const *choices;  /* the second list: the entrants again (swap), the reserves (withdraw) */
    int choiceCount;
    int first;                    /* in and out: the entrant chosen, an index of entrants */
    int secondChoice;             /* in: the item of choices shown first, or -1 */
    WCHAR second[NAME_CAPACITY];  /* out: the new name, the other entrant or the reserve */
};

/* Runs the dialog of change->kind from resources, owned by owner. Returns
 * 1 when the user pressed OK with an entrant chosen and a second text
 * (which may be empty for a withdrawal: no reserve), 0 for Cancel or a dialog that could not be shown. */
int runEntrantChangeDialog(HWND owner, HMODULE resources, EntrantChange *change);

#endif
