#include "model/group_schedule.h"

#include "model/entrant_name.h"
#include "model/group_draw.h"
#include "model/group_stage.h"
#include "model/heap.h"
#include "model/losers_rounds.h"
#include "model/match_kind.h"
#include "model/match_outcome.h"
#include "model/round_robin.h"

/* Group rounds stand far below the losers' rounds: each group (and "every
 * group") takes MAX_GROUP_ROUNDS + 1 numbers. */
enum { SCHEDULE_GROUP_BASE = -1000, GROUP_ROUND_STRIDE = MAX_GROUP_ROUNDS + 1 };

int scheduleGroupRound(int group, int round)
{
    return SCHEDULE_GROUP_BASE - ((group + 1) * GROUP_ROUND_STRIDE + round);
}

int groupRoundScheduled(int requestRound, int *group, int *round)
{
    if (requestRound > SCHEDULE_GROUP_BASE)
        return 0;
    int code = SCHEDULE_GROUP_BASE - requestRound;
    *group = code / GROUP_ROUND_STRIDE - 1;
    *round = code % GROUP_ROUND_STRIDE;
    return *group < MAX_GROUP_COUNT && *round >= 1;
}

/* Minutes from one match time to another; 0 when either is no time. */
static int minutesFrom(const WCHAR *from, const WCHAR *to, LONGLONG *minutes)
{
    SYSTEMTIME a, b;
    FILETIME fa, fb;
    if (!parseMatchTime(from, &a) || !parseMatchTime(to, &b) || !SystemTimeToFileTime(&a, &fa) ||
        !SystemTimeToFileTime(&b, &fb))
        return 0;
    LONGLONG ta = ((LONGLONG)fa.dwHighDateTime << 32) | fa.dwLowDateTime;
    LONGLONG tb = ((LONGLONG)fb.dwHighDateTime << 32) | fb.dwLowDateTime;
    *minutes = (tb - ta) / 600000000;
    return 1;
}

/* A match to place or already placed, with its entrants. */
struct SlotMatch {
    BracketNode *node;
    const WCHAR *first;
    const WCHAR *second;
    LONGLONG start;  /* minutes after the request's start once timed */
    int timed;
};

struct MatchList {
    SlotMatch *items;
    int count;
    int capacity;
};

static void addMatch(Bracket *bracket, MatchList *list, BracketNode *node)
{
    if (!node || list->count >= list->capacity)
        return;
    SlotMatch *item = &list->items[list->count++];
    item->node = node;
    matchEntrants(bracket, node, &item->first, &item->second);
    item->start = 0;
    item->timed = 0;
}

/* Every match of the event, group matches first. */
static void collectEveryMatch(Bracket *bracket, MatchList *list)
{
    for (int g = 0; g < bracket->groups.groupCount; g++) {
        StageGroup *group = stageGroup(bracket, g);
        for (int m = 0; m < group->matchCount; m++)
            addMatch(bracket, list, &group->match[m]);
    }
    for (int level = bracket->depth - 1; level >= 0; level--)
        for (BracketNode *node = leftmostAtLevel(bracket, level); node; node = nextInLevel(node))
            addMatch(bracket, list, node);
    if (bracket->thirdPlaceOn)
        addMatch(bracket, list, &bracket->thirdPlace);
    for (int k = 1; bracket->losers.on && k <= bracket->slotCount; k++)
        addMatch(bracket, list, losersMatch(bracket, k));
}

/* Whether group match m of group g is one the request asks for. */
static int groupMatchWanted(Bracket *bracket, int g, int m, int group, int round)
{
    StageGroup *stage = stageGroup(bracket, g);
    BracketNode *node = &stage->match[m];
    if (round == 0)
        return isMatchReady(bracket, node);
    int home, away;
    PairingPlace place;
    if ((group >= 0 && g != group) || !groupMatchEntrants(stage, m, &home, &away) ||
        !findPairing(stage->count, home, away, &place) || place.round != round)
        return 0;
    return !isGroupMatchDecided(stage, m);
}

/* The request's matches in order: by round, then group, then board; for
 * every match ready (round 0) the knockout's follow. */
static void collectWanted(Bracket *bracket, MatchList *list, int group, int round)
{
    for (int r = 1; r <= MAX_GROUP_ROUNDS; r++) {
        if (round && r != round)
            continue;
        for (int g = 0; g < bracket->groups.groupCount; g++) {
            StageGroup *stage = stageGroup(bracket, g);
            for (int m = 0; m < stage->matchCount; m++) {
                int home, away;
                PairingPlace place;
                if (groupMatchEntrants(stage, m, &home, &away) && findPairing(stage->count, home, away, &place) &&
                    place.round == r && groupMatchWanted(bracket, g, m, group, round))
                    addMatch(bracket, list, &stage->match[m]);
            }
        }
    }
    if (round)
        return;
    MatchList every = {list->items + list->count, 0, list->capacity - list->count};
    collectEveryMatch(bracket, &every);
    for (int i = 0; i < every.count; i++)
        if (matchKindOf(bracket, every.items[i].node) != MATCH_GROUP && isMatchReady(bracket, every.items[i].node))
            list->items[list->count++] = every.items[i];
}

static int shareEntrant(const SlotMatch *a, const SlotMatch *b)
{
    const WCHAR *names[] = {a->first, a->second};
    for (int i = 0; i < 2; i++)
        if (names[i][0] && (sameName(names[i], b->first) || sameName(names[i], b->second)))
            return 1;
    return 0;
}

/* Whether match a may start at minute start: 0 when one of its entrants
 * plays then (within a match's length), 1 when one plays the slot before
 * or after, 2 when both are rested. */
static int restAt(const SlotMatch *a, LONGLONG start, int minutes, const MatchList *timed)
{
    int rest = 2;
    for (int i = 0; i < timed->count; i++) {
        const SlotMatch *b = &timed->items[i];
        if (!b->timed || b->node == a->node || !shareEntrant(a, b))
            continue;
        LONGLONG gap = b->start > start ? b->start - start : start - b->start;
        if (gap < minutes)
            return 0;
        if (gap < 2 * (LONGLONG)minutes)
            rest = 1;
    }
    return rest;
}

/* Whether a court (NULL: the one match at a time when no courts are
 * given) is taken within a match's length of minute start by a timed
 * match. */
static int courtTaken(Bracket *bracket, const WCHAR *court, LONGLONG start, int minutes, const MatchList *timed)
{
    for (int i = 0; i < timed->count; i++) {
        const SlotMatch *b = &timed->items[i];
        LONGLONG gap = b->start > start ? b->start - start : start - b->start;
        if (gap < minutes && (!court || lstrcmpiW(matchDetailsOf(bracket, b->node)->court, court) == 0))
            return 1;
    }
    return 0;
}

int scheduleEventMatches(Bracket *bracket, const ScheduleRequest *request)
{
    int group = -1, round = 0;
    int isGroupRound = groupRoundScheduled(request->round, &group, &round);
    if (!isGroupRound && !(request->round == SCHEDULE_READY_MATCHES && bracket->groups.on))
        return scheduleMatches(bracket, request);
    SYSTEMTIME first;
    if (!bracket->groups.on || !parseMatchTime(request->start, &first) || request->minutes < 1 ||
        request->minutes > MAX_MINUTES_PER_MATCH || (group >= bracket->groups.groupCount))
        return 0;
    WCHAR courts[SCHEDULE_COURT_LIMIT][COURT_CAPACITY];
    int courtCount = 0, length;
    for (const WCHAR *list = request->courts; list && courtCount < SCHEDULE_COURT_LIMIT &&
                                              nextCourtName(&list, courts[courtCount], &length);)
        courtCount++;
    int capacity = groupMatchTotal(&bracket->groups) + 3 * bracket->slotCount + 2;
    SlotMatch *items = (SlotMatch *)allocBlock(3 * (SIZE_T)capacity * sizeof(SlotMatch));
    if (!items)
        return 0;
    /* The event's timed matches, then those to place. */
    MatchList timed = {items, 0, capacity};
    MatchList wanted = {items + capacity, 0, 2 * capacity};
    collectWanted(bracket, &wanted, group, round);
    int placing = 0;
    for (int i = 0; i < wanted.count; i++) {
        MatchDetails *details = matchDetailsOf(bracket, wanted.items[i].node);
        if (!details->time[0] || request->replace)
            wanted.items[placing++] = wanted.items[i];
    }
    wanted.count = placing;
    MatchList every = {items, 0, capacity};
    collectEveryMatch(bracket, &every);
    for (int i = 0; i < every.count; i++) {
        SlotMatch *match = &every.items[i];
        int moving = 0;
        for (int j = 0; j < wanted.count && !moving; j++)
            moving = wanted.items[j].node == match->node;
        const WCHAR *time = matchDetailsOf(bracket, match->node)->time;
        if (!moving && !isMatchDecided(bracket, match->node) &&
            minutesFrom(request->start, time, &match->start))
            timed.items[timed.count++] = *match, timed.items[timed.count - 1].timed = 1;
    }
    int perSlot = courtCount ? courtCount : 1;
    int scheduled = 0;
    /* Each slot takes the matches whose entrants are rested; only a slot
     * that would stay empty takes those whose entrants play the slot
     * before or after, so rest is given up only where the courts leave no
     * other match. The limit ends a request whose every match clashes with
     * one timed past its end. */
    for (int slot = 0; scheduled < wanted.count && slot < 4 * (wanted.count + timed.count) + 4; slot++) {
        LONGLONG start = (LONGLONG)slot * request->minutes;
        WCHAR time[MATCH_TIME_CAPACITY];
        if (!addMinutesToMatchTime(request->start, (int)start, time))
            break;
        int used = 0, court = 0;
        for (int need = 2; need >= 1 && (need == 2 || used == 0); need--) {
            for (int i = 0; i < wanted.count; i++) {
                SlotMatch *match = &wanted.items[i];
                if (match->timed || restAt(match, start, request->minutes, &timed) < need)
                    continue;
                while (court < perSlot &&
                       courtTaken(bracket, courtCount ? courts[court] : NULL, start, request->minutes, &timed))
                    court++;
                if (court >= perSlot)
                    break;
                MatchDetails *details = matchDetailsOf(bracket, match->node);
                setMatchSchedule(bracket, match->node, courtCount ? courts[court] : details->court, time);
                match->timed = 1;
                match->start = start;
                timed.items[timed.count++] = *match;
                court++;
                used++;
                scheduled++;
            }
        }
    }
    freeBlock(items);
    return scheduled;
}
