/* The Match result dialog: the two teams that fed a match, its winner
 * (the same choices as the pick), a free-text result, its outcome, court
 * and time. */
#ifndef DUELMARK_UI_DIALOGS_MATCH_RESULT_DIALOG_H
#define DUELMARK_UI_DIALOGS_MATCH_RESULT_DIALOG_H

#include "model/bracket.h"

/* What the dialog shows on entry and hands back on OK. */
struct MatchResultChoice {
    WCHAR first[NAME_CAPACITY];    /* the two teams that fed the match */
    WCHAR second[NAME_CAPACITY];
    WCHAR winner[NAME_CAPACITY];   /* in: the current pick; out: the chosen one or empty */
    WCHAR result[RESULT_CAPACITY]; /* in: the current result; out: the typed one */
    int outcome;                   /* in and out: a MatchOutcome */
    WCHAR court[COURT_CAPACITY];   /* in and out */
    WCHAR time[MATCH_TIME_CAPACITY]; /* in and out: "YYYY-MM-DDTHH:MM", or empty when not scheduled */
    int drawAllowed;               /* in: a group match whose rules count draws offers "Draw" as its winner */
    int drawn;                     /* in and out: the match was drawn (winner empty) */
};

/* Runs the dialog owned by owner, from module's template (the executable's
 * when module has none). Returns 1 on OK with choice's winner, result,
 * outcome, court and time filled in, 0 on Cancel or when the dialog could
 * not be shown. */
int runMatchResultDialog(HWND owner, HMODULE module, MatchResultChoice *choice);

#endif
