#include "model/group_draw.h"

int groupsFit(int entrants, int groupCount)
{
    return groupCount >= 1 && groupCount <= MAX_GROUP_COUNT && entrants >= groupCount * MIN_GROUP_SIZE &&
           entrants <= groupCount * MAX_GROUP_SIZE;
}

int groupCountForSize(int entrants, int size)
{
    if (size < MIN_GROUP_SIZE || size > MAX_GROUP_SIZE || entrants < 1)
        return 0;
    /* Groups no larger than asked first: a group's matches are what an
     * organiser plans the day around. */
    int atMost = (entrants + size - 1) / size;
    if (groupsFit(entrants, atMost))
        return atMost;
    int atLeast = entrants / size;
    return groupsFit(entrants, atLeast) ? atLeast : 0;
}

/* One random order of 0 .. count - 1 (Fisher-Yates), every choice drawn
 * before it is used. Returns 0 when the source failed. */
static int randomOrder(int count, RandomBelow random, void *context, int *order)
{
    for (int i = 0; i < count; i++)
        order[i] = i;
    for (int i = count - 1; i > 0; i--) {
        UINT pick;
        if (!random((UINT)i + 1, &pick, context) || pick > (UINT)i)
            return 0;
        int held = order[i];
        order[i] = order[pick];
        order[pick] = held;
    }
    return 1;
}

int drawGroups(int entrants, int groupCount, int placement, RandomBelow random, void *context,
               GroupDraw *draw)
{
    if (!groupsFit(entrants, groupCount))
        return 0;
    GroupDraw made = {};
    made.groupCount = groupCount;
    if (placement == PLACE_AS_LISTED) {
        /* The first entrants % G groups take one more. */
        int entrant = 0;
        for (int g = 0; g < groupCount; g++) {
            int size = entrants / groupCount + (g < entrants % groupCount);
            for (int i = 0; i < size; i++)
                made.member[g][made.size[g]++] = entrant++;
        }
        *draw = made;
        return 1;
    }
    for (int pot = 0; pot * groupCount < entrants; pot++) {
        int order[MAX_GROUP_COUNT];
        if (placement == PLACE_RANDOM) {
            if (!randomOrder(groupCount, random, context, order))
                return 0;
        } else {
            for (int g = 0; g < groupCount; g++)
                order[g] = pot % 2 ? groupCount - 1 - g : g;
        }
        for (int i = 0; i < groupCount && pot * groupCount + i < entrants; i++) {
            int g = order[i];
            made.member[g][made.size[g]++] = pot * groupCount + i;
        }
    }
    *draw = made;
    return 1;
}
