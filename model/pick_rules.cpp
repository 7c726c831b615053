#include "model/pick_rules.h"
#include "model/change_cascade.h"
#include "model/entrant_name.h"
#include "model/losers_bracket.h"
#include "model/match_record.h"
#include "model/third_place.h"
#include "model/tree_settling.h"

int applySlotText(Bracket *bracket, BracketNode *node, const WCHAR *newText)
{
    if (bracket->slotCount == 0 || !node)
        return 0;
    if (sameName(newText, node->name))
        return 1;
    bracket->dirty = 1;
    noteMatchPairings(bracket);
    if (isWithdrawn(node))
        releaseWithdrawal(bracket, node);
    takeName(bracket, node, newText);
    /* Within the same change, so one undo step holds the rename and every
     * pick a bye or a withdrawal then decides. */
    carryChangeOn(bracket, CHANGED_IN_KNOCKOUT);
    return 1;
}

int setMatchWithdrawn(Bracket *bracket, BracketNode *node, int withdrawn)
{
    if (bracket->slotCount == 0 || !node || !node->left)
        return 0;
    withdrawn = withdrawn != 0;
    if (isWithdrawn(node) == withdrawn)
        return 1;
    /* Nobody is left to play in a match both of whose feeders withdrew. */
    if (!withdrawn && isWithdrawn(node->left) && isWithdrawn(node->right))
        return 0;
    noteMatchPairings(bracket);
    if (withdrawn)
        becomeWithdrawn(bracket, node);
    else
        releaseWithdrawal(bracket, node);
    carryChangeOn(bracket, CHANGED_IN_KNOCKOUT);
    bracket->dirty = 1;
    return 1;
}

static int isInvalidPick(const BracketNode *node)
{
    return node->name[0] && !sameName(node->name, node->left->name) &&
           !sameName(node->name, node->right->name);
}

int validatePicks(Bracket *bracket, int clear)
{
    if (bracket->slotCount == 0)
        return 1;
    int result = 1;
    noteMatchPairings(bracket);
    for (int k = bracket->depth - 1; k >= 0; k--) {
        for (BracketNode *node = leftmostAtLevel(bracket, k); node; node = nextInLevel(node)) {
            if (!isInvalidPick(node))
                continue;
            result = 0;
            if (clear) {
                bracket->dirty = 1;
                clearPick(bracket, node);
            }
        }
    }
    /* Judged before the cascade settles them, but after the tree's picks
     * were cleared, so semi-finals cleared above count already. */
    if (!isThirdPlaceChoice(bracket, bracket->thirdPlace.name) || !losersPicksValid(bracket))
        result = 0;
    /* A cleared pick that had one possible entrant takes it, as it would
     * have if it had never been wrong; third place and the losers' bracket
     * settle even when every pick of the tree stood. */
    if (clear)
        carryChangeOn(bracket, CHANGED_IN_KNOCKOUT);
    return result;
}

void clearNonBasePicks(Bracket *bracket)
{
    if (bracket->slotCount == 0)
        return;
    noteMatchPairings(bracket);
    for (int k = 0; k < bracket->depth; k++) {
        for (BracketNode *node = leftmostAtLevel(bracket, k); node; node = nextInLevel(node))
            clearPick(bracket, node);
    }
    clearLosersPicks(bracket);
    carryChangeOn(bracket, CHANGED_IN_KNOCKOUT);
    bracket->dirty = 1;
}
