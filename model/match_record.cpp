#include "model/match_record.h"

void emptyMatch(BracketNode *node, BracketNode *parent, UINT id)
{
    *node = BracketNode{};
    node->parent = parent;
    node->id = id;
    node->details.outcome = OUTCOME_PLAYED;
}

void clearPick(Bracket *bracket, BracketNode *match)
{
    match->name[0] = 0;
    match->result[0] = 0;
    match->details.outcome = OUTCOME_PLAYED;
    tellPickRuled(bracket, match);
}

void tellPickRuled(Bracket *bracket, BracketNode *match)
{
    if (bracket->pickRuled)
        bracket->pickRuled(match);
}

int isWithdrawn(const BracketNode *node)
{
    return node->details.outcome == OUTCOME_DOUBLE_WALKOVER;
}

int sendsNobody(const BracketNode *feeder)
{
    return feeder->bye || isWithdrawn(feeder);
}

static UINT hashText(UINT hash, const WCHAR *text)
{
    for (; *text; text++)
        hash = (hash ^ *text) * 16777619u;
    return (hash ^ 0xFFFFu) * 16777619u;
}

UINT pairingOf(const WCHAR *const names[2], const int states[2])
{
    UINT hash = 2166136261u;
    for (int side = 0; side < 2; side++)
        hash = hashText((hash ^ (UINT)states[side]) * 16777619u, names[side]);
    return hash;
}
