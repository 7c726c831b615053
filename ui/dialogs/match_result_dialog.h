/* The Match result dialog: the two teams that fed a match, its winner
 * (the same choices as the pick) and a free-text result. */
#ifndef DUELMARK_UI_DIALOGS_MATCH_RESULT_DIALOG_H
#define DUELMARK_UI_DIALOGS_MATCH_RESULT_DIALOG_H

#include "model/bracket.h"

/* What the dialog shows on entry and hands back on OK. */
struct MatchResultChoice {
    WCHAR first[NAME_CAPACITY];    /* the two teams that fed the match */
    WCHAR second[NAME_CAPACITY];
    WCHAR winner[NAME_CAPACITY];   /* in: the current pick; out: the chosen one or empty */
    WCHAR result[RESULT_CAPACITY]; /* in: the current result; out: the typed one */
};

/* Runs the dialog owned by owner, from module's template (the executable's
 * when module has none). Returns 1 on OK with choice's winner and result
 * filled in, 0 on Cancel or when the dialog could not be shown. */
int runMatchResultDialog(HWND owner, HMODULE module, MatchResultChoice *choice);

#endif
