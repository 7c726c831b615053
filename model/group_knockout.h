/* Where the entrants who come through the groups stand in the knockout:
 * the smallest bracket that holds them, byes to the best group winners,
 * and the entrants of one group as far apart as the draw allows (winner
 * and runner-up in opposite halves, a group's first four in four
 * quarters). */
#ifndef DUELMARK_MODEL_GROUP_KNOCKOUT_H
#define DUELMARK_MODEL_GROUP_KNOCKOUT_H

#include "model/group_draw.h"

enum {
    MAX_GROUP_ADVANCING = 4,
    MAX_GROUP_KNOCKOUT_SLOTS = 128  /* the power of two above MAX_GROUP_COUNT * MAX_GROUP_ADVANCING */
};

/* Who stands in one base slot: the entrant in place 1 .. K of a group, or
 * a bye. */
struct KnockoutSeat {
    int group;  /* 0-based (A = 0), or -1 for a bye */
    int place;  /* 1 .. K; 0 for a bye */
};

struct GroupKnockout {
    int slotCount;  /* a power of two */
    KnockoutSeat seat[MAX_GROUP_KNOCKOUT_SLOTS];  /* in base-slot order (model/seeding.h) */
};

/* The knockout for groupCount groups with advancing (1 .. 4) through from
 * each. Group winners stand where seeds 1 .. G would, A's the best (the
 * snake gives A seed 1), so the byes go to the best winners; the other
 * places take the next pots of seeds, byes beyond the winners going to
 * whichever runners-up keep their groups apart. With two through from each
 * of 2^k groups the first round is 1A-2B, 1C-2D, ... in the top half and
 * 1B-2A, 1D-2C, ... in the bottom half. Returns 1, or 0 when the counts are
 * out of range or fewer than two come through. */
int placeGroupKnockout(int groupCount, int advancing, GroupKnockout *knockout);

#endif
