#include "model/team_draw.h"
#include "model/pick_rules.h"

int shuffleBaseSlots(Bracket *bracket, RandomBelow random, void *context)
{
    if (bracket->slotCount == 0 || bracket->slotCount > MAX_TEAM_COUNT)
        return 0;
    /* Byes stay where they stand: only the entrants' slots take part. With
     * no byes these are all the base slots (ids 1 .. N, entries 0 .. N-1 of
     * the node table). */
    BracketNode *slots[MAX_TEAM_COUNT];
    int count = 0;
    for (int i = 0; i < bracket->slotCount; i++) {
        if (!bracket->nodeTable[i]->bye)
            slots[count++] = bracket->nodeTable[i];
    }
    /* Every choice is drawn before any name moves, so a failing source
     * leaves the bracket as it was. */
    UINT choices[MAX_TEAM_COUNT];
    for (int i = count - 1; i > 0; i--) {
        if (!random((UINT)i + 1, &choices[i], context) || choices[i] > (UINT)i)
            return 0;
    }
    for (int i = count - 1; i > 0; i--) {
        WCHAR *a = slots[i]->name;
        WCHAR *b = slots[choices[i]]->name;
        WCHAR held[NAME_CAPACITY];
        lstrcpynW(held, a, NAME_CAPACITY);
        lstrcpynW(a, b, NAME_CAPACITY);
        lstrcpynW(b, held, NAME_CAPACITY);
    }
    clearNonBasePicks(bracket);
    return 1;
}
