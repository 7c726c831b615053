/* The Match result command: the dialog for the pick that has the focus,
 * from the Edit menu, Ctrl+R or the pick's own context menu. */
#ifndef DUELMARK_UI_EDITING_MATCH_RESULT_COMMAND_H
#define DUELMARK_UI_EDITING_MATCH_RESULT_COMMAND_H

#include "ui/common/document_state.h"

/* For the pick control that has the focus (a pick or the third-place
 * drop-down): OK sets the winner, with the cascade when it changed, and
 * the result. Nothing for any other control, nor for a match against a
 * bye. */
void editMatchResult(HWND window, DocumentState *state);

/* Whether Match result can act on the focused control: 0 when it is the
 * pick of a match without two entrants to decide between (one side is a
 * bye), 1 otherwise, as the command itself ignores other controls. */
int matchResultCanAct(HWND window, DocumentState *state);

/* WM_CONTEXTMENU from a pick control: a menu with Match result..., which
 * runs the command for that pick (grey for a match against a bye). where is the message's lParam. */
void showPickMenu(HWND window, DocumentState *state, HWND control, LPARAM where);

#endif
