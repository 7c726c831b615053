/* The rules that keep picks consistent: a pick is valid when it is empty or
 * equal to one of its two children's names (case-sensitive). Each rule
 * updates the model and, for slots that have one, the slot's control. */
#ifndef DUELMARK_MODEL_PICK_RULES_H
#define DUELMARK_MODEL_PICK_RULES_H

#include "model/bracket.h"

/* A slot's text changed to newText: picks above that carried the old name
 * are cleared up to the first that differs, then the name is taken.
 * Returns 1 when handled, 0 when no bracket is open or node is NULL. */
int applySlotText(Bracket *bracket, BracketNode *node, const WCHAR *newText);

/* What validatePicks does besides judging. */
enum { CHECK_PICKS_ONLY = 0, CLEAR_INVALID_PICKS = 1 };

/* Returns 1 when every pick is valid, 0 otherwise; with CLEAR_INVALID_PICKS
 * it also clears every invalid pick, bottom level first. */
int validatePicks(Bracket *bracket, int clear);

/* Empties every pick (not the base slots) except those a bye decides, and
 * marks the bracket dirty. */
void clearNonBasePicks(Bracket *bracket);

/* Every first-round pick whose other feeder is a bye takes its entrant's
 * name (control included). The dirty flag is left to the caller. */
void advanceByePicks(Bracket *bracket);

#endif
