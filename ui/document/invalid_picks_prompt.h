/* The question asked when a file is opened or saved with picks that match
 * neither of their feeders. */
#ifndef DUELMARK_UI_DOCUMENT_INVALID_PICKS_PROMPT_H
#define DUELMARK_UI_DOCUMENT_INVALID_PICKS_PROMPT_H

#include "model/bracket.h"

/* The question, owned by window, in the language of resources. Returns the
 * button pressed (IDYES or IDNO). */
int askClearInvalidPicks(HWND window, HMODULE resources);

/* Asks only when some pick is invalid, and on Yes clears those picks as one
 * undo step. Returns 1 when every pick is valid afterwards, 0 when the user
 * kept the invalid ones. */
int settleInvalidPicks(HWND window, Bracket *bracket);

#endif
