#include "model/match_result.h"
#include "model/entrant_name.h"
#include "model/losers_bracket.h"
#include "model/losers_picks.h"
#include "model/match_kind.h"
#include "model/pick_rules.h"
#include "model/third_place.h"

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
    if (sameName(taken, target))
        return;
    lstrcpyW(target, taken);
    bracket->dirty = 1;
}

int setMatchResult(Bracket *bracket, BracketNode *node, const WCHAR *winner, const WCHAR *result)
{
    if (bracket->slotCount == 0)
        return 0;
    MatchKind kind = matchKindOf(bracket, node);
    if (kind == MATCH_THIRD_PLACE) {
        if (!setThirdPlacePick(bracket, winner))
            return 0;
        takeResult(bracket, node->result, winner[0] ? result : L"");
        return 1;
    }
    if (kind != MATCH_WINNERS && kind != MATCH_NONE) {
        if (!setLosersPick(bracket, node, winner))
            return 0;
        takeResult(bracket, node->result, winner[0] ? result : L"");
        return 1;
    }
    if (!node->left)
        return 0;
    if (winner[0] && !sameName(winner, node->left->name) && !sameName(winner, node->right->name))
        return 0;
    applySlotText(bracket, node, winner);
    takeResult(bracket, node->result, winner[0] ? result : L"");
    return 1;
}
