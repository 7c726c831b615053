#include "model/group_results.h"
#include "model/change_cascade.h"

int setGroupMatchResult(Bracket *bracket, int group, int match, int winner, const WCHAR *result, int outcome)
{
    noteMatchPairings(bracket);
    if (!recordGroupMatchResult(bracket, group, match, winner, result, outcome))
        return 0;
    carryChangeOn(bracket, CHANGED_IN_GROUPS);
    return 1;
}

int setGroupTiedOrder(Bracket *bracket, int group, const int *order, int count)
{
    noteMatchPairings(bracket);
    if (!recordGroupTiedOrder(bracket, group, order, count))
        return 0;
    carryChangeOn(bracket, CHANGED_IN_GROUPS);
    return 1;
}
