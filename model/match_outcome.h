/* Setting what happened at a match and when and where it is played, with
 * the rules that keep the bracket consistent around it. */
#ifndef DUELMARK_MODEL_MATCH_OUTCOME_H
#define DUELMARK_MODEL_MATCH_OUTCOME_H

#include "model/bracket.h"

/* The details of the match node decides (any match, &bracket->thirdPlace
 * included). */
MatchDetails *matchDetailsOf(Bracket *bracket, BracketNode *node);

/* Whether the match was decided: a winner picked, or both withdrew. */
int isMatchDecided(Bracket *bracket, BracketNode *node);

/* The pick, score and outcome of a match (any kind) as one
 * change: a double walkover empties the pick and passes on (winner and
 * result are not taken); any other outcome needs a winner and counts as
 * played without one. Returns 1, or 0 when the match cannot take it (a
 * winner who did not play, a match both of whose feeders withdrew). */
int setMatchOutcome(Bracket *bracket, BracketNode *node, const WCHAR *winner, const WCHAR *result, int outcome);

/* Court (cut to 31 units, never on half a pair) and time (empty, or the
 * form above) of a match. Returns 1, or 0 with nothing changed for a
 * malformed time or a match that does not exist. */
int setMatchSchedule(Bracket *bracket, BracketNode *node, const WCHAR *court, const WCHAR *time);

#endif
