/* The question asked before a bracket with two entrants of one name is
 * written: its file could not say which of the two won a pick. */
#ifndef DUELMARK_UI_DOCUMENT_REPEATED_NAME_PROMPT_H
#define DUELMARK_UI_DOCUMENT_REPEATED_NAME_PROMPT_H

#include "model/bracket.h"

/* Asks only when two base slots share a name (case and outer spaces
 * aside). Returns 1 to write (no such pair, or Yes), 0 for No. */
int acceptRepeatedName(HWND window, Bracket *bracket);

#endif
