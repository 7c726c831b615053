#include "model/losers_picks.h"
#include "model/change_cascade.h"
#include "model/entrant_name.h"
#include "model/match_record.h"
#include "model/third_place.h"

static void emptyLosersMatch(Bracket *bracket, BracketNode *match)
{
    clearPick(bracket, match);
    match->details.court[0] = 0;
    match->details.time[0] = 0;
}

int setDoubleEliminationOn(Bracket *bracket, int on)
{
    LosersBracket *losers = &bracket->losers;
    on = on != 0;
    if (losers->on == on || (on && !losers->matches) || !losersAllowed(bracket))
        return 0;
    noteMatchPairings(bracket);
    for (int k = 1; k <= bracket->slotCount; k++)
        emptyLosersMatch(bracket, losersMatch(bracket, k));
    losers->on = on;
    /* Its place in the standings is the losers' final's. */
    if (on)
        setThirdPlaceOn(bracket, 0);
    else
        losers->reset = 1;
    carryChangeOn(bracket, CHANGED_IN_KNOCKOUT);
    bracket->dirty = 1;
    return 1;
}

int setGrandFinalReset(Bracket *bracket, int on)
{
    LosersBracket *losers = &bracket->losers;
    on = on != 0;
    if (!losers->on || losers->reset == on)
        return 0;
    noteMatchPairings(bracket);
    losers->reset = on;
    if (!on)
        emptyLosersMatch(bracket, grandFinalReset(bracket));
    carryChangeOn(bracket, CHANGED_IN_KNOCKOUT);
    bracket->dirty = 1;
    return 1;
}

int setLosersPick(Bracket *bracket, BracketNode *match, const WCHAR *name)
{
    if (!bracket->losers.on || !isLosersChoice(bracket, match, name))
        return 0;
    if (sameName(match->name, name) && match->details.outcome != OUTCOME_DOUBLE_WALKOVER)
        return 1;
    noteMatchPairings(bracket);
    lstrcpynW(match->name, name, NAME_CAPACITY);
    match->result[0] = 0;
    match->details.outcome = OUTCOME_PLAYED;
    carryChangeOn(bracket, CHANGED_IN_KNOCKOUT);
    bracket->dirty = 1;
    return 1;
}

int setLosersWithdrawn(Bracket *bracket, BracketNode *match, int withdrawn)
{
    if (!bracket->losers.on || !losersNumberOf(bracket, match))
        return 0;
    withdrawn = withdrawn != 0;
    if ((match->details.outcome == OUTCOME_DOUBLE_WALKOVER) == withdrawn)
        return 1;
    noteMatchPairings(bracket);
    clearPick(bracket, match);
    if (withdrawn)
        match->details.outcome = OUTCOME_DOUBLE_WALKOVER;
    carryChangeOn(bracket, CHANGED_IN_KNOCKOUT);
    bracket->dirty = 1;
    return 1;
}
