#include "ui/editing/schedule_command.h"

#include "model/group_draw.h"
#include "model/group_schedule.h"
#include "model/group_stage.h"
#include "model/round_robin.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/group_round_name.h"
#include "ui/common/losers_marks.h"
#include "ui/common/match_marks.h"
#include "ui/dialogs/schedule_dialog.h"

/* Every round of the largest bracket, its third-place match, its losers'
 * rounds and grand final, and every match ready fit. */
static_assert(MAX_TEAM_COUNT <= 256 && SCHEDULE_ROUND_CAPACITY >= 8 + 1 + 14 + 1 + 1 + MAX_GROUP_ROUNDS * (MAX_GROUP_COUNT + 1), "a round offered is left out");

static WCHAR *offerRound(ScheduleChoice *choice, int round)
{
    ScheduleRound *offered = &choice->rounds[choice->roundCount++];
    offered->round = round;
    return offered->name;
}

/* Round by round, all groups together (when there are several), then
 * each group that plays that round. */
static void offerGroupRounds(Bracket *bracket, ScheduleChoice *choice)
{
    int groupCount = bracket->groups.on ? bracket->groups.groupCount : 0;
    for (int round = 1; round <= MAX_GROUP_ROUNDS; round++) {
        for (int group = groupCount > 1 ? -1 : 0; group < groupCount; group++) {
            int plays = 0;
            for (int g = group < 0 ? 0 : group; g < (group < 0 ? groupCount : group + 1); g++)
                plays |= round <= roundRobinRounds(stageGroup(bracket, g)->count);
            if (plays)
                groupRoundName(bracket, group, round, offerRound(choice, scheduleGroupRound(group, round)),
                               ROUND_NAME_CAPACITY);
        }
    }
}

/* Every match ready first, then the groups' rounds, then each round from the first, the third-place
 * match before the final while it is on; a round is named, as in the
 * picture, by its entrants' column. */
static void offerRounds(Bracket *bracket, ScheduleChoice *choice)
{
    HMODULE module = bracket->resourceModule;
    WCHAR *name = offerRound(choice, SCHEDULE_READY_MATCHES);
    loadStringWithFallback(module, IDS_SCHEDULE_READY, name, ROUND_NAME_CAPACITY);
    offerGroupRounds(bracket, choice);
    for (int level = bracket->depth - 1; level >= 0; level--) {
        if (level == 0 && bracket->thirdPlaceOn) {
            name = offerRound(choice, SCHEDULE_THIRD_PLACE);
            loadStringWithFallback(module, IDS_PICTURE_THIRD_PLACE, name, ROUND_NAME_CAPACITY);
        }
        roundHeading(bracket, level + 1, offerRound(choice, level), ROUND_NAME_CAPACITY);
    }
    if (!bracket->losers.on)
        return;
    /* The losers' rounds after the winners', then the grand final (with
     * its reset, once that is to be played), each named by its heading. */
    int first = 1;
    for (int round = 1; round <= losersRoundCount(bracket); round++) {
        name = offerRound(choice, scheduleLosersRound(round));
        losersMatchHeading(bracket, first, name, ROUND_NAME_CAPACITY);
        first += losersRoundSize(bracket, round);
    }
    name = offerRound(choice, scheduleLosersRound(losersRoundCount(bracket) + 1));
    losersMatchHeading(bracket, bracket->slotCount - 1, name, ROUND_NAME_CAPACITY);
}

void scheduleMatchesCommand(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    ScheduleChoice choice = {};
    choice.module = bracket->resourceModule;
    offerRounds(bracket, &choice);
    if (!runScheduleDialog(window, &choice) || !bracket->slotCount)
        return;
    scheduleEventMatches(bracket, &choice.request);
}
