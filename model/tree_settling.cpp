#include "model/tree_settling.h"
#include "model/entrant_name.h"
#include "model/match_record.h"

static BracketNode *siblingOf(const BracketNode *node)
{
    BracketNode *parent = node->parent;
    return parent->left == node ? parent->right : parent->left;
}

void releaseWithdrawal(Bracket *bracket, BracketNode *node)
{
    node->details.outcome = OUTCOME_PLAYED;
    BracketNode *next = node->parent;
    if (!next)
        return;
    if (isWithdrawn(next)) {
        if (isWithdrawn(siblingOf(node)))
            releaseWithdrawal(bracket, next);
        return;
    }
    if (next->name[0]) {
        takeName(bracket, next, L"");
        tellPickRuled(bracket, next);
    }
}

/* One of the match's entrants changed: a score or an outcome told of the
 * old pairing. */
static void reopenMatch(Bracket *bracket, BracketNode *match)
{
    match->result[0] = 0;
    if (isWithdrawn(match))
        releaseWithdrawal(bracket, match);
    else
        match->details.outcome = OUTCOME_PLAYED;
}

void takeName(Bracket *bracket, BracketNode *node, const WCHAR *text)
{
    BracketNode *stopper = node->parent;
    if (node->name[0]) {
        for (; stopper && sameName(stopper->name, node->name); stopper = stopper->parent)
            clearPick(bracket, stopper);
    }
    lstrcpynW(node->name, text, NAME_CAPACITY);
    /* The result told how the old winner won. */
    node->result[0] = 0;
    node->details.outcome = OUTCOME_PLAYED;
    if (stopper)
        reopenMatch(bracket, stopper);
}

void becomeWithdrawn(Bracket *bracket, BracketNode *pick)
{
    if (pick->name[0])
        takeName(bracket, pick, L"");
    pick->result[0] = 0;
    pick->details.outcome = OUTCOME_DOUBLE_WALKOVER;
    tellPickRuled(bracket, pick);
}

/* The pick takes its entrant's name at once, and the window shows it:
 * nobody is there to beat, so there is no choice for the user to make. */
static void followEntrant(Bracket *bracket, BracketNode *pick, const BracketNode *entrant)
{
    takeName(bracket, pick, entrant->name);
    tellPickRuled(bracket, pick);
}

/* From the first round up, so a withdrawal passes on through a chain of
 * matches in one pass. */
static void advancePicks(Bracket *bracket, int keepNamed)
{
    for (int k = bracket->depth - 1; k >= 0; k--) {
        for (BracketNode *pick = leftmostAtLevel(bracket, k); pick; pick = nextInLevel(pick)) {
            if (isWithdrawn(pick))
                continue;
            if (keepNamed && pick->name[0])
                continue;
            BracketNode *left = pick->left, *right = pick->right;
            if (isWithdrawn(left) && isWithdrawn(right)) {
                becomeWithdrawn(bracket, pick);
                continue;
            }
            if (sendsNobody(left) == sendsNobody(right))
                continue;
            const BracketNode *entrant = sendsNobody(left) ? right : left;
            if (!sameName(pick->name, entrant->name))
                followEntrant(bracket, pick, entrant);
        }
    }
}

void advanceUncontestedPicks(Bracket *bracket)
{
    advancePicks(bracket, 0);
}

void fillUncontestedPicks(Bracket *bracket)
{
    advancePicks(bracket, 1);
}
