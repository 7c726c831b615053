#include "ui/window/bye_slots.h"
#include <commctrl.h>

#include "model/group_stage.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/group_seat_text.h"

void showByeSlots(Bracket *bracket)
{
    if (bracket->depth == 0)
        return;
    WCHAR word[64];
    loadStringWithFallback(bracket->resourceModule, IDS_BYE, word, 64);
    int slot = 0;
    for (BracketNode *node = leftmostAtLevel(bracket, bracket->depth); node; node = nextInLevel(node), slot++) {
        KnockoutSeat seat;
        WCHAR seatText[64];
        /* The groups decide who stands there, never the keyboard. */
        int filled = knockoutSeatOf(bracket, slot, &seat) && seat.group >= 0;
        if (filled)
            groupSeatText(bracket->resourceModule, seat.group, seat.place, seatText, 64);
        if ((!node->bye && !filled) || !node->control)
            continue;
        /* Disabled rather than only read-only: unlocking the base slots
         * sets every edit's read-only state, and neither a paste nor the
         * keyboard reaches a disabled edit. */
        EnableWindow(node->control, FALSE);
        SendMessageW(node->control, EM_SETCUEBANNER, FALSE, (LPARAM)(filled ? seatText : word));
    }
}
