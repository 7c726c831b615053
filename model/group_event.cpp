#include "model/group_event.h"

#include "model/group_draw.h"
#include "model/group_stage.h"
#include "model/heap.h"
#include "model/seeding.h"
#include "model/team_list.h"

int groupEventGroupCount(int entrants, const GroupEventFormat *format)
{
    int count = format->groupCount > 0 ? format->groupCount : groupCountForSize(entrants, format->groupSize);
    if (count < 1 || !groupsFit(entrants, count))
        return 0;
    GroupKnockout knockout;
    return placeGroupKnockout(count, format->advancing, &knockout) ? count : 0;
}

/* The list's names into a heap block of count names. */
static WCHAR (*listNames(const WCHAR *text, int count))[NAME_CAPACITY]
{
    WCHAR(*names)[NAME_CAPACITY] = (WCHAR(*)[NAME_CAPACITY])allocBlock((SIZE_T)count * sizeof(*names));
    const WCHAR *cursor = text;
    for (int k = 0; names && k < count; k++)
        if (!nextListName(&cursor, names[k]))
            names[k][0] = 0;
    return names;
}

int buildGroupEventFromList(Bracket *bracket, const WCHAR *text, const GroupEventFormat *format,
                            RandomBelow random, void *context)
{
    int entrants = countEntrants(text);
    int groupCount = groupEventGroupCount(entrants, format);
    GroupKnockout knockout;
    GroupDraw *draw = (GroupDraw *)allocBlock(sizeof(GroupDraw));
    if (!groupCount || !draw || !placeGroupKnockout(groupCount, format->advancing, &knockout) ||
        !drawGroups(entrants, groupCount, format->placement, random, context, draw)) {
        freeBlock(draw);
        return 0;
    }
    WCHAR(*names)[NAME_CAPACITY] = listNames(text, entrants);
    int built = names && buildBracket(bracket, knockout.slotCount) &&
                prepareGroupStage(bracket, groupCount, draw->size, format->rules, format->advancing);
    for (int g = 0; built && g < groupCount; g++) {
        StageGroup *group = stageGroup(bracket, g);
        for (int k = 0; k < group->count; k++) {
            int listed = draw->member[g][k];
            lstrcpyW(group->entrant[k], names[listed]);
            group->seed[k] = format->placement == PLACE_SEEDED ? listed + 1 : 0;
        }
    }
    for (int slot = 0; built && slot < knockout.slotCount; slot++)
        bracket->nodeTable[slot]->bye = knockout.seat[slot].group < 0;
    freeBlock(names);
    freeBlock(draw);
    if (!built) {
        resetBracket(bracket);
        return 0;
    }
    return 1;
}
