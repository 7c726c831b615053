#include "model/match_schedule.h"

#include "model/group_stage.h"
#include "model/losers_bracket.h"
#include "model/match_kind.h"
#include "model/match_outcome.h"
#include "model/third_place.h"

/* One rule per kind: the tree's feeders, the losers' drops, the
 * semi-finals' losers. */
void matchEntrants(Bracket *bracket, BracketNode *node, const WCHAR **first, const WCHAR **second)
{
    switch (matchKindOf(bracket, node)) {
    case MATCH_LOSERS:
    case MATCH_GRAND_FINAL:
    case MATCH_RESET:
        losersEntrants(bracket, node, first, second);
        return;
    case MATCH_THIRD_PLACE:
        *first = semiFinalLoser(bracket, 0);
        *second = semiFinalLoser(bracket, 1);
        *first = *first ? *first : L"";
        *second = *second ? *second : L"";
        return;
    case MATCH_GROUP: {
        int group, match;
        findGroupMatch(&bracket->groups, node, &group, &match);
        groupMatchNames(stageGroup(bracket, group), match, first, second);
        return;
    }
    case MATCH_WINNERS:
    case MATCH_NONE:
        break;
    }
    *first = node->left ? node->left->name : L"";
    *second = node->right ? node->right->name : L"";
}

/* Whether the match is held at all: the format it belongs to is on. */
static int isMatchHeld(Bracket *bracket, BracketNode *node)
{
    switch (matchKindOf(bracket, node)) {
    case MATCH_NONE:
        return 0;
    case MATCH_WINNERS:
        return 1;
    case MATCH_THIRD_PLACE:
        return bracket->thirdPlaceOn;
    case MATCH_GROUP:
        return bracket->groups.on;
    case MATCH_LOSERS:
    case MATCH_GRAND_FINAL:
    case MATCH_RESET:
        break;
    }
    return bracket->losers.on;
}

/* Most matches of a running event are decided: that is asked first, since
 * a losers' match's entrants are worked out through its feeders. */
int isMatchReady(Bracket *bracket, BracketNode *node)
{
    if (!isMatchHeld(bracket, node) || isMatchDecided(bracket, node))
        return 0;
    const WCHAR *first, *second;
    matchEntrants(bracket, node, &first, &second);
    return first[0] && second[0];
}

static int isBlank(WCHAR c)
{
    return c == L' ' || c == L'\t' || c == 0x3000;
}

int nextCourtName(const WCHAR **list, WCHAR *court, int *length)
{
    const WCHAR *at = *list;
    for (;;) {
        while (*at == L',' || isBlank(*at))
            at++;
        if (!*at)
            return 0;
        const WCHAR *end = at;
        while (*end && *end != L',')
            end++;
        *list = end;
        int full = (int)(end - at);
        while (full > 0 && isBlank(at[full - 1]))
            full--;
        *length = full;
        int kept = full < COURT_CAPACITY - 1 ? full : COURT_CAPACITY - 1;
        if (kept < full && kept > 0 && at[kept - 1] >= 0xD800 && at[kept - 1] <= 0xDBFF)
            kept--;
        lstrcpynW(court, at, kept + 1);
        return 1;
    }
}

int scheduleLosersRound(int round)
{
    return SCHEDULE_LOSERS_ROUND - (round - 1);
}

int losersRoundScheduled(int requestRound)
{
    return requestRound <= SCHEDULE_LOSERS_ROUND ? SCHEDULE_LOSERS_ROUND - requestRound + 1 : 0;
}

/* Where the request's matches are in bracket order, one at a time. */
struct ScheduleWalk {
    Bracket *bracket;
    const ScheduleRequest *request;
    int level;            /* the level being walked, or -1 once done */
    BracketNode *next;    /* the next pick on it */
    int thirdPlaceDone;
    int losersNext;       /* the losers' match after the winners' bracket, from 1 */
};

static int wanted(ScheduleWalk *walk, BracketNode *node)
{
    const ScheduleRequest *request = walk->request;
    if (request->round == SCHEDULE_READY_MATCHES)
        return isMatchReady(walk->bracket, node);
    MatchKind kind = matchKindOf(walk->bracket, node);
    if (kind == MATCH_THIRD_PLACE ? !walk->bracket->thirdPlaceOn : kind == MATCH_NONE)
        return 0;
    return !isMatchDecided(walk->bracket, node);
}

/* Whether losers' match k is an open match of the round asked for: a
 * match nobody can come to is no match to play, and the reset only once
 * it is to be played. */
static int wantedInLosersRound(Bracket *bracket, int k, int round)
{
    BracketNode *match = losersMatch(bracket, k);
    if (k >= bracket->slotCount - 1) {
        if (round != losersRoundCount(bracket) + 1 || (k == bracket->slotCount && !isResetInPlay(bracket)))
            return 0;
    } else {
        int matchRound, position;
        losersRoundOf(bracket, k, &matchRound, &position);
        if (matchRound != round)
            return 0;
    }
    LosersFeeder feeders[2];
    losersFeeders(bracket, k, feeders);
    const WCHAR *name;
    for (int i = 0; i < 2; i++)
        if (feederEntrant(bracket, &feeders[i], &name) == ENTRANT_NOBODY)
            return 0;
    return !isMatchDecided(bracket, match);
}

/* The next match of the walk: 1 with *node, 0 at the end. */
static int nextMatch(ScheduleWalk *walk, BracketNode **node)
{
    Bracket *bracket = walk->bracket;
    int round = walk->request->round;
    if (losersRoundScheduled(round)) {
        while (walk->losersNext <= bracket->slotCount) {
            int k = walk->losersNext++;
            if (wantedInLosersRound(bracket, k, losersRoundScheduled(round))) {
                *node = losersMatch(bracket, k);
                return 1;
            }
        }
        return 0;
    }
    for (;;) {
        /* The third-place match is played before the final. */
        int thirdPlaceTurn = round == SCHEDULE_THIRD_PLACE || (round == SCHEDULE_READY_MATCHES && walk->level == 0);
        if (thirdPlaceTurn && !walk->thirdPlaceDone) {
            walk->thirdPlaceDone = 1;
            if (wanted(walk, &bracket->thirdPlace)) {
                *node = &bracket->thirdPlace;
                return 1;
            }
            continue;
        }
        if (round == SCHEDULE_THIRD_PLACE)
            return 0;
        /* Ready matches of the losers' bracket and the grand final follow
         * the winners' bracket's. */
        if (walk->level < 0) {
            BracketNode *losers = bracket->losers.on ? losersMatch(bracket, walk->losersNext++) : NULL;
            if (!losers)
                return 0;
            if (isMatchReady(bracket, losers)) {
                *node = losers;
                return 1;
            }
            continue;
        }
        if (!walk->next) {
            if (round != SCHEDULE_READY_MATCHES)
                return 0;
            if (--walk->level < 0)
                continue;
            walk->next = leftmostAtLevel(bracket, walk->level);
            continue;
        }
        BracketNode *candidate = walk->next;
        walk->next = nextInLevel(candidate);
        if (wanted(walk, candidate)) {
            *node = candidate;
            return 1;
        }
    }
}

int scheduleMatches(Bracket *bracket, const ScheduleRequest *request)
{
    SYSTEMTIME first;
    if (!bracket->slotCount || bracket->depth == 0 || !parseMatchTime(request->start, &first) ||
        request->minutes < 1 || request->minutes > MAX_MINUTES_PER_MATCH)
        return 0;
    int losersRound = losersRoundScheduled(request->round);
    if (request->round >= bracket->depth ||
        (losersRound && (!bracket->losers.on || losersRound > losersRoundCount(bracket) + 1)))
        return 0;
    WCHAR courts[SCHEDULE_COURT_LIMIT][COURT_CAPACITY];
    int courtCount = 0, length;
    for (const WCHAR *list = request->courts; list && courtCount < SCHEDULE_COURT_LIMIT &&
                                              nextCourtName(&list, courts[courtCount], &length);)
        courtCount++;
    ScheduleWalk walk = {bracket, request, 0, NULL, 0, 1};
    walk.level = request->round == SCHEDULE_READY_MATCHES ? bracket->depth - 1 : losersRound ? -1 : request->round;
    if (walk.level >= 0)
        walk.next = leftmostAtLevel(bracket, walk.level);
    int scheduled = 0;
    BracketNode *node;
    while (nextMatch(&walk, &node)) {
        MatchDetails *details = matchDetailsOf(bracket, node);
        if (details->time[0] && !request->replace)
            continue;
        int perSlot = courtCount ? courtCount : 1;
        WCHAR time[MATCH_TIME_CAPACITY];
        if (!addMinutesToMatchTime(request->start, (scheduled / perSlot) * request->minutes, time))
            break;
        setMatchSchedule(bracket, node, courtCount ? courts[scheduled % courtCount] : details->court, time);
        scheduled++;
    }
    return scheduled;
}
