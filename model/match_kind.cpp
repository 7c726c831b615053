#include "model/match_kind.h"
#include "model/group_stage.h"
#include "model/losers_bracket.h"

MatchKind matchKindOf(const Bracket *bracket, const BracketNode *node)
{
    if (node == &bracket->thirdPlace)
        return MATCH_THIRD_PLACE;
    int k = losersNumberOf(bracket, node);
    if (k)
        return k == bracket->slotCount ? MATCH_RESET : k == bracket->slotCount - 1 ? MATCH_GRAND_FINAL : MATCH_LOSERS;
    int group, match;
    if (findGroupMatch(&bracket->groups, node, &group, &match))
        return MATCH_GROUP;
    return node->left ? MATCH_WINNERS : MATCH_NONE;
}
