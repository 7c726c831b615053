/* Where seeds stand in a bracket: the standard placement that keeps the
 * strongest apart longest, and the ways a field can be placed. Pure: the
 * draws of brackets, groups and a group stage's knockout share it. */
#ifndef DUELMARK_MODEL_SEED_PLACEMENT_H
#define DUELMARK_MODEL_SEED_PLACEMENT_H

#include "model/bracket_limits.h"

enum EntrantPlacement {
    PLACE_SEEDED,     /* seed 1 first slot, seed 2 last, sections kept apart */
    PLACE_RANDOM,     /* the seeded byes, entrants drawn into the other slots */
    PLACE_AS_LISTED   /* the seeded byes, entrants in list order */
};

/* The seed (1 .. slotCount) that stands in each base slot of a bracket of
 * slotCount slots (a power of two, 2 .. MAX_TEAM_COUNT), in base-slot
 * order: down the left column, then down the right. Pairs of a first-round
 * match add up to slotCount + 1, and seeds 1 .. 2^k lie in 2^k different
 * sections, so they cannot meet before the round of 2^k. Returns 1, or 0
 * for any other slotCount. */
int seedPlacement(int slotCount, int *seedOfSlot);

#endif
