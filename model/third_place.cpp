#include "model/third_place.h"
#include "model/entrant_name.h"
#include "model/match_record.h"

int thirdPlaceAllowed(const Bracket *bracket)
{
    return bracket->slotCount >= 4;
}

const WCHAR *semiFinalLoser(Bracket *bracket, int side)
{
    if (!thirdPlaceAllowed(bracket))
        return NULL;
    const BracketNode *semi = side ? bracket->root.right : bracket->root.left;
    return semi ? matchLoser(semi) : NULL;
}

const WCHAR *matchLoser(const BracketNode *match)
{
    if (!match->left || !match->name[0])
        return NULL;
    /* Two feeders of the same name: either lost, and the name is the same. */
    if (sameName(match->name, match->left->name))
        return match->right->name[0] ? match->right->name : NULL;
    if (sameName(match->name, match->right->name))
        return match->left->name[0] ? match->left->name : NULL;
    return NULL;
}

int isThirdPlaceChoice(Bracket *bracket, const WCHAR *name)
{
    if (!name[0])
        return 1;
    for (int side = 0; side < 2; side++) {
        const WCHAR *loser = semiFinalLoser(bracket, side);
        if (loser && sameName(loser, name))
            return 1;
    }
    return 0;
}

static UINT thirdPlacePairing(Bracket *bracket)
{
    const WCHAR *first = semiFinalLoser(bracket, 0), *second = semiFinalLoser(bracket, 1);
    const WCHAR *names[2] = {first ? first : L"", second ? second : L""};
    const int states[2] = {0, 0};
    return pairingOf(names, states);
}

void noteThirdPlacePairing(Bracket *bracket)
{
    bracket->thirdPlacePairing = thirdPlacePairing(bracket);
}

void settleThirdPlace(Bracket *bracket)
{
    BracketNode *match = &bracket->thirdPlace;
    if ((match->name[0] || match->result[0]) && !(match->name[0] && isThirdPlaceChoice(bracket, match->name))) {
        clearPick(bracket, match);
        bracket->dirty = 1;
    }
    UINT pairing = thirdPlacePairing(bracket);
    if (pairing == bracket->thirdPlacePairing)
        return;
    bracket->thirdPlacePairing = pairing;
    if (match->result[0] || match->details.outcome != OUTCOME_PLAYED)
        bracket->dirty = 1;
    match->result[0] = 0;
    match->details.outcome = OUTCOME_PLAYED;
}

int setThirdPlaceOn(Bracket *bracket, int on)
{
    BracketNode *match = &bracket->thirdPlace;
    on = on != 0;
    if (bracket->thirdPlaceOn == on || (on && !thirdPlaceAllowed(bracket)))
        return 0;
    bracket->thirdPlaceOn = on;
    /* A match that is no longer held has no place or time either. */
    if (!on) {
        clearPick(bracket, match);
        match->details.court[0] = 0;
        match->details.time[0] = 0;
    }
    bracket->dirty = 1;
    return 1;
}

int setThirdPlacePick(Bracket *bracket, const WCHAR *name)
{
    BracketNode *match = &bracket->thirdPlace;
    if (!bracket->thirdPlaceOn || !isThirdPlaceChoice(bracket, name))
        return 0;
    if (sameName(match->name, name))
        return 1;
    lstrcpynW(match->name, name, NAME_CAPACITY);
    match->result[0] = 0;
    match->details.outcome = OUTCOME_PLAYED;
    bracket->dirty = 1;
    return 1;
}
