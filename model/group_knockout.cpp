#include "model/group_knockout.h"
#include "model/seed_placement.h"

/* The search for a placement that keeps every group apart: each place
 * below the winners takes one of the slots its pot's seeds stand in, so a
 * winner still meets a lower place first and the byes stay where the seeds
 * put them. */
struct Placement {
    int groupCount;
    int advancing;
    int slotCount;
    int anySlotOfPot;                         /* the second try: places may leave their pot */
    int seedOfSlot[MAX_GROUP_KNOCKOUT_SLOTS];
    int slotOfSeed[MAX_GROUP_KNOCKOUT_SLOTS + 1];
    int slotOf[MAX_GROUP_COUNT][MAX_GROUP_ADVANCING + 1];  /* -1 until placed */
    int taken[MAX_GROUP_KNOCKOUT_SLOTS];
    long steps;                               /* bounds a search that cannot succeed */
};

enum { SEARCH_STEP_LIMIT = 200000 };

/* Whether two of one group may stand in these slots: apart in halves for
 * the winner and runner-up, in quarters when three or more come through. */
static int farEnoughApart(const Placement *placement, int slot, int place, int otherSlot, int otherPlace)
{
    int half = placement->slotCount / 2;
    if ((place <= 2 && otherPlace <= 2) && slot / half == otherSlot / half)
        return 0;
    int quarter = placement->slotCount / 4;
    return placement->advancing < 3 || slot / quarter != otherSlot / quarter;
}

static int fits(const Placement *placement, int group, int place, int slot)
{
    for (int other = 1; other < place; other++) {
        if (!farEnoughApart(placement, slot, place, placement->slotOf[group][other], other))
            return 0;
    }
    return 1;
}

/* Places entry index .. (places 2 .. K, groups A .. in each) depth first.
 * Returns 1 when every entry found a slot. */
static int placeFrom(Placement *placement, int index)
{
    int groupCount = placement->groupCount;
    if (index == groupCount * (placement->advancing - 1))
        return 1;
    if (++placement->steps > SEARCH_STEP_LIMIT)
        return 0;
    int place = 2 + index / groupCount;
    int group = index % groupCount;
    int firstSeed = placement->anySlotOfPot ? groupCount + 1 : (place - 1) * groupCount + 1;
    int lastSeed = placement->anySlotOfPot ? groupCount * placement->advancing : place * groupCount;
    /* A seed that faces a bye stays with its own pot even in the second
     * try: byes beyond the winners go to the runners-up, whichever of them
     * keep their groups apart. */
    int byes = placement->slotCount - groupCount * placement->advancing;
    for (int seed = firstSeed; seed <= lastSeed; seed++) {
        int slot = placement->slotOfSeed[seed];
        int potOfSeed = (seed - 1) / groupCount + 1;
        if (placement->taken[slot] || (seed <= byes && potOfSeed != place) || !fits(placement, group, place, slot))
            continue;
        placement->taken[slot] = 1;
        placement->slotOf[group][place] = slot;
        if (placeFrom(placement, index + 1))
            return 1;
        placement->taken[slot] = 0;
        placement->slotOf[group][place] = -1;
    }
    return 0;
}

/* Winners by seed; the rest searched within their pots, then anywhere
 * below the winners. Returns 0 when neither search found a placement. */
static int search(Placement *placement)
{
    for (int tries = 0; tries < 2; tries++) {
        for (int slot = 0; slot < placement->slotCount; slot++)
            placement->taken[slot] = 0;
        for (int g = 0; g < placement->groupCount; g++) {
            for (int place = 1; place <= MAX_GROUP_ADVANCING; place++)
                placement->slotOf[g][place] = -1;
            placement->slotOf[g][1] = placement->slotOfSeed[g + 1];
            placement->taken[placement->slotOf[g][1]] = 1;
        }
        placement->anySlotOfPot = tries;
        placement->steps = 0;
        if (placeFrom(placement, 0))
            return 1;
    }
    return 0;
}

/* Each group's places in seed order, pot by pot, kept apart or not: what
 * is left when no search succeeds. */
static void placeBySeed(Placement *placement)
{
    for (int g = 0; g < placement->groupCount; g++) {
        for (int place = 1; place <= placement->advancing; place++)
            placement->slotOf[g][place] = placement->slotOfSeed[(place - 1) * placement->groupCount + g + 1];
    }
}

int placeGroupKnockout(int groupCount, int advancing, GroupKnockout *knockout)
{
    int entrants = groupCount * advancing;
    if (groupCount < 1 || groupCount > MAX_GROUP_COUNT || advancing < 1 || advancing > MAX_GROUP_ADVANCING ||
        entrants < 2)
        return 0;
    int slots = 2;
    while (slots < entrants)
        slots *= 2;
    GroupKnockout made = {};
    made.slotCount = slots;
    for (int slot = 0; slot < slots; slot++) {
        made.seat[slot].group = -1;
        made.seat[slot].place = 0;
    }
    if (advancing == 2 && groupCount >= 2 && !(groupCount & (groupCount - 1))) {
        /* The draw clubs play: winners of the odd-lettered groups in the top
         * half, each against the next group's runner-up, and the even
         * ones in the bottom half against the previous group's. */
        for (int pair = 0; pair < groupCount / 2; pair++) {
            KnockoutSeat *top = &made.seat[2 * pair];
            KnockoutSeat *bottom = &made.seat[groupCount + 2 * pair];
            top[0] = KnockoutSeat{2 * pair, 1};
            top[1] = KnockoutSeat{2 * pair + 1, 2};
            bottom[0] = KnockoutSeat{2 * pair + 1, 1};
            bottom[1] = KnockoutSeat{2 * pair, 2};
        }
        *knockout = made;
        return 1;
    }
    Placement placement = {};
    placement.groupCount = groupCount;
    placement.advancing = advancing;
    placement.slotCount = slots;
    seedPlacement(slots, placement.seedOfSlot);
    for (int slot = 0; slot < slots; slot++)
        placement.slotOfSeed[placement.seedOfSlot[slot]] = slot;
    if (!search(&placement))
        placeBySeed(&placement);
    for (int g = 0; g < groupCount; g++) {
        for (int place = 1; place <= advancing; place++)
            made.seat[placement.slotOf[g][place]] = KnockoutSeat{g, place};
    }
    *knockout = made;
    return 1;
}
