#include "model/entrant_draw.h"
#include "model/pick_rules.h"
#include "model/seeding.h"
#include "model/tree_settling.h"

int fieldHasClubs(const Entrant *field, int count)
{
    for (int i = 0; i < count; i++) {
        if (field[i].club[0])
            return 1;
    }
    return 0;
}

void seedUnseededField(Entrant *field, int count, int slotCount)
{
    for (int i = 0; i < count; i++) {
        if (field[i].seed)
            return;
    }
    int seeded = count;
    if (fieldHasClubs(field, count)) {
        seeded = slotCount / 4 < 2 ? 2 : slotCount / 4;
        if (seeded > count)
            seeded = count;
    }
    for (int i = 0; i < seeded; i++)
        field[i].seed = i + 1;
}

int buildBracketFromDraw(Bracket *bracket, const Entrant *field, const SeparatedDraw *draw, int keepSeeds)
{
    if (!buildBracket(bracket, draw->slotCount))
        return 0;
    int seedOfSlot[MAX_TEAM_COUNT];
    seedPlacement(bracket->slotCount, seedOfSlot);
    for (int s = 0; s < bracket->slotCount; s++) {
        BracketNode *slot = bracket->nodeTable[s];
        int entrant = draw->entrantOfSlot[s];
        slot->bye = entrant < 0;
        if (entrant >= 0)
            lstrcpynW(slot->name, field[entrant].name, NAME_CAPACITY);
        slot->seed = keepSeeds && entrant >= 0 && field[entrant].seed ? seedOfSlot[s] : 0;
    }
    advanceUncontestedPicks(bracket);
    return 1;
}

int firstRoundField(const Bracket *bracket, Entrant *field, int *entrantOfSlot)
{
    int count = 0;
    int base = bracket->depth > 0 ? bracket->slotCount : 0;
    for (int s = 0; s < base; s++) {
        const BracketNode *slot = bracket->nodeTable[s];
        entrantOfSlot[s] = -1;
        if (slot->bye || !slot->name[0])
            continue;
        int listed = findEntrant(&bracket->entrants, slot->name);
        Entrant entrant = {};
        if (listed >= 0)
            entrant = bracket->entrants.items[listed];
        /* The slot's own spelling: the list may differ in case or spaces. */
        lstrcpynW(entrant.name, slot->name, NAME_CAPACITY);
        field[count] = entrant;
        entrantOfSlot[s] = count++;
    }
    return count;
}

void applyFirstRoundDraw(Bracket *bracket, const Entrant *field, const SeparatedDraw *draw)
{
    for (int s = 0; s < draw->slotCount && s < bracket->slotCount; s++) {
        int entrant = draw->entrantOfSlot[s];
        if (entrant >= 0)
            lstrcpynW(bracket->nodeTable[s]->name, field[entrant].name, NAME_CAPACITY);
    }
    clearNonBasePicks(bracket);
}
