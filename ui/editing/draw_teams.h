/* The Edit menu's draw: the first-round names in a random order. */
#ifndef DUELMARK_UI_EDITING_DRAW_TEAMS_H
#define DUELMARK_UI_EDITING_DRAW_TEAMS_H

#include "model/bracket.h"
#include "ui/common/document_state.h"

/* Shuffles the base slots' names with the platform's cryptographic random
 * source and clears every pick, as one undo step. Nothing happens while the
 * base slots are locked. */
void drawTeams(HWND window, DocumentState *state);

#endif
