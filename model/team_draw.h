/* Drawing lots: the first-round names in a uniformly random order. */
#ifndef DUELMARK_MODEL_TEAM_DRAW_H
#define DUELMARK_MODEL_TEAM_DRAW_H

#include "model/bracket.h"

/* A uniformly random value below bound (bound > 0) into *value. Returns 1,
 * or 0 when no random value could be had. */
typedef int (*RandomBelow)(UINT bound, UINT *value, void *context);

/* The platform's cryptographic random source, unbiased by rejection. */
int cryptoRandomBelow(UINT bound, UINT *value, void *context);

/* Shuffles the base slots' names (Fisher-Yates; byes keep their places) and
 * clears every pick but those a bye decides.
 * Returns 1, or 0 with nothing changed when no bracket is open or the
 * random source failed. */
int shuffleBaseSlots(Bracket *bracket, RandomBelow random, void *context);

#endif
