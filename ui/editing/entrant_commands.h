/* The commands that change entrants after the draw and keep what was
 * played: Rename entrant, Swap entrants, Withdraw and replace. */
#ifndef DUELMARK_UI_EDITING_ENTRANT_COMMANDS_H
#define DUELMARK_UI_EDITING_ENTRANT_COMMANDS_H

#include "ui/common/document_state.h"

/* Whether the focused control (a first-round name box or a pick) holds
 * the name of a first-round entrant. */
int renameEntrantCanAct(HWND window, DocumentState *state);

void renameEntrantCommand(HWND window, DocumentState *state);
void swapEntrantsCommand(HWND window, DocumentState *state);
void withdrawEntrantCommand(HWND window, DocumentState *state);

#endif
