#include "model/seeding.h"
#include "model/team_list.h"
#include "model/tree_settling.h"

int countEntrants(const WCHAR *text)
{
    WCHAR name[NAME_CAPACITY];
    int count = 0;
    while (nextListName(&text, name))
        count++;
    return count;
}

/* The list's names, first to last, into the base slots that are no bye:
 * in seed order, or in slot order. */
static void placeNames(Bracket *bracket, const WCHAR *text, const int *seedOfSlot, int bySeed)
{
    WCHAR name[NAME_CAPACITY];
    if (!bySeed) {
        for (int i = 0; i < bracket->slotCount; i++) {
            if (bracket->nodeTable[i]->bye)
                continue;
            if (!nextListName(&text, name))
                return;
            lstrcpynW(bracket->nodeTable[i]->name, name, NAME_CAPACITY);
        }
        return;
    }
    int slotOfSeed[MAX_TEAM_COUNT + 1];
    for (int i = 0; i < bracket->slotCount; i++)
        slotOfSeed[seedOfSlot[i]] = i;
    for (int seed = 1; seed <= bracket->slotCount && nextListName(&text, name); seed++)
        lstrcpynW(bracket->nodeTable[slotOfSeed[seed]]->name, name, NAME_CAPACITY);
}

int buildBracketFromList(Bracket *bracket, const WCHAR *text, int placement, RandomBelow random,
                         void *context)
{
    int entrants = countEntrants(text);
    if (entrants < MIN_ENTRANT_COUNT || entrants > MAX_TEAM_COUNT || !buildBracket(bracket, entrants))
        return 0;
    int seedOfSlot[MAX_TEAM_COUNT];
    seedPlacement(bracket->slotCount, seedOfSlot);
    for (int i = 0; i < bracket->slotCount; i++) {
        BracketNode *slot = bracket->nodeTable[i];
        slot->bye = seedOfSlot[i] > entrants;
        slot->seed = placement == PLACE_SEEDED && !slot->bye ? seedOfSlot[i] : 0;
    }
    placeNames(bracket, text, seedOfSlot, placement == PLACE_SEEDED);
    if (placement == PLACE_RANDOM && !shuffleBaseSlots(bracket, random, context)) {
        resetBracket(bracket);
        return 0;
    }
    advanceUncontestedPicks(bracket);
    return 1;
}

void settleSeedsAndByes(Bracket *bracket)
{
    int nodes = 2 * bracket->slotCount - 1;
    int base = bracket->depth > 0 ? bracket->slotCount : 0;
    int seedTaken[MAX_TEAM_COUNT + 1] = {};
    for (int i = 0; i < nodes; i++) {
        BracketNode *node = bracket->nodeTable[i];
        if (i >= base) {
            node->seed = 0;
            node->bye = 0;
            continue;
        }
        if (node->name[0])
            node->bye = 0;
        if (node->bye || node->seed < 1 || node->seed > MAX_TEAM_COUNT || seedTaken[node->seed])
            node->seed = 0;
        else
            seedTaken[node->seed] = 1;
    }
    /* Both byes of an empty match go: neither side has an entrant to send on. */
    for (int i = 0; i + 1 < base; i += 2) {
        BracketNode *left = bracket->nodeTable[i], *right = bracket->nodeTable[i + 1];
        if (left->bye && right->bye)
            left->bye = right->bye = 0;
    }
    fillUncontestedPicks(bracket);
}
