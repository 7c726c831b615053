#include "model/losers_bracket.h"
#include "model/entrant_name.h"

#include "model/match_record.h"
#include "model/third_place.h"

static void losersEntrantStates(Bracket *bracket, int k, const WCHAR *names[2], int states[2]);

/* The winner of a winners' match, or of losers' match k. */
static int winnerState(Bracket *bracket, BracketNode *match, int k, const WCHAR **name)
{
    if (!k) {
        if (isWithdrawn(match))
            return ENTRANT_NOBODY;
        if (match->name[0]) {
            *name = match->name;
            return ENTRANT_KNOWN;
        }
        return ENTRANT_PENDING;
    }
    if (match->details.outcome == OUTCOME_DOUBLE_WALKOVER)
        return ENTRANT_NOBODY;
    if (match->name[0]) {
        *name = match->name;
        return ENTRANT_KNOWN;
    }
    const WCHAR *names[2];
    int states[2];
    losersEntrantStates(bracket, k, names, states);
    return states[0] == ENTRANT_NOBODY && states[1] == ENTRANT_NOBODY ? ENTRANT_NOBODY : ENTRANT_PENDING;
}

static int loserState(const BracketNode *match, const WCHAR **name)
{
    if (isWithdrawn(match) || sendsNobody(match->left) || sendsNobody(match->right))
        return ENTRANT_NOBODY;
    const WCHAR *loser = matchLoser(match);
    if (!loser)
        return ENTRANT_PENDING;
    *name = loser;
    return ENTRANT_KNOWN;
}

int feederEntrant(Bracket *bracket, const LosersFeeder *feeder, const WCHAR **name)
{
    *name = L"";
    if (!feeder->match)
        return ENTRANT_NOBODY;
    return feeder->loser ? loserState(feeder->match, name)
                         : winnerState(bracket, feeder->match, feeder->number, name);
}

/* The reset's entrants are the grand final's, but only while it is to be
 * played; until then nobody is known to play it. */
static void losersEntrantStates(Bracket *bracket, int k, const WCHAR *names[2], int states[2])
{
    LosersFeeder feeders[2];
    losersFeeders(bracket, k, feeders);
    for (int side = 0; side < 2; side++)
        states[side] = feederEntrant(bracket, &feeders[side], &names[side]);
    if (k == bracket->slotCount && !isResetInPlay(bracket)) {
        for (int side = 0; side < 2; side++) {
            names[side] = L"";
            states[side] = bracket->losers.reset ? ENTRANT_PENDING : ENTRANT_NOBODY;
        }
    }
}

void losersEntrants(Bracket *bracket, BracketNode *match, const WCHAR **first, const WCHAR **second)
{
    *first = *second = L"";
    int k = losersNumberOf(bracket, match);
    if (!k)
        return;
    const WCHAR *names[2];
    int states[2];
    losersEntrantStates(bracket, k, names, states);
    *first = names[0];
    *second = names[1];
}

int isResetInPlay(Bracket *bracket)
{
    BracketNode *final = grandFinal(bracket);
    if (!bracket->losers.on || !bracket->losers.reset || !final || !final->name[0])
        return 0;
    LosersFeeder feeders[2];
    losersFeeders(bracket, bracket->slotCount - 1, feeders);
    const WCHAR *champion, *challenger;
    if (feederEntrant(bracket, &feeders[1], &challenger) != ENTRANT_KNOWN)
        return 0;
    feederEntrant(bracket, &feeders[0], &champion);
    return sameName(final->name, challenger) && !sameName(final->name, champion);
}

const WCHAR *tournamentChampion(Bracket *bracket)
{
    if (!bracket->slotCount)
        return L"";
    if (!bracket->losers.on || !grandFinal(bracket))
        return bracket->root.name;
    return isResetInPlay(bracket) ? grandFinalReset(bracket)->name : grandFinal(bracket)->name;
}

/* Whether name is empty or one of the entrants worked out already. */
static int isChoiceAmong(const WCHAR *const names[2], const int states[2], const WCHAR *name)
{
    if (!name[0])
        return 1;
    for (int side = 0; side < 2; side++) {
        if (states[side] == ENTRANT_KNOWN && sameName(names[side], name))
            return 1;
    }
    return 0;
}

int isLosersChoice(Bracket *bracket, BracketNode *match, const WCHAR *name)
{
    int k = losersNumberOf(bracket, match);
    if (!k)
        return 0;
    const WCHAR *names[2];
    int states[2];
    losersEntrantStates(bracket, k, names, states);
    return isChoiceAmong(names, states, name);
}


void noteLosersPairings(Bracket *bracket)
{
    if (!bracket->losers.on || !bracket->losers.pairings)
        return;
    for (int k = 1; k <= bracket->slotCount; k++) {
        const WCHAR *names[2];
        int states[2];
        losersEntrantStates(bracket, k, names, states);
        bracket->losers.pairings[k - 1] = pairingOf(names, states);
    }
}

/* One match, once every match before it is settled. Returns 1 when it
 * changed. */
static int settleMatch(Bracket *bracket, int k, int mode)
{
    BracketNode *match = losersMatch(bracket, k);
    const WCHAR *names[2];
    int states[2];
    losersEntrantStates(bracket, k, names, states);
    int changed = 0;
    UINT pairing = pairingOf(names, states);
    if ((mode & SETTLE_REOPEN) && pairing != bracket->losers.pairings[k - 1] &&
        (match->result[0] || match->details.outcome != OUTCOME_PLAYED)) {
        match->result[0] = 0;
        match->details.outcome = OUTCOME_PLAYED;
        changed = 1;
    }
    bracket->losers.pairings[k - 1] = pairing;
    if (match->details.outcome == OUTCOME_DOUBLE_WALKOVER) {
        if (match->name[0]) {
            clearPick(bracket, match);
            match->details.outcome = OUTCOME_DOUBLE_WALKOVER;
            changed = 1;
        }
        return changed;
    }
    int nobody0 = states[0] == ENTRANT_NOBODY, nobody1 = states[1] == ENTRANT_NOBODY;
    if (nobody0 != nobody1 && states[nobody0 ? 1 : 0] == ENTRANT_KNOWN) {
        const WCHAR *entrant = names[nobody0 ? 1 : 0];
        int keep = (mode & SETTLE_KEEP_INVALID) && match->name[0];
        /* Nobody to beat: no choice for the user to make. */
        if (!keep && !sameName(match->name, entrant)) {
            lstrcpynW(match->name, entrant, NAME_CAPACITY);
            match->result[0] = 0;
            match->details.outcome = OUTCOME_PLAYED;
            changed = 1;
        }
        tellPickRuled(bracket, match);
        return changed;
    }
    if (!(mode & SETTLE_KEEP_INVALID) && !isChoiceAmong(names, states, match->name)) {
        clearPick(bracket, match);
        changed = 1;
    }
    return changed;
}

int settleLosersBracket(Bracket *bracket, int mode)
{
    if (!bracket->losers.on || !bracket->losers.matches)
        return 0;
    int changed = 0;
    for (int k = 1; k <= bracket->slotCount; k++)
        changed |= settleMatch(bracket, k, mode);
    if (changed)
        bracket->dirty = 1;
    return changed;
}

int losersPicksValid(Bracket *bracket)
{
    if (!bracket->losers.on || !bracket->losers.matches)
        return 1;
    for (int k = 1; k <= bracket->slotCount; k++) {
        BracketNode *match = losersMatch(bracket, k);
        if (match->name[0] && !isLosersChoice(bracket, match, match->name))
            return 0;
    }
    return 1;
}

void clearLosersPicks(Bracket *bracket)
{
    if (!bracket->losers.on || !bracket->losers.matches)
        return;
    for (int k = 1; k <= bracket->slotCount; k++)
        clearPick(bracket, losersMatch(bracket, k));
    settleLosersBracket(bracket, SETTLE_ONLY);
    bracket->dirty = 1;
}
