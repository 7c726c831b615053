/* The organiser's changes to the groups: a match's result and the order of
 * entrants the rules leave level. Each carries the change on into the
 * knockout (model/change_cascade.h). */
#ifndef DUELMARK_MODEL_GROUP_RESULTS_H
#define DUELMARK_MODEL_GROUP_RESULTS_H

#include "model/group_stage.h"

/* Decides a group match: winner a GroupMatchWinner (GROUP_DRAWN only
 * where the rules allow draws; GROUP_UNDECIDED with
 * OUTCOME_DOUBLE_WALKOVER for both withdrawn, with OUTCOME_PLAYED to clear
 * it), result its text (cut to fit; none without a winner or draw) and
 * outcome a MatchOutcome (a walkover, retirement or disqualification needs
 * a winner). Then the knockout's base slots follow the groups
 * (carryChangeOn). Returns 1 (dirty set when anything changed),
 * or 0 with nothing changed when the match cannot take it. */
int setGroupMatchResult(Bracket *bracket, int group, int match, int winner, const WCHAR *result, int outcome);

/* Sets that order (count 0 clears it; each number 1 .. count at most
 * once), then fills the knockout. Returns 1, or 0 with nothing changed for
 * a number out of range or given twice. */
int setGroupTiedOrder(Bracket *bracket, int group, const int *order, int count);

#endif
