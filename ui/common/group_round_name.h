/* A group round as Schedule matches offers it and the order of play's
 * Round column reads: "Group A, round 2", or "All groups, round 2". */
#ifndef DUELMARK_UI_COMMON_GROUP_ROUND_NAME_H
#define DUELMARK_UI_COMMON_GROUP_ROUND_NAME_H

#include "model/bracket.h"

/* group 0 .. MAX_GROUP_COUNT-1, or -1 for every group; round from 1. */
void groupRoundName(Bracket *bracket, int group, int round, WCHAR *name, int capacity);

/* The name of the round a group match is played in; 0 when node is no
 * group match. */
int groupMatchRoundName(Bracket *bracket, const BracketNode *node, WCHAR *name, int capacity);

#endif
