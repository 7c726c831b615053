/* Double elimination: a first loss drops an entrant into the losers'
 * bracket, a second ends its tournament. The winners' bracket is the tree
 * as it always was; the losers' bracket and the grand final follow from its
 * picks. Rounds of the winners' bracket are 1 .. R from the first, those of
 * the losers' bracket 1 .. 2R-2:
 *   round 1:    match i = loser of winners' round 1 match 2i-1 v 2i;
 *   round 2m:   match i = winner of losers' round 2m-1 match i v loser of
 *               winners' round m+1 match M+1-i (M matches in that round), so
 *               a dropped entrant crosses to the other side;
 *   round 2m+1: match i = winner of losers' round 2m match 2i-1 v 2i.
 * The last losers' round is the losers' final; the grand final is the
 * winners' champion v the losers' champion, and with the reset on it is
 * played again when the losers' champion wins it. */
#ifndef DUELMARK_MODEL_LOSERS_BRACKET_H
#define DUELMARK_MODEL_LOSERS_BRACKET_H

#include "model/bracket.h"
#include "model/losers_rounds.h"

enum EntrantState {
    ENTRANT_PENDING,  /* not known yet */
    ENTRANT_KNOWN,    /* *name is who it is */
    ENTRANT_NOBODY    /* nobody will come: a bye, a withdrawal, an empty match */
};

/* Who the feeder sends: an EntrantState, with *name set (never NULL) to
 * the entrant's name or L"". */
int feederEntrant(Bracket *bracket, const LosersFeeder *feeder, const WCHAR **name);

/* The two entrants of a losers' node as names, L"" where not known. The
 * reset has its entrants only while it is to be played. */
void losersEntrants(Bracket *bracket, BracketNode *match, const WCHAR **first, const WCHAR **second);

/* Whether the reset is to be played: the losers' champion won the grand
 * final with the reset on. */
int isResetInPlay(Bracket *bracket);

/* Who won the tournament: the winners' champion in single elimination,
 * else the winner of the last match played; L"" while undecided. */
const WCHAR *tournamentChampion(Bracket *bracket);

/* Whether name may stand as the pick of losers' node match: empty, or an
 * entrant known now. */
int isLosersChoice(Bracket *bracket, BracketNode *match, const WCHAR *name);

/* Before a change to any pick: notes each losers' match's pairing, so that
 * settleLosersBracket can tell which ones changed. */
void noteLosersPairings(Bracket *bracket);

enum {
    SETTLE_ONLY = 0,
    SETTLE_REOPEN = 1,       /* a match whose pairing changed since the note loses score and outcome */
    SETTLE_KEEP_INVALID = 2  /* a file's picks wait for the invalid-picks question */
};

/* After a change: every losers' pick that is no longer a choice is cleared
 * (the window told) and every match a bye or a withdrawal decides takes
 * its entrant, from the first match on, as mode says. Does nothing outside
 * double elimination. Returns 1 when it changed something (dirty set). */
int settleLosersBracket(Bracket *bracket, int mode);

/* Whether every losers' pick names an entrant known now. */
int losersPicksValid(Bracket *bracket);

/* Empties every losers' pick a bye does not decide. */
void clearLosersPicks(Bracket *bracket);

#endif
