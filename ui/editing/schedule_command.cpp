#include "ui/editing/schedule_command.h"

#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/losers_marks.h"
#include "ui/common/match_marks.h"
#include "ui/dialogs/schedule_dialog.h"

/* Every round of the largest bracket, its third-place match, its losers'
 * rounds and grand final, and every match ready fit. */
static_assert(MAX_TEAM_COUNT <= 256 && SCHEDULE_ROUND_CAPACITY >= 8 + 1 + 14 + 1 + 1, "a round offered is left out");

static WCHAR *offerRound(ScheduleChoice *choice, int round)
{
    ScheduleRound *offered = &choice->rounds[choice->roundCount++];
    offered->round = round;
    return offered->name;
}

/* Every match ready first, then each round from the first, the third-place
 * match before the final while it is on; a round is named, as in the
 * picture, by its entrants' column. */
static void offerRounds(Bracket *bracket, ScheduleChoice *choice)
{
    HMODULE module = bracket->resourceModule;
    WCHAR *name = offerRound(choice, SCHEDULE_READY_MATCHES);
    loadStringWithFallback(module, IDS_SCHEDULE_READY, name, ROUND_NAME_CAPACITY);
    for (int level = bracket->depth - 1; level >= 0; level--) {
        if (level == 0 && bracket->thirdPlace.on) {
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
    scheduleMatches(bracket, &choice.request);
}
