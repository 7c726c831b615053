/* What a group result would do to the knockout, worked out before it is
 * made, so that the user can be asked first. */
#ifndef DUELMARK_MODEL_GROUP_CONSEQUENCES_H
#define DUELMARK_MODEL_GROUP_CONSEQUENCES_H

#include "model/bracket.h"

/* The knockout matches (tree nodes, losers' nodes, the third-place match)
 * whose result a group match decided as asked would clear, into cleared
 * (room for capacity). The bracket is left exactly as it was. Returns how
 * many (0: nobody's result goes), or -1 when the match cannot take it. */
int knockoutResultsCleared(Bracket *bracket, int group, int match, int winner, const WCHAR *result, int outcome,
                           BracketNode **cleared, int capacity);

#endif
