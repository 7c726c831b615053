/* The one cascade over every match: after any change, each match that
 * follows from another settles by its own kind's rule, in the order the
 * entrants flow: the knockout's first round from the groups, the tree's
 * matches from their feeders, the losers' bracket from the tree's losers,
 * and third place from the semi-finals' losers. A match whose pairing
 * changed loses its score and outcome, so every rule that changes a match
 * notes the pairings first and carries the change on after. */
#ifndef DUELMARK_MODEL_CHANGE_CASCADE_H
#define DUELMARK_MODEL_CHANGE_CASCADE_H

#include "model/bracket.h"

/* Before a change: who meets whom in every match outside the tree, as it
 * stands (the tree's own matches reopen as their names are taken). */
void noteMatchPairings(Bracket *bracket);

/* Where the change was made. */
enum {
    CHANGED_IN_KNOCKOUT = 0, /* a name, pick or withdrawal of the tree or the losers' bracket */
    CHANGED_IN_GROUPS = 1    /* a group's result or tied order: the first round may follow */
};

/* After a change: every match that follows from it settles, the window told
 * of each pick the rules set; a match outside the tree whose pick or
 * pairing went marks the bracket dirty, the tree's are the caller's to
 * mark. A group change that moves nobody into or out of the knockout
 * carries nothing on; the knockout's own changes leave the first round to
 * whoever set it (a swap on a group event stands). */
void carryChangeOn(Bracket *bracket, int where);

#endif
