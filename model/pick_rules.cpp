#include "model/pick_rules.h"
#include "model/slot_control.h"
#include "model/third_place.h"

/* A result belongs to its match's pick and goes with it. */
static void clearPick(BracketNode *node)
{
    if (node->control)
        blankPickControl(node->control);
    node->name[0] = 0;
    node->result[0] = 0;
}

/* The entrant a first-round pick is fed by when the other feeder is a bye,
 * or NULL when the match is an ordinary one. */
static BracketNode *byeFedEntrant(const BracketNode *pick)
{
    BracketNode *left = pick->left, *right = pick->right;
    if (!left || left->left || !right || left->bye == right->bye)
        return NULL;
    return left->bye ? right : left;
}

/* The pick takes its entrant's name at once, control included: nobody is
 * there to beat, so there is no choice for the user to make. */
static void followEntrant(BracketNode *pick, const BracketNode *entrant)
{
    lstrcpynW(pick->name, entrant->name, NAME_CAPACITY);
    if (pick->control)
        showSoleChoice(pick->control, pick->name);
}

void advanceByePicks(Bracket *bracket)
{
    if (bracket->depth == 0)
        return;
    for (BracketNode *pick = leftmostAtLevel(bracket, bracket->depth - 1); pick; pick = nextInLevel(pick)) {
        BracketNode *entrant = byeFedEntrant(pick);
        if (entrant && lstrcmpW(pick->name, entrant->name) != 0)
            followEntrant(pick, entrant);
    }
}

int applySlotText(Bracket *bracket, BracketNode *node, const WCHAR *newText)
{
    if (bracket->slotCount == 0 || !node)
        return 0;
    if (lstrcmpW(newText, node->name) == 0)
        return 1;
    bracket->dirty = 1;
    if (node->name[0]) {
        for (BracketNode *up = node->parent; up && lstrcmpW(up->name, node->name) == 0; up = up->parent)
            clearPick(up);
    }
    lstrcpynW(node->name, newText, NAME_CAPACITY);
    /* Within the same change, so one undo step holds the rename and the
     * advanced pick together. */
    if (node->parent && byeFedEntrant(node->parent) == node)
        followEntrant(node->parent, node);
    /* The result told how the old winner won. */
    node->result[0] = 0;
    settleThirdPlace(bracket);
    return 1;
}

static int isInvalidPick(const BracketNode *node)
{
    return node->name[0] && lstrcmpW(node->name, node->left->name) != 0 &&
           lstrcmpW(node->name, node->right->name) != 0;
}

int validatePicks(Bracket *bracket, int clear)
{
    if (bracket->slotCount == 0)
        return 1;
    int result = 1;
    for (int k = bracket->depth - 1; k >= 0; k--) {
        for (BracketNode *node = leftmostAtLevel(bracket, k); node; node = nextInLevel(node)) {
            if (!isInvalidPick(node))
                continue;
            result = 0;
            if (clear) {
                bracket->dirty = 1;
                clearPick(node);
            }
        }
    }
    /* Last, so semi-finals cleared above count already. */
    if (!isThirdPlaceChoice(bracket, bracket->thirdPlace.name)) {
        result = 0;
        if (clear)
            settleThirdPlace(bracket);
    }
    return result;
}

void clearNonBasePicks(Bracket *bracket)
{
    if (bracket->slotCount == 0)
        return;
    for (int k = 0; k < bracket->depth; k++) {
        for (BracketNode *node = leftmostAtLevel(bracket, k); node; node = nextInLevel(node))
            clearPick(node);
    }
    advanceByePicks(bracket);
    settleThirdPlace(bracket);
    bracket->dirty = 1;
}
