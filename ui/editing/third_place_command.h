/* The user's changes to the third-place match: the command that turns it
 * on or off, and a loser chosen in its drop-down. */
#ifndef DUELMARK_UI_EDITING_THIRD_PLACE_COMMAND_H
#define DUELMARK_UI_EDITING_THIRD_PLACE_COMMAND_H

#include "ui/common/document_state.h"

/* The Third-place match command: on or off. */
void toggleThirdPlaceMatch(HWND window, DocumentState *state);

/* CBN_SELCHANGE: the chosen loser becomes the pick, as one undo step. */
void recordThirdPlaceChange(HWND control, Bracket *bracket);

#endif
