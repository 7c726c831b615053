/* How the tree's matches settle after one of them changed: a name taken
 * clears the picks above that carried the old one, a withdrawal made or
 * undone passes on, and every match a bye or a withdrawal decides takes
 * its entrant. The window is told of every pick set here (tellPickRuled).
 * The cascade (model/change_cascade.h) runs these; the rules that change a
 * match call the cascade, not these. */
#ifndef DUELMARK_MODEL_TREE_SETTLING_H
#define DUELMARK_MODEL_TREE_SETTLING_H

#include "model/bracket.h"

/* The name changes, picks above that carried the old one are cleared up to
 * the first that differs, and that one, whose pairing changed, is reopened.
 * The window is told of the picks cleared above; the node itself is the
 * caller's to tell, if the user did not set it. */
void takeName(Bracket *bracket, BracketNode *node, const WCHAR *text);

/* The match no longer stands as it did, since a withdrawal it followed
 * from is gone: one that withdrawal made a double walkover too goes back
 * with it, one it sent the other entrant through is open again. */
void releaseWithdrawal(Bracket *bracket, BracketNode *node);

/* Both entrants withdrew: nobody goes on, and there is nothing to offer. */
void becomeWithdrawn(Bracket *bracket, BracketNode *pick);

/* Every pick whose other feeder sends nobody (a bye, or a double walkover)
 * takes its entrant's name, and every match both of whose feeders are
 * double walkovers becomes one itself, from the first round up (the window
 * told of each). The dirty flag is left to the caller. */
void advanceUncontestedPicks(Bracket *bracket);

/* The same for the picks that are empty only: a pick that names someone
 * else stays as it is, for the pick rules to judge (a file may name an
 * entrant who cannot be there, and the user is asked before it goes). */
void fillUncontestedPicks(Bracket *bracket);

#endif
