#include "ui/window/bye_slots.h"
#include <commctrl.h>

#include "res/resource.h"
#include "ui/common/fallback_string.h"

void showByeSlots(Bracket *bracket)
{
    if (bracket->depth == 0)
        return;
    WCHAR word[64];
    loadStringWithFallback(bracket->resourceModule, IDS_BYE, word, 64);
    for (BracketNode *node = leftmostAtLevel(bracket, bracket->depth); node; node = nextInLevel(node)) {
        if (!node->bye || !node->control)
            continue;
        /* Disabled rather than only read-only: unlocking the base slots
         * sets every edit's read-only state, and neither a paste nor the
         * keyboard reaches a disabled edit. */
        EnableWindow(node->control, FALSE);
        SendMessageW(node->control, EM_SETCUEBANNER, FALSE, (LPARAM)word);
    }
}
