/* Club-mates kept apart in the draw. Within its club an entrant ranks by
 * seed, then rating, then list order; a club's best two stand in different
 * halves, its third and fourth in the two quarters the first two do not
 * hold, its next four in different eighths, and so on: the club-mate ranked
 * j (from 0) meets none ranked above it before round D - floor(log2 j) of
 * a bracket of D rounds. Where the field leaves no such draw, the draw is
 * made as well as it can be and the club-mates who can meet earlier are
 * named. */
#ifndef DUELMARK_MODEL_CLUB_SEPARATION_H
#define DUELMARK_MODEL_CLUB_SEPARATION_H

#include "model/entrant_list.h"
#include "model/group_draw.h"
#include "model/team_draw.h"

/* A club-mate who can meet a better-ranked one before the rule allows. */
struct SeparationClash {
    int entrant;       /* place in the field */
    int mate;          /* the better-ranked club-mate it meets first */
    int round;         /* the round they can meet, 1 = the first */
    int allowedRound;  /* the earliest round the rule allows */
};

/* Who stands in each base slot, in base-slot order (model/seeding.h), and
 * every entrant who can meet a club-mate too early (one clash each, with
 * the mate it can meet first). */
struct SeparatedDraw {
    int slotCount;
    int entrantOfSlot[MAX_TEAM_COUNT];  /* place in the field, or -1 for a bye */
    int clashCount;
    SeparationClash clash[MAX_TEAM_COUNT];
};

/* The round (1 = the first, depth = the final) in which base slots a and b
 * of a bracket can meet. */
int meetingRound(int a, int b);

/* Fills clashes with every entrant of the field who stands where it can
 * meet a better-ranked club-mate before the rule allows, in slot order.
 * entrantOfSlot holds slotCount places in the field or -1. Returns how
 * many there are (at most slotCount). */
int findSeparationClashes(const Entrant *field, int count, const int *entrantOfSlot, int slotCount,
                          SeparationClash *clashes);

/* The seeded draw of count entrants (2 .. MAX_TEAM_COUNT) into slotCount
 * base slots (a power of two, count .. MAX_TEAM_COUNT): byes where seed
 * lines above the field stand, the seeded entrants in seed order on lines
 * 1, 2, ..., the others drawn into the remaining slots by the rule.
 * Returns 1, or 0 with draw untouched when the sizes do not fit or the
 * random source failed. */
int drawSeededField(const Entrant *field, int count, int slotCount, RandomBelow random, void *context,
                    SeparatedDraw *draw);

/* The same with every entrant drawn and seeds read only for rank. */
int drawRandomField(const Entrant *field, int count, int slotCount, RandomBelow random, void *context,
                    SeparatedDraw *draw);

/* Draws the first round again by the rule: the slots that hold a bye in
 * current (-1) keep it, the entrants current names are drawn into the
 * others. Returns 1, or 0 with draw untouched when the random source
 * failed or the slot count is no power of two. */
int redrawFirstRound(const Entrant *field, int count, const int *current, int slotCount, RandomBelow random,
                     void *context, SeparatedDraw *draw);

/* The snake of drawGroups (PLACE_SEEDED) for a field in seed order, with
 * the entrants of each pot moved between the groups that pot fills so that
 * club-mates stand in different groups wherever the pot allows. *clashes
 * takes how many pairs of club-mates still share a group. Returns 1, or 0
 * with draw untouched when the groups do not fit. */
int drawGroupsApart(const Entrant *field, int count, int groupCount, GroupDraw *draw, int *clashes);

/* The same for the pots' draw of drawGroups (PLACE_RANDOM): each pot drawn
 * into its groups, then its entrants moved among those groups away from
 * club-mates. Returns 1, or 0 with draw untouched when the groups do not
 * fit or the random source failed. */
int drawRandomGroupsApart(const Entrant *field, int count, int groupCount, RandomBelow random, void *context,
                          GroupDraw *draw, int *clashes);

#endif
