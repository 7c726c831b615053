/* A match's result: its winner, chosen from the two that fed it, and how
 * the match ended, for any match of the bracket and the third-place match. */
#ifndef DUELMARK_MODEL_MATCH_RESULT_H
#define DUELMARK_MODEL_MATCH_RESULT_H

#include "model/bracket.h"

/* The result of the match node stands for (any kind of match):
 * one of the two feeders' names or empty as winner, with the cascade of
 * the pick rules when it changes, then result (cut to 31 units; nothing
 * without a winner). Returns 1, or 0 when the match cannot take it. */
int setMatchResult(Bracket *bracket, BracketNode *node, const WCHAR *winner, const WCHAR *result);

#endif
