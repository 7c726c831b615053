#include "model/group_results.h"
#include "model/change_cascade.h"
#include "model/entrant_name.h"

/* Cut to the field's room, never on half a surrogate pair. */
static void copyResult(WCHAR *target, const WCHAR *text)
{
    int length = 0;
    while (text[length] && length < RESULT_CAPACITY - 1)
        length++;
    if (text[length] && length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF)
        length--;
    for (int k = 0; k < length; k++)
        target[k] = text[k];
    target[length] = 0;
}

/* The match's new values, or 0 when they do not go together. */
static int groupMatchValues(Bracket *bracket, StageGroup *group, int match, int winner, const WCHAR *result,
                            int outcome, const WCHAR **name, int *drawn)
{
    const WCHAR *home, *away;
    groupMatchNames(group, match, &home, &away);
    *drawn = 0;
    *name = L"";
    if (outcome < 0 || outcome >= OUTCOME_COUNT)
        return 0;
    switch (winner) {
    case GROUP_HOME_WON:
    case GROUP_AWAY_WON:
        *name = winner == GROUP_HOME_WON ? home : away;
        return outcome != OUTCOME_DOUBLE_WALKOVER;
    case GROUP_DRAWN:
        *drawn = 1;
        return outcome == OUTCOME_PLAYED && groupRulesAllowDraws(bracket->groups.rules);
    case GROUP_UNDECIDED:
        return outcome == OUTCOME_PLAYED || outcome == OUTCOME_DOUBLE_WALKOVER;
    }
    (void)result;
    return 0;
}

int setGroupMatchResult(Bracket *bracket, int group, int match, int winner, const WCHAR *result, int outcome)
{
    StageGroup *found = stageGroup(bracket, group);
    const WCHAR *name;
    int drawn;
    if (!found || match < 0 || match >= found->matchCount ||
        !groupMatchValues(bracket, found, match, winner, result, outcome, &name, &drawn))
        return 0;
    noteMatchPairings(bracket);
    BracketNode *node = &found->match[match];
    WCHAR taken[RESULT_CAPACITY];
    copyResult(taken, winner == GROUP_UNDECIDED ? L"" : result);
    if (!sameName(node->name, name) || !sameName(node->result, taken) || node->details.outcome != outcome ||
        found->drawn[match] != drawn) {
        lstrcpynW(node->name, name, NAME_CAPACITY);
        lstrcpyW(node->result, taken);
        node->details.outcome = outcome;
        found->drawn[match] = drawn;
        bracket->dirty = 1;
    }
    carryChangeOn(bracket, CHANGED_IN_GROUPS);
    return 1;
}

int setGroupTiedOrder(Bracket *bracket, int group, const int *order, int count)
{
    StageGroup *found = stageGroup(bracket, group);
    if (!found || count < 0 || count > found->count)
        return 0;
    WCHAR tied[MAX_GROUP_SIZE + 1];
    for (int k = 0; k < count; k++) {
        if (order[k] < 1 || order[k] > found->count)
            return 0;
        for (int j = 0; j < k; j++)
            if (order[j] == order[k])
                return 0;
        tied[k] = (WCHAR)(L'0' + order[k]);
    }
    tied[count] = 0;
    noteMatchPairings(bracket);
    if (!sameName(tied, found->tied)) {
        lstrcpyW(found->tied, tied);
        bracket->dirty = 1;
    }
    carryChangeOn(bracket, CHANGED_IN_GROUPS);
    return 1;
}
