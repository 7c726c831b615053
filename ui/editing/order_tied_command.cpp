#include "ui/editing/order_tied_command.h"

#include "model/group_results.h"
#include "model/group_stage.h"
#include "ui/dialogs/order_tied_dialog.h"
#include "ui/editing/edit_history.h"
#include "ui/groups/groups_page.h"

/* The entrant numbers of the group's level rows, best first, into level
 * (MAX_GROUP_SIZE room); 0 until every match is decided. */
static int levelEntrants(Bracket *bracket, int group, int *level)
{
    GroupStandings standings;
    if (!groupStandingsOf(bracket, group, &standings) || !standings.complete)
        return 0;
    int count = 0;
    for (int row = 0; row < standings.count; row++) {
        if (standings.rows[row].level || standings.rows[row].byLot)
            level[count++] = standings.rows[row].entrant;
    }
    return count;
}

/* The focused cell's group when it has level entrants, else the first
 * group still waiting for lots, else the first with any; -1 for none. */
static int groupToOrder(HWND window, Bracket *bracket)
{
    int level[MAX_GROUP_SIZE], group, match;
    if (groupMatchOfCell(bracket, GetFocus(), &group, &match) && IsChild(window, GetFocus()) &&
        levelEntrants(bracket, group, level))
        return group;
    int first = -1;
    for (group = 0; group < bracket->groups.groupCount; group++) {
        GroupStandings standings;
        if (!levelEntrants(bracket, group, level))
            continue;
        if (groupStandingsOf(bracket, group, &standings) && standings.awaitingLots)
            return group;
        if (first < 0)
            first = group;
    }
    return first;
}

int tiedEntrantsToOrder(HWND window, DocumentState *state)
{
    return state->bracket->groups.on && groupToOrder(window, state->bracket) >= 0;
}

void orderTiedEntrants(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    int group = groupToOrder(window, bracket);
    int level[MAX_GROUP_SIZE];
    TiedOrder tied = {};
    tied.count = group >= 0 ? levelEntrants(bracket, group, level) : 0;
    if (tied.count < 2)
        return;
    StageGroup *stage = stageGroup(bracket, group);
    tied.group[0] = groupLetter(group);
    for (int i = 0; i < tied.count; i++)
        lstrcpyW(tied.name[i], stage->entrant[level[i] - 1]);
    if (!runOrderTiedDialog(window, bracket->resourceModule, &tied) || !bracket->slotCount)
        return;
    int order[MAX_GROUP_SIZE];
    for (int i = 0; i < tied.count; i++)
        order[i] = level[tied.order[i]];
    setGroupTiedOrder(bracket, group, order, tied.count);
    showWholeKnockout(window, bracket);
}
