/* The organiser's changes to the losers' bracket: the format itself, the
 * grand final's reset, a pick and a double walkover. Each carries the
 * change on (model/change_cascade.h). */
#ifndef DUELMARK_MODEL_LOSERS_PICKS_H
#define DUELMARK_MODEL_LOSERS_PICKS_H

#include "model/losers_bracket.h"

/* Turns the format on (the nodes must be prepared; the third-place match
 * goes off) or off (the losers' bracket keeps nothing). Returns 1 when the
 * state changed (dirty set). */
int setDoubleEliminationOn(Bracket *bracket, int on);

/* Turns the grand final's reset on or off (off empties the reset). Returns
 * 1 when the state changed, 0 outside double elimination. */
int setGrandFinalReset(Bracket *bracket, int on);

/* Takes name as the pick of losers' node match: the picks after it that
 * carried the old name are cleared up to the first that differs, whose
 * score and outcome go. Returns 1 when handled, 0 when name is no choice. */
int setLosersPick(Bracket *bracket, BracketNode *match, const WCHAR *name);

/* Makes the losers' match a double walkover (its pick empty, nobody goes
 * on) or an open match again. Returns 1 when handled. */
int setLosersWithdrawn(Bracket *bracket, BracketNode *match, int withdrawn);

#endif
