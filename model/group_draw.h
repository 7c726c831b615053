/* A field of entrants shared out into groups A, B, C, ... of
 * MIN_GROUP_SIZE .. MAX_GROUP_SIZE entrants whose sizes differ by at most
 * one: by seed in a snake, by drawing one of each pot into each group, or
 * in the list's order. */
#ifndef DUELMARK_MODEL_GROUP_DRAW_H
#define DUELMARK_MODEL_GROUP_DRAW_H

#include "model/round_robin.h"
#include "model/random_source.h"
#include "model/seed_placement.h"

enum { MAX_GROUP_COUNT = 26 };  /* one letter each */

/* Who stands in which group: entrants are 0-based places in the list
 * (best first), each group's in group order (its numbers 1 .. size). */
struct GroupDraw {
    int groupCount;
    int size[MAX_GROUP_COUNT];
    int member[MAX_GROUP_COUNT][MAX_GROUP_SIZE];
};

/* Whether a field of entrants makes groupCount groups of 3 .. 8 sizes
 * apart by at most one. Returns 1 or 0. */
int groupsFit(int entrants, int groupCount);

/* How many groups "groups of size" makes of the field: the fewest groups
 * none larger than size when such groups fit, or else the most groups none
 * smaller. Returns the count, or 0 when neither fits. */
int groupCountForSize(int entrants, int size);

/* Shares entrants 0 .. entrants - 1 out into groupCount groups by placement
 * (model/seeding.h): PLACE_SEEDED in a snake (seeds 1 .. G into A .. G,
 * G + 1 .. 2G into G .. A, ...); PLACE_RANDOM one entrant of each pot of G
 * drawn into each group (the last, short pot into groups drawn for it),
 * each group in pot order; PLACE_AS_LISTED A full, then B, ... Returns 1,
 * or 0 with draw untouched when the groups do not fit or the random source
 * failed. */
int drawGroups(int entrants, int groupCount, int placement, RandomBelow random, void *context,
               GroupDraw *draw);

#endif
