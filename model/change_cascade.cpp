#include "model/change_cascade.h"
#include "model/entrant_name.h"
#include "model/group_stage.h"
#include "model/losers_bracket.h"
#include "model/third_place.h"
#include "model/tree_settling.h"

void noteMatchPairings(Bracket *bracket)
{
    noteThirdPlacePairing(bracket);
    noteLosersPairings(bracket);
}

/* The knockout's first round as the groups stand: each seat holds the
 * entrant in its group's place once the group is decided, and nobody until
 * then. Returns 1 when a seat changed hands. */
static int seatGroupPlaces(Bracket *bracket)
{
    GroupKnockout knockout;
    if (!groupKnockoutOf(bracket, &knockout))
        return 0;
    int changed = 0;
    for (int slot = 0; slot < knockout.slotCount; slot++) {
        KnockoutSeat seat = knockout.seat[slot];
        if (seat.group < 0)
            continue;
        const WCHAR *name = groupPlaceName(bracket, seat.group, seat.place);
        BracketNode *node = bracket->nodeTable[slot];
        if (!sameName(node->name, name)) {
            takeName(bracket, node, name);
            changed = 1;
        }
    }
    return changed;
}

void carryChangeOn(Bracket *bracket, int where)
{
    if (bracket->slotCount == 0)
        return;
    if (where == CHANGED_IN_GROUPS) {
        if (!seatGroupPlaces(bracket))
            return;
        bracket->dirty = 1;
    }
    advanceUncontestedPicks(bracket);
    settleLosersBracket(bracket, SETTLE_REOPEN);
    settleThirdPlace(bracket);
}
