#include "model/pick_rules.h"
#include "model/entrant_name.h"
#include "model/losers_bracket.h"
#include "model/third_place.h"

static BracketNode *siblingOf(const BracketNode *node)
{
    BracketNode *parent = node->parent;
    return parent->left == node ? parent->right : parent->left;
}

static void takeName(Bracket *bracket, BracketNode *node, const WCHAR *text);

/* The match no longer stands as it did, since a withdrawal it followed
 * from is gone: one that withdrawal made a double walkover too goes back
 * with it, one it sent the other entrant through is open again. */
static void releaseWithdrawal(Bracket *bracket, BracketNode *node)
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

/* The name changes, picks above that carried the old one are cleared up to
 * the first that differs, and that one, whose pairing changed, is reopened.
 * The window is told of the picks cleared above; the node itself is the
 * caller's to tell, if the user did not set it. */
static void takeName(Bracket *bracket, BracketNode *node, const WCHAR *text)
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

/* Both entrants withdrew: nobody goes on, and there is nothing to offer. */
static void becomeWithdrawn(Bracket *bracket, BracketNode *pick)
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

/* The two entrants of the match for third place, as they stand. */
struct ThirdPlacePairing {
    WCHAR first[NAME_CAPACITY];
    WCHAR second[NAME_CAPACITY];
};

static void notePairing(Bracket *bracket, ThirdPlacePairing *pairing)
{
    const WCHAR *first = semiFinalLoser(bracket, 0), *second = semiFinalLoser(bracket, 1);
    lstrcpynW(pairing->first, first ? first : L"", NAME_CAPACITY);
    lstrcpynW(pairing->second, second ? second : L"", NAME_CAPACITY);
    noteLosersPairings(bracket);
}

/* After a change to the picks: a third-place or losers' pick that lost
 * nothing goes, and a changed pairing takes the score and outcome with it. */
static void followThirdPlacePairing(Bracket *bracket, const ThirdPlacePairing *before)
{
    settleLosersBracket(bracket, SETTLE_REOPEN);
    settleThirdPlace(bracket);
    ThirdPlacePairing after;
    notePairing(bracket, &after);
    BracketNode *match = &bracket->thirdPlace;
    if (sameName(before->first, after.first) && sameName(before->second, after.second))
        return;
    if (match->result[0] || match->details.outcome != OUTCOME_PLAYED)
        bracket->dirty = 1;
    match->result[0] = 0;
    match->details.outcome = OUTCOME_PLAYED;
}

int applySlotText(Bracket *bracket, BracketNode *node, const WCHAR *newText)
{
    if (bracket->slotCount == 0 || !node)
        return 0;
    if (sameName(newText, node->name))
        return 1;
    bracket->dirty = 1;
    ThirdPlacePairing before;
    notePairing(bracket, &before);
    if (isWithdrawn(node))
        releaseWithdrawal(bracket, node);
    takeName(bracket, node, newText);
    /* Within the same change, so one undo step holds the rename and every
     * pick a bye or a withdrawal then decides. */
    advanceUncontestedPicks(bracket);
    followThirdPlacePairing(bracket, &before);
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
    ThirdPlacePairing before;
    notePairing(bracket, &before);
    if (withdrawn)
        becomeWithdrawn(bracket, node);
    else
        releaseWithdrawal(bracket, node);
    advanceUncontestedPicks(bracket);
    followThirdPlacePairing(bracket, &before);
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
    ThirdPlacePairing before;
    notePairing(bracket, &before);
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
    /* A cleared pick that had one possible entrant takes it, as it would
     * have if it had never been wrong. */
    if (clear && !result)
        advanceUncontestedPicks(bracket);
    /* Last, so semi-finals cleared above count already. */
    if (!isThirdPlaceChoice(bracket, bracket->thirdPlace.name) || !losersPicksValid(bracket))
        result = 0;
    if (clear)
        followThirdPlacePairing(bracket, &before);
    return result;
}

void clearNonBasePicks(Bracket *bracket)
{
    if (bracket->slotCount == 0)
        return;
    ThirdPlacePairing before;
    notePairing(bracket, &before);
    for (int k = 0; k < bracket->depth; k++) {
        for (BracketNode *node = leftmostAtLevel(bracket, k); node; node = nextInLevel(node))
            clearPick(bracket, node);
    }
    clearLosersPicks(bracket);
    advanceUncontestedPicks(bracket);
    followThirdPlacePairing(bracket, &before);
    bracket->dirty = 1;
}
