#include "model/third_place.h"
#include "model/pick_rules.h"

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
    if (lstrcmpW(match->name, match->left->name) == 0)
        return match->right->name[0] ? match->right->name : NULL;
    if (lstrcmpW(match->name, match->right->name) == 0)
        return match->left->name[0] ? match->left->name : NULL;
    return NULL;
}

int isThirdPlaceChoice(Bracket *bracket, const WCHAR *name)
{
    if (!name[0])
        return 1;
    for (int side = 0; side < 2; side++) {
        const WCHAR *loser = semiFinalLoser(bracket, side);
        if (loser && lstrcmpW(loser, name) == 0)
            return 1;
    }
    return 0;
}

static void clearThirdPlacePick(Bracket *bracket)
{
    ThirdPlaceMatch *match = &bracket->thirdPlace;
    if (match->control)
        blankPickControl(match->control);
    match->name[0] = 0;
    match->result[0] = 0;
    match->details.outcome = OUTCOME_PLAYED;
}

int settleThirdPlace(Bracket *bracket)
{
    ThirdPlaceMatch *match = &bracket->thirdPlace;
    if (!match->name[0] && !match->result[0])
        return 0;
    if (match->name[0] && isThirdPlaceChoice(bracket, match->name))
        return 0;
    clearThirdPlacePick(bracket);
    bracket->dirty = 1;
    return 1;
}

int setThirdPlaceOn(Bracket *bracket, int on)
{
    ThirdPlaceMatch *match = &bracket->thirdPlace;
    on = on != 0;
    if (match->on == on || (on && !thirdPlaceAllowed(bracket)))
        return 0;
    match->on = on;
    /* A match that is no longer held has no place or time either. */
    if (!on) {
        clearThirdPlacePick(bracket);
        match->details.court[0] = 0;
        match->details.time[0] = 0;
    }
    bracket->dirty = 1;
    return 1;
}

int setThirdPlacePick(Bracket *bracket, const WCHAR *name)
{
    ThirdPlaceMatch *match = &bracket->thirdPlace;
    if (!match->on || !isThirdPlaceChoice(bracket, name))
        return 0;
    if (lstrcmpW(match->name, name) == 0)
        return 1;
    lstrcpynW(match->name, name, NAME_CAPACITY);
    match->result[0] = 0;
    match->details.outcome = OUTCOME_PLAYED;
    bracket->dirty = 1;
    return 1;
}

/* A result is never longer than its buffer and never ends on half a
 * surrogate pair. */
static void takeResult(Bracket *bracket, WCHAR *target, const WCHAR *result)
{
    int length = 0;
    while (result[length] && length < RESULT_CAPACITY - 1)
        length++;
    if (result[length] && length > 0 && result[length - 1] >= 0xD800 && result[length - 1] <= 0xDBFF)
        length--;
    WCHAR taken[RESULT_CAPACITY];
    lstrcpynW(taken, result, length + 1);
    if (lstrcmpW(taken, target) == 0)
        return;
    lstrcpyW(target, taken);
    bracket->dirty = 1;
}

int setMatchResult(Bracket *bracket, BracketNode *node, const WCHAR *winner, const WCHAR *result)
{
    if (bracket->slotCount == 0)
        return 0;
    if (!node) {
        if (!setThirdPlacePick(bracket, winner))
            return 0;
        takeResult(bracket, bracket->thirdPlace.result, winner[0] ? result : L"");
        return 1;
    }
    if (!node->left)
        return 0;
    if (winner[0] && lstrcmpW(winner, node->left->name) != 0 && lstrcmpW(winner, node->right->name) != 0)
        return 0;
    applySlotText(bracket, node, winner);
    takeResult(bracket, node->result, winner[0] ? result : L"");
    return 1;
}
