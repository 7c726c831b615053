/* Filling in when and where matches are played: the matches of one round,
 * or every match ready to be played, given times and courts in bracket
 * order, as many at once as there are courts. */
#ifndef DUELMARK_MODEL_MATCH_SCHEDULE_H
#define DUELMARK_MODEL_MATCH_SCHEDULE_H

#include "model/bracket.h"

enum {
    SCHEDULE_READY_MATCHES = -1,  /* every open match whose two entrants are known */
    SCHEDULE_THIRD_PLACE = -2,    /* the match for third place */
    /* Losers' round r (1 .. 2R-2) is SCHEDULE_LOSERS_ROUND - (r-1); one
     * past the last stands for the grand final and its reset. */
    SCHEDULE_LOSERS_ROUND = -3,
    SCHEDULE_COURT_LIMIT = 32,    /* courts taken from one list; the rest are left out */
    MAX_MINUTES_PER_MATCH = 24 * 60
};

struct ScheduleRequest {
    int round;         /* the level of the round's picks (0: the final), or one of the above */
    WCHAR start[MATCH_TIME_CAPACITY];  /* the first match's time */
    int minutes;       /* 1 .. MAX_MINUTES_PER_MATCH between one slot of matches and the next */
    const WCHAR *courts;  /* names separated by commas; blanks around them go */
    int replace;       /* also matches that have a time already */
};

/* The two entrants of the match node decides (any kind); an
 * entrant not yet known is empty. */
void matchEntrants(Bracket *bracket, BracketNode *node, const WCHAR **first, const WCHAR **second);

/* Whether the match is still to be played and both its entrants are known. */
int isMatchReady(Bracket *bracket, BracketNode *node);

/* The next court name of a comma-separated list: 1 with the name (blanks
 * around it gone, cut to 31 units) and *list past it; 0 at the end. Empty
 * entries are passed over. *length is the name's length before the cut. */
int nextCourtName(const WCHAR **list, WCHAR *court, int *length);

/* The matches of the request, open ones only, in bracket order (rounds
 * from the first, the third-place match before the final, each round top
 * to bottom on the left, then on the right): each gets the next free
 * court, and the next time once every court is taken. Matches with a time
 * already are passed over unless replace is set. No courts given leaves
 * the courts as they are, one match at a time. Returns how many matches
 * were scheduled (dirty set when any changed). */
int scheduleMatches(Bracket *bracket, const ScheduleRequest *request);

/* The request's round for losers' round r (1 .. 2R-2, or 2R-1: the grand
 * final and its reset), and back: 0 for a request of the winners' side. */
int scheduleLosersRound(int round);
int losersRoundScheduled(int requestRound);

#endif
