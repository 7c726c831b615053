#include "model/seed_placement.h"

/* Each doubling splits every seed s of the smaller draw into s and its new
 * partner slotCount + 1 - s. The partner goes below s in every other pair,
 * so the strongest seed of each section alternates between the section's
 * outer ends: seed 1 stays at the top and seed 2 lands at the bottom. */
int seedPlacement(int slotCount, int *seedOfSlot)
{
    if (slotCount < 2 || slotCount > MAX_TEAM_COUNT || (slotCount & (slotCount - 1)))
        return 0;
    int order[MAX_TEAM_COUNT];
    order[0] = 1;
    order[1] = 2;
    for (int size = 2; size < slotCount; size *= 2) {
        /* From the back, so the smaller draw is read before it is overwritten. */
        for (int i = size - 1; i >= 0; i--) {
            int seed = order[i];
            int partner = 2 * size + 1 - seed;
            order[2 * i] = (i % 2) ? partner : seed;
            order[2 * i + 1] = (i % 2) ? seed : partner;
        }
    }
    for (int i = 0; i < slotCount; i++)
        seedOfSlot[i] = order[i];
    return 1;
}
