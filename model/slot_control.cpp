#include "model/slot_control.h"
#include "model/group_stage.h"

void bindSlotControl(HWND control, BracketNode *node)
{
    node->control = control;
    SetWindowLongPtrW(control, GWLP_USERDATA, (LONG_PTR)node);
}

BracketNode *slotOfControl(HWND control)
{
    return control ? (BracketNode *)GetWindowLongPtrW(control, GWLP_USERDATA) : NULL;
}

void destroySlotControl(HWND *control)
{
    if (*control && IsWindow(*control))
        DestroyWindow(*control);
    *control = NULL;
}

/* In the order the controls always went: the champion's, third place, the
 * losers' bracket, then the tree from the first round up, left to right
 * (the table's order below the root). */
void destroySlotControls(Bracket *bracket)
{
    destroySlotControl(&bracket->root.control);
    destroySlotControl(&bracket->thirdPlace.control);
    if (bracket->losers.matches) {
        for (int k = 0; k < bracket->slotCount; k++)
            destroySlotControl(&bracket->losers.matches[k].control);
    }
    for (int g = 0; g < bracket->groups.groupCount && bracket->groups.groups; g++) {
        for (int m = 0; m < MAX_GROUP_MATCHES; m++)
            destroySlotControl(&bracket->groups.groups[g].match[m].control);
    }
    if (!bracket->nodeTable)
        return;
    for (int id = 1; id < 2 * bracket->slotCount - 1; id++)
        destroySlotControl(&bracket->nodeTable[id - 1]->control);
}
