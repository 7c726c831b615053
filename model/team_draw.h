/* Drawing lots: the first-round names in a uniformly random order. */
#ifndef DUELMARK_MODEL_TEAM_DRAW_H
#define DUELMARK_MODEL_TEAM_DRAW_H

#include "model/bracket.h"
#include "model/random_source.h"

/* Shuffles the base slots' names (Fisher-Yates; byes keep their places) and
 * clears every pick but those a bye decides.
 * Returns 1, or 0 with nothing changed when no bracket is open or the
 * random source failed. */
int shuffleBaseSlots(Bracket *bracket, RandomBelow random, void *context);

#endif
