/* Changes to the entrants after the draw that keep what was played: a name
 * corrected everywhere it stands, two entrants put in each other's place,
 * an entrant replaced by a reserve or withdrawn. Each is one change to the
 * record, for the caller to hold in one undo step. */
#ifndef DUELMARK_MODEL_ENTRANT_CHANGES_H
#define DUELMARK_MODEL_ENTRANT_CHANGES_H

#include "model/bracket.h"

/* The first-round slot that holds name, unit for unit, or NULL. */
BracketNode *firstRoundSlotNamed(Bracket *bracket, const WCHAR *name);

/* Whether name would be an entrant the bracket has already (by
 * sameEntrantName, in the first round, a group or its entrant list) other than the
 * one now called self (NULL: none is spared). A blank name counts as
 * taken: it is nobody. */
int entrantNameTaken(Bracket *bracket, const WCHAR *name, const WCHAR *self);

/* Whether a group of the bracket holds name. */
int isGroupEntrant(Bracket *bracket, const WCHAR *name);

/* The entrant called oldName is called newName wherever the name stands:
 * the first round, every pick that carried it, the third-place match, the
 * losers' bracket, the groups and their matches' winners and the entrant
 * list. No result, outcome, court or time changes. Returns 1, or 0 with
 * nothing changed when neither a first-round slot nor a group holds
 * oldName or newName is taken. */
int renameEntrant(Bracket *bracket, const WCHAR *oldName, const WCHAR *newName);

/* Two first-round entrants change places, each taking its seed along; the
 * picks that carried either are cleared by the one cascade. No
 * name stands twice at any moment. Returns 1, or 0 for the same slot, a
 * slot that is no first-round slot or holds no name. */
int swapEntrants(Bracket *bracket, BracketNode *first, BracketNode *second);

/* Whether the entrant on a first-round slot has played a match: lost one,
 * or won one against somebody (a bye or a double walkover is nobody). */
int entrantHasPlayed(Bracket *bracket, BracketNode *slot);

/* Whether name is an entrant of the list who stands in no first-round
 * slot. */
int isReserve(Bracket *bracket, const WCHAR *name);

/* An entrant who has not played gives way to reserve (a listed reserve or
 * a name nobody has) on the same slot, which keeps its seed. Returns 1, or
 * 0 with nothing changed when the entrant has played or reserve is
 * taken. */
int replaceEntrant(Bracket *bracket, BracketNode *slot, const WCHAR *reserve);

enum WithdrawResult {
    WITHDRAWN_BY_WALKOVER = 1, /* the next match went to the opponent by walkover */
    WITHDRAW_NO_OPPONENT,      /* the next match's other entrant is not known yet */
    WITHDRAW_NO_MATCH_LEFT     /* the entrant is out, or has won everything */
};

/* An entrant who has played withdraws: the match it plays next (winners',
 * third place or losers') is given to its opponent as a walkover. Returns
 * a WithdrawResult; only the first changes the bracket. */
int withdrawEntrant(Bracket *bracket, BracketNode *slot);

#endif
