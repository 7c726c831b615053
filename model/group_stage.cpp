#include "model/group_stage.h"

#include "model/entrant_name.h"
#include "model/heap.h"
#include "model/match_record.h"

WCHAR groupLetter(int group)
{
    return (WCHAR)(L'A' + group);
}

StageGroup *stageGroup(Bracket *bracket, int group)
{
    GroupStage *stage = &bracket->groups;
    return stage->groups && group >= 0 && group < stage->groupCount ? &stage->groups[group] : NULL;
}


/* Group match ids follow the losers' bracket's, whether or not its nodes
 * were made, so they never move while the tree lives. */
static UINT firstGroupMatchId(Bracket *bracket)
{
    return (UINT)(3 * bracket->slotCount - 1) + 1;
}

int prepareGroupStage(Bracket *bracket, int groupCount, const int *sizes, int rules, int advancing)
{
    GroupStage *stage = &bracket->groups;
    if (stage->groups || bracket->slotCount == 0 || groupCount < 1 || groupCount > MAX_GROUP_COUNT || rules < 0 ||
        rules >= RULES_COUNT || advancing < 1 || advancing > MAX_GROUP_ADVANCING)
        return 0;
    for (int g = 0; g < groupCount; g++)
        if (sizes[g] < MIN_GROUP_SIZE || sizes[g] > MAX_GROUP_SIZE || sizes[g] < advancing)
            return 0;
    StageGroup *groups = (StageGroup *)allocBlock((SIZE_T)groupCount * sizeof(StageGroup));
    if (!groups)
        return 0;
    UINT id = firstGroupMatchId(bracket);
    for (int g = 0; g < groupCount; g++) {
        StageGroup *group = &groups[g];
        group->count = sizes[g];
        group->matchCount = sizes[g] * (sizes[g] - 1) / 2;
        for (int k = 0; k < MAX_GROUP_SIZE; k++) {
            group->entrant[k][0] = 0;
            group->seed[k] = 0;
        }
        for (int m = 0; m < MAX_GROUP_MATCHES; m++) {
            emptyMatch(&group->match[m], NULL, m < group->matchCount ? id++ : 0);
            group->drawn[m] = 0;
        }
        group->tied[0] = 0;
    }
    stage->on = 1;
    stage->rules = rules;
    stage->advancing = advancing;
    stage->groupCount = groupCount;
    stage->groups = groups;
    return 1;
}

void freeGroupStage(GroupStage *stage)
{
    freeBlock(stage->groups);
    stage->on = 0;
    stage->groupCount = 0;
    stage->groups = NULL;
}

int groupMatchEntrants(const StageGroup *group, int match, int *home, int *away)
{
    Pairing pairings[MAX_GROUP_MATCHES];
    int count = roundRobinMatches(group->count, pairings);
    if (match < 0 || match >= count)
        return 0;
    *home = pairings[match].home;
    *away = pairings[match].away;
    return 1;
}

void groupMatchNames(const StageGroup *group, int match, const WCHAR **home, const WCHAR **away)
{
    int first, second;
    if (!groupMatchEntrants(group, match, &first, &second)) {
        *home = L"";
        *away = L"";
        return;
    }
    *home = group->entrant[first - 1];
    *away = group->entrant[second - 1];
}

int groupMatchWinner(const StageGroup *group, int match)
{
    if (match < 0 || match >= group->matchCount)
        return GROUP_UNDECIDED;
    if (group->drawn[match])
        return GROUP_DRAWN;
    const BracketNode *node = &group->match[match];
    if (!node->name[0])
        return GROUP_UNDECIDED;
    const WCHAR *home, *away;
    groupMatchNames(group, match, &home, &away);
    if (sameName(node->name, home))
        return GROUP_HOME_WON;
    return sameName(node->name, away) ? GROUP_AWAY_WON : GROUP_UNDECIDED;
}

int groupWinnerOfName(const StageGroup *group, int match, const WCHAR *name)
{
    const WCHAR *home, *away;
    groupMatchNames(group, match, &home, &away);
    if (!name[0])
        return GROUP_UNDECIDED;
    if (home[0] && sameName(name, home))
        return GROUP_HOME_WON;
    return away[0] && sameName(name, away) ? GROUP_AWAY_WON : -1;
}

int isGroupMatchDecided(const StageGroup *group, int match)
{
    return groupMatchWinner(group, match) != GROUP_UNDECIDED ||
           (match >= 0 && match < group->matchCount &&
            group->match[match].details.outcome == OUTCOME_DOUBLE_WALKOVER);
}

int findGroupMatch(const GroupStage *stage, const BracketNode *node, int *group, int *match)
{
    for (int g = 0; node && stage->groups && g < stage->groupCount; g++) {
        const BracketNode *first = stage->groups[g].match;
        if (node >= first && node < first + stage->groups[g].matchCount) {
            *group = g;
            *match = (int)(node - first);
            return 1;
        }
    }
    return 0;
}

UINT groupMatchId(Bracket *bracket, int group, int match)
{
    StageGroup *found = stageGroup(bracket, group);
    return found && match >= 0 && match < found->matchCount ? found->match[match].id : 0;
}

BracketNode *groupMatchOfId(Bracket *bracket, UINT id)
{
    GroupStage *stage = &bracket->groups;
    UINT first = firstGroupMatchId(bracket);
    if (!stage->groups || id < first)
        return NULL;
    UINT index = id - first;
    for (int g = 0; g < stage->groupCount; g++) {
        if (index < (UINT)stage->groups[g].matchCount)
            return &stage->groups[g].match[index];
        index -= (UINT)stage->groups[g].matchCount;
    }
    return NULL;
}

int groupMatchTotal(const GroupStage *stage)
{
    int total = 0;
    for (int g = 0; g < stage->groupCount && stage->groups; g++)
        total += stage->groups[g].matchCount;
    return total;
}

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
static int groupMatchValues(StageGroup *group, int rules, int match, int winner, const WCHAR *result, int outcome,
                            const WCHAR **name, int *drawn)
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
        return outcome == OUTCOME_PLAYED && groupRulesAllowDraws(rules);
    case GROUP_UNDECIDED:
        return outcome == OUTCOME_PLAYED || outcome == OUTCOME_DOUBLE_WALKOVER;
    }
    (void)result;
    return 0;
}

int recordGroupMatchResult(StageGroup *found, int rules, int match, int winner, const WCHAR *result, int outcome,
                           int *changed)
{
    const WCHAR *name;
    int drawn;
    int unused;
    if (!changed)
        changed = &unused;
    *changed = 0;
    if (!found || match < 0 || match >= found->matchCount ||
        !groupMatchValues(found, rules, match, winner, result, outcome, &name, &drawn))
        return 0;
    BracketNode *node = &found->match[match];
    WCHAR taken[RESULT_CAPACITY];
    copyResult(taken, winner == GROUP_UNDECIDED ? L"" : result);
    if (!sameName(node->name, name) || !sameName(node->result, taken) || node->details.outcome != outcome ||
        found->drawn[match] != drawn) {
        lstrcpynW(node->name, name, NAME_CAPACITY);
        lstrcpyW(node->result, taken);
        node->details.outcome = outcome;
        found->drawn[match] = drawn;
        *changed = 1;
    }
    return 1;
}

int recordGroupTiedOrder(StageGroup *found, const int *order, int count, int *changed)
{
    int unused;
    if (!changed)
        changed = &unused;
    *changed = 0;
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
    if (!sameName(tied, found->tied)) {
        lstrcpyW(found->tied, tied);
        *changed = 1;
    }
    return 1;
}

void groupMatchRecord(const StageGroup *group, int match, GroupMatch *record)
{
    record->home = 0;
    record->away = 0;
    groupMatchEntrants(group, match, &record->home, &record->away);
    record->winner = groupMatchWinner(group, match);
    record->outcome = group->match[match].details.outcome;
    lstrcpyW(record->result, group->match[match].result);
}

int groupTiedOrder(const StageGroup *group, int *order)
{
    int count = 0;
    while (count < MAX_GROUP_SIZE && group->tied[count]) {
        order[count] = group->tied[count] - L'0';
        count++;
    }
    return count;
}

int groupStandingsOf(Bracket *bracket, int group, GroupStandings *standings)
{
    StageGroup *found = stageGroup(bracket, group);
    if (!found)
        return 0;
    GroupMatch matches[MAX_GROUP_MATCHES];
    for (int m = 0; m < found->matchCount; m++)
        groupMatchRecord(found, m, &matches[m]);
    int tied[MAX_GROUP_SIZE];
    int tiedCount = groupTiedOrder(found, tied);
    return computeStandings(found->count, matches, found->matchCount, bracket->groups.rules, tied, tiedCount,
                            standings);
}

int isGroupDecided(Bracket *bracket, int group)
{
    GroupStandings standings;
    return groupStandingsOf(bracket, group, &standings) && standings.complete && !standings.awaitingLots;
}

int groupKnockoutOf(Bracket *bracket, GroupKnockout *knockout)
{
    const GroupStage *stage = &bracket->groups;
    return stage->on && placeGroupKnockout(stage->groupCount, stage->advancing, knockout) &&
           knockout->slotCount == bracket->slotCount;
}

/* Who stands in a place of a group already known decided. */
static const WCHAR *placeOfStandings(const StageGroup *group, const GroupStandings *standings, int place)
{
    if (place < 1 || place > standings->count)
        return L"";
    return group->entrant[standings->rows[place - 1].entrant - 1];
}

const WCHAR *groupPlaceName(Bracket *bracket, int group, int place)
{
    GroupStandings standings;
    if (!groupStandingsOf(bracket, group, &standings) || !standings.complete || standings.awaitingLots)
        return L"";
    return placeOfStandings(stageGroup(bracket, group), &standings, place);
}
