#include "model/match_outcome.h"
#include "model/entrant_name.h"

#include "model/group_results.h"
#include "model/group_stage.h"
#include "model/losers_picks.h"
#include "model/pick_rules.h"
#include "model/losers_bracket.h"
#include "model/match_kind.h"
#include "model/match_result.h"

MatchDetails *matchDetailsOf(Bracket *, BracketNode *node)
{
    return &node->details;
}

int isMatchDecided(Bracket *bracket, BracketNode *node)
{
    int group, match;
    if (findGroupMatch(&bracket->groups, node, &group, &match))
        return isGroupMatchDecided(stageGroup(bracket, group), match);
    return node->name[0] || node->details.outcome == OUTCOME_DOUBLE_WALKOVER;
}

/* A group match named by its winner: the home or away entrant, or nobody
 * (a double walkover, or no result). A draw is asked for through
 * setGroupMatchResult, since no name says it. */
static int setGroupOutcome(Bracket *bracket, BracketNode *node, const WCHAR *winner, const WCHAR *result,
                           int outcome)
{
    int group, match;
    findGroupMatch(&bracket->groups, node, &group, &match);
    int side = groupWinnerOfName(stageGroup(bracket, group), match, winner);
    if (side < 0)
        return 0;
    return setGroupMatchResult(bracket, group, match, side, result, outcome);
}

/* The third-place match has nobody after it: its double walkover is a mark
 * and an empty pick, nothing more. */
static int setThirdPlaceOutcome(Bracket *bracket, BracketNode *node, const WCHAR *winner, const WCHAR *result,
                                int outcome)
{
    MatchDetails *details = &node->details;
    if (!setMatchResult(bracket, node, winner, result))
        return 0;
    if (details->outcome != outcome) {
        details->outcome = outcome;
        bracket->dirty = 1;
    }
    return 1;
}

/* A losers' match: a double walkover passes nobody on, as in the winners'
 * bracket; any other outcome stands beside a winner who played it. */
static int setLosersOutcome(Bracket *bracket, BracketNode *node, const WCHAR *winner, const WCHAR *result,
                            int outcome)
{
    if (outcome == OUTCOME_DOUBLE_WALKOVER)
        return setLosersWithdrawn(bracket, node, 1);
    if (!isLosersChoice(bracket, node, winner) || !setLosersWithdrawn(bracket, node, 0) ||
        !setMatchResult(bracket, node, winner, result))
        return 0;
    if (node->details.outcome != outcome) {
        node->details.outcome = outcome;
        bracket->dirty = 1;
    }
    return 1;
}

/* A node that stands for a match of any kind, not a base slot. */
static int isMatchNode(Bracket *bracket, BracketNode *node)
{
    return matchKindOf(bracket, node) != MATCH_NONE;
}

int setMatchOutcome(Bracket *bracket, BracketNode *node, const WCHAR *winner, const WCHAR *result, int outcome)
{
    if (bracket->slotCount == 0 || outcome < 0 || outcome >= OUTCOME_COUNT || !isMatchNode(bracket, node))
        return 0;
    if (outcome == OUTCOME_DOUBLE_WALKOVER) {
        winner = L"";
        result = L"";
    } else if (!winner[0]) {
        outcome = OUTCOME_PLAYED;
    }
    MatchKind kind = matchKindOf(bracket, node);
    if (kind == MATCH_GROUP)
        return setGroupOutcome(bracket, node, winner, result, outcome);
    if (kind == MATCH_THIRD_PLACE)
        return setThirdPlaceOutcome(bracket, node, winner, result, outcome);
    if (kind != MATCH_WINNERS)
        return setLosersOutcome(bracket, node, winner, result, outcome);
    if (winner[0] && !sameName(winner, node->left->name) && !sameName(winner, node->right->name))
        return 0;
    if (outcome == OUTCOME_DOUBLE_WALKOVER)
        return setMatchWithdrawn(bracket, node, 1);
    if (!setMatchWithdrawn(bracket, node, 0) || !setMatchResult(bracket, node, winner, result))
        return 0;
    if (node->details.outcome != outcome) {
        node->details.outcome = outcome;
        bracket->dirty = 1;
    }
    return 1;
}

int setMatchSchedule(Bracket *bracket, BracketNode *node, const WCHAR *court, const WCHAR *time)
{
    SYSTEMTIME parsed;
    if (bracket->slotCount == 0 || !isMatchNode(bracket, node) || (time[0] && !parseMatchTime(time, &parsed)))
        return 0;
    MatchDetails *details = matchDetailsOf(bracket, node);
    int length = 0;
    while (court[length] && length < COURT_CAPACITY - 1)
        length++;
    if (court[length] && length > 0 && court[length - 1] >= 0xD800 && court[length - 1] <= 0xDBFF)
        length--;
    WCHAR taken[COURT_CAPACITY];
    lstrcpynW(taken, court, length + 1);
    if (!sameName(taken, details->court) || !sameName(time, details->time))
        bracket->dirty = 1;
    lstrcpyW(details->court, taken);
    lstrcpynW(details->time, time, MATCH_TIME_CAPACITY);
    return 1;
}
