/* The results a change would take away: every match decided between two
 * entrants is noted before the change, and those that no longer stand as
 * they did (another winner, score or outcome) are told after it, so the
 * user can be asked with each of them named. */
#ifndef DUELMARK_MODEL_PLAYED_RESULTS_H
#define DUELMARK_MODEL_PLAYED_RESULTS_H

#include "model/bracket.h"

struct PlayedResult {
    BracketNode *match;             /* a node of the tree or the losers' bracket, or the third-place match */
    WCHAR winner[NAME_CAPACITY];    /* empty for a double walkover */
    WCHAR result[RESULT_CAPACITY];
    int outcome;
};

/* On the process heap; all zero is an empty record. */
struct PlayedResults {
    PlayedResult *items;
    int count;
};

/* Notes every match now decided whose two entrants are known (the tree's,
 * the third-place match while it is on, the losers' bracket's while it is
 * played). Returns 1, or 0 with the record empty when memory ran out. */
int notePlayedResults(Bracket *bracket, PlayedResults *results);

/* Moves the noted results that no longer stand to the front, in the order
 * noted, leaving out spared (the match the user changed; NULL: none).
 * Returns how many there are. */
int lostPlayedResults(PlayedResults *results, const BracketNode *spared);

/* Whether any of the first count noted results carries more than its
 * winner: a score or an outcome other than played. */
int anyScoredResult(const PlayedResults *results, int count);

void freePlayedResults(PlayedResults *results);

#endif
