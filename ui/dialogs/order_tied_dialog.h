/* The Order tied entrants dialog: the entrants a group's rules leave
 * level, put by the organiser in the order the lots gave. */
#ifndef DUELMARK_UI_DIALOGS_ORDER_TIED_DIALOG_H
#define DUELMARK_UI_DIALOGS_ORDER_TIED_DIALOG_H

#include "model/bracket.h"
#include "model/round_robin.h"

struct TiedOrder {
    WCHAR group[4];                                /* in: the group's letter */
    int count;                                     /* in: 2 .. MAX_GROUP_SIZE */
    WCHAR name[MAX_GROUP_SIZE][NAME_CAPACITY];     /* in: as the standings list them now */
    int order[MAX_GROUP_SIZE];                     /* out: indexes into name, best first */
};

/* Runs the dialog owned by owner, from module's template (the
 * executable's when module has none). Returns 1 on OK with order filled
 * in, 0 on Cancel or when the dialog could not be shown. */
int runOrderTiedDialog(HWND owner, HMODULE module, TiedOrder *tied);

#endif
