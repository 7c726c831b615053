#include "model/group_event.h"

#include "model/club_separation.h"
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

/* The event for a field of names already drawn into groups. */
static int buildDrawnEvent(Bracket *bracket, const WCHAR (*names)[NAME_CAPACITY], const GroupDraw *draw,
                           const GroupEventFormat *format, const GroupKnockout *knockout)
{
    int groupCount = draw->groupCount;
    int built = names && buildBracket(bracket, knockout->slotCount) &&
                prepareGroupStage(bracket, groupCount, draw->size, format->rules, format->advancing);
    for (int g = 0; built && g < groupCount; g++) {
        StageGroup *group = stageGroup(bracket, g);
        for (int k = 0; k < group->count; k++) {
            int listed = draw->member[g][k];
            lstrcpyW(group->entrant[k], names[listed]);
            group->seed[k] = format->placement == PLACE_SEEDED ? listed + 1 : 0;
        }
    }
    for (int slot = 0; built && slot < knockout->slotCount; slot++)
        bracket->nodeTable[slot]->bye = knockout->seat[slot].group < 0;
    if (!built)
        resetBracket(bracket);
    return built;
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
    int built = buildDrawnEvent(bracket, names, draw, format, &knockout);
    freeBlock(names);
    freeBlock(draw);
    return built;
}

int buildGroupEventFromField(Bracket *bracket, const Entrant *field, int count, const GroupEventFormat *format,
                             RandomBelow random, void *context)
{
    int groupCount = groupEventGroupCount(count, format);
    GroupKnockout knockout;
    GroupDraw *draw = (GroupDraw *)allocBlock(sizeof(GroupDraw));
    WCHAR(*names)[NAME_CAPACITY] = (WCHAR(*)[NAME_CAPACITY])allocBlock(sizeof(*names) * (SIZE_T)(count > 0 ? count : 1));
    int clashes = 0;
    int drawn = groupCount && draw && names && placeGroupKnockout(groupCount, format->advancing, &knockout);
    if (drawn && format->placement == PLACE_SEEDED)
        drawn = drawGroupsApart(field, count, groupCount, draw, &clashes);
    else if (drawn && format->placement == PLACE_RANDOM)
        drawn = drawRandomGroupsApart(field, count, groupCount, random, context, draw, &clashes);
    else if (drawn)
        drawn = drawGroups(count, groupCount, format->placement, random, context, draw);
    for (int i = 0; drawn && i < count; i++)
        lstrcpynW(names[i], field[i].name, NAME_CAPACITY);
    int built = drawn && buildDrawnEvent(bracket, names, draw, format, &knockout);
    freeBlock(names);
    freeBlock(draw);
    return built;
}
