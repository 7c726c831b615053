/* The Match result dialog: the two teams that fed a match, its winner
 * (the same choices as the pick) and a free-text result, and the commands
 * that open it. */
#ifndef DUELMARK_UI_MATCH_RESULT_DIALOG_H
#define DUELMARK_UI_MATCH_RESULT_DIALOG_H

#include "model/bracket.h"
#include "ui/document_state.h"

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

/* The Match result command for the pick control that has the focus (a
 * pick or the third-place drop-down): OK sets the winner, with the cascade
 * when it changed, and the result as one undo step. Nothing for any other
 * control, nor for a match against a bye. */
void editMatchResult(HWND window, Bracket *bracket);

/* Whether Match result can act on the focused control: 0 when it is the
 * pick of a match without two entrants to decide between (one side is a
 * bye), 1 otherwise, as the command itself ignores other controls. */
int matchResultCanAct(HWND window, DocumentState *state);

/* WM_CONTEXTMENU from a pick control: a menu with Match result..., which
 * opens the dialog for that pick (grey for a match against a bye). where
 * is the message's lParam. */
void showPickMenu(HWND window, Bracket *bracket, HWND control, LPARAM where);

#endif
