#include "ui/window/base_lock.h"

void setBaseSlotsReadOnly(Bracket *bracket, BOOL readOnly)
{
    if (!bracket->depth)
        return;
    for (BracketNode *node = leftmostAtLevel(bracket, bracket->depth); node; node = nextInLevel(node)) {
        if (node->control)
            SendMessageW(node->control, EM_SETREADONLY, readOnly, 0);
    }
}

int baseSlotsEditable(Bracket *bracket)
{
    if (!bracket->depth)
        return 0;
    HWND first = leftmostAtLevel(bracket, bracket->depth)->control;
    return first && !(GetWindowLongPtrW(first, GWL_STYLE) & ES_READONLY);
}

int baseSlotsLocked(Bracket *bracket)
{
    HWND first = leftmostAtLevel(bracket, bracket->depth)->control;
    return first && (GetWindowLongPtrW(first, GWL_STYLE) & ES_READONLY);
}
