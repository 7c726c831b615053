/* The match for third place: offered for brackets of four slots or more,
 * between the two semi-finalists who lost. Each loser is known once its
 * semi-final is picked: the feeder that was not picked. */
#ifndef DUELMARK_MODEL_THIRD_PLACE_H
#define DUELMARK_MODEL_THIRD_PLACE_H

#include "model/bracket.h"

/* Whether the open bracket is large enough to have semi-finals. */
int thirdPlaceAllowed(const Bracket *bracket);

/* The loser of the left (side 0) or right (side 1) semi-final, or NULL when
 * that semi-final is unpicked, its pick names neither feeder, or there is
 * no such match. */
const WCHAR *semiFinalLoser(Bracket *bracket, int side);

/* The feeder the match's pick did not name, or NULL when the match is a
 * first-round slot, unpicked, or its pick names neither feeder. */
const WCHAR *matchLoser(const BracketNode *match);

/* Whether name may stand as the third-place pick: empty, or a loser. */
int isThirdPlaceChoice(Bracket *bracket, const WCHAR *name);

/* Before a change: notes who meets whom for third place. */
void noteThirdPlacePairing(Bracket *bracket);

/* After a change: clears the third-place pick and its result when the pick
 * no longer names a loser (clearPick), and the score and outcome when the
 * pairing changed since the note (dirty set when either went). */
void settleThirdPlace(Bracket *bracket);

/* Adds (on) or removes the match; a removed match takes its pick and result
 * with it. Returns 1 when the state changed (dirty set), 0 when it was
 * already so or the bracket is too small. */
int setThirdPlaceOn(Bracket *bracket, int on);

/* Takes name as the third-place pick; a different winner drops the result.
 * Returns 1 when handled, 0 when the match is off or name is no choice. */
int setThirdPlacePick(Bracket *bracket, const WCHAR *name);

#endif
