#include "ui/window/bye_slots.h"
#include <commctrl.h>

#include "model/group_stage.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/group_seat_text.h"

/* The group and place that fill the slot, or NULL for none. */
static const KnockoutSeat *filledSeat(const BracketNode *slot, const GroupKnockout *seats)
{
    if (!seats || slot->id < 1 || (int)slot->id > seats->slotCount || seats->seat[slot->id - 1].group < 0)
        return NULL;
    return &seats->seat[slot->id - 1];
}

int isHeldBaseSlot(const BracketNode *slot, const GroupKnockout *seats)
{
    return slot->bye || filledSeat(slot, seats);
}

void showByeSlots(Bracket *bracket, const GroupKnockout *seats)
{
    if (bracket->depth == 0)
        return;
    WCHAR word[64];
    loadStringWithFallback(bracket->resourceModule, IDS_BYE, word, 64);
    for (BracketNode *node = leftmostAtLevel(bracket, bracket->depth); node; node = nextInLevel(node)) {
        /* The groups decide who stands there, never the keyboard. */
        if (!isHeldBaseSlot(node, seats) || !node->control)
            continue;
        const KnockoutSeat *seat = filledSeat(node, seats);
        WCHAR seatText[64];
        if (seat)
            groupSeatText(bracket->resourceModule, seat->group, seat->place, seatText, 64);
        /* Disabled rather than only read-only: unlocking the base slots
         * sets every edit's read-only state, and neither a paste nor the
         * keyboard reaches a disabled edit. A held slot is made disabled;
         * one that became a bye later is disabled here. */
        if (IsWindowEnabled(node->control))
            EnableWindow(node->control, FALSE);
        SendMessageW(node->control, EM_SETCUEBANNER, FALSE, (LPARAM)(seat ? seatText : word));
    }
}
