#include "model/group_results.h"
#include "model/change_cascade.h"

int setGroupMatchResult(Bracket *bracket, int group, int match, int winner, const WCHAR *result, int outcome)
{
    noteMatchPairings(bracket);
    int changed;
    if (!recordGroupMatchResult(stageGroup(bracket, group), bracket->groups.rules, match, winner, result, outcome,
                                &changed))
        return 0;
    bracket->dirty |= changed;
    carryChangeOn(bracket, CHANGED_IN_GROUPS);
    return 1;
}

int setGroupTiedOrder(Bracket *bracket, int group, const int *order, int count)
{
    noteMatchPairings(bracket);
    int changed;
    if (!recordGroupTiedOrder(stageGroup(bracket, group), order, count, &changed))
        return 0;
    bracket->dirty |= changed;
    carryChangeOn(bracket, CHANGED_IN_GROUPS);
    return 1;
}
