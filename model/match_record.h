/* One record for every match, whatever its kind (the tree's, third place,
 * the losers' bracket's, the grand final and its reset): how it starts
 * empty, how its pick goes, and when it sends nobody on. The pick rules of
 * every kind go through these, so a pick is cleared the same way wherever
 * it stands. */
#ifndef DUELMARK_MODEL_MATCH_RECORD_H
#define DUELMARK_MODEL_MATCH_RECORD_H

#include "model/bracket.h"

/* Makes node a new, empty slot or match below parent (NULL outside the
 * tree) with the id (0 until numbered): no name, result, seed or bye, an
 * open match with no court or time, linked to no control. */
void emptyMatch(BracketNode *node, BracketNode *parent, UINT id);

/* The pick goes, and its score and outcome with it (they told how that
 * winner won); court and time stay. The window is told (tellPickRuled). */
void clearPick(Bracket *bracket, BracketNode *match);

/* Tells the window that the rules, not the user, set the match's pick as
 * it now stands: emptied, or the one entrant who is there. */
void tellPickRuled(Bracket *bracket, BracketNode *match);

/* Whether both of a match's entrants withdrew (a double walkover): its pick
 * is empty and nobody goes on from it. A base slot never holds that
 * outcome (the reader drops it, setMatchOutcome refuses it). */
int isWithdrawn(const BracketNode *node);

/* A feeder that sends nobody on: a bye, or a match both sides left. */
int sendsNobody(const BracketNode *feeder);

/* A fingerprint of who meets whom: each side's state (the caller's own
 * numbering) and name. Noted before a change, it tells a match whose
 * pairing changed, whose score and outcome then go, from one whose did not. */
UINT pairingOf(const WCHAR *const names[2], const int states[2]);

#endif
