/* The rules that keep the tree's picks consistent: a pick is valid when it
 * is empty or equal to one of its two children's names (case-sensitive).
 * Each rule updates the model, carries the change on to every match that
 * follows (model/change_cascade.h) and tells the window of every pick it
 * set itself (tellPickRuled). */
#ifndef DUELMARK_MODEL_PICK_RULES_H
#define DUELMARK_MODEL_PICK_RULES_H

#include "model/bracket.h"
#include "model/match_record.h"

/* A slot's text changed to newText: picks above that carried the old name
 * are cleared up to the first that differs, whose score and outcome go
 * since one of its entrants changed; then the name is taken (a pick's own
 * score and outcome go with its old winner) and every pick a bye or a
 * withdrawal decides follows. Returns 1 when handled, 0 when no bracket is
 * open or node is NULL. */
int applySlotText(Bracket *bracket, BracketNode *node, const WCHAR *newText);

/* What validatePicks does besides judging. */
enum { CHECK_PICKS_ONLY = 0, CLEAR_INVALID_PICKS = 1 };

/* Returns 1 when every pick is valid, 0 otherwise; with CLEAR_INVALID_PICKS
 * it also clears every invalid pick, bottom level first. */
int validatePicks(Bracket *bracket, int clear);

/* Empties every pick (not the base slots) except those a bye decides, and
 * marks the bracket dirty. */
void clearNonBasePicks(Bracket *bracket);

/* Makes the match node decides a double walkover (withdrawn 1): its pick
 * emptied with the cascade, the next match's other entrant through at
 * once; or (0) an open match again, with what followed from the
 * withdrawal undone. Returns 1 when handled, 0 for no match or a match
 * that must stay withdrawn because both its feeders are. */
int setMatchWithdrawn(Bracket *bracket, BracketNode *node, int withdrawn);

#endif
