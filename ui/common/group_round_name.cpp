#include "ui/common/group_round_name.h"

#include "model/group_stage.h"
#include "model/round_robin.h"
#include "res/resource.h"
#include "ui/common/message_text.h"

void groupRoundName(Bracket *bracket, int group, int round, WCHAR *name, int capacity)
{
    WCHAR letter[2] = {group >= 0 ? groupLetter(group) : L'\0', 0};
    WCHAR number[8];
    wsprintfW(number, L"%d", round);
    if (group < 0) {
        const WCHAR *inserts[] = {number};
        loadMessageText(bracket->resourceModule, IDS_SCHEDULE_ALL_GROUPS, inserts, 1, name, capacity);
    } else {
        const WCHAR *inserts[] = {letter, number};
        loadMessageText(bracket->resourceModule, IDS_SCHEDULE_GROUP_ROUND, inserts, 2, name, capacity);
    }
}

int groupMatchRoundName(Bracket *bracket, const BracketNode *node, WCHAR *name, int capacity)
{
    int group, match, home, away;
    PairingPlace place;
    if (!findGroupMatch(&bracket->groups, node, &group, &match))
        return 0;
    StageGroup *stage = stageGroup(bracket, group);
    if (!groupMatchEntrants(stage, match, &home, &away) || !findPairing(stage->count, home, away, &place))
        return 0;
    groupRoundName(bracket, group, place.round, name, capacity);
    return 1;
}
