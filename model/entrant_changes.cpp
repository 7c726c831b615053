#include "model/entrant_changes.h"
#include "model/match_record.h"
#include "model/change_cascade.h"
#include "model/entrant_name.h"
#include "model/group_stage.h"
#include "model/losers_bracket.h"
#include "model/match_outcome.h"
#include "model/match_schedule.h"
#include "model/pick_rules.h"

static int isFirstRoundSlot(Bracket *bracket, const BracketNode *slot)
{
    return slot && bracket->slotCount && bracket->depth > 0 && !slot->left && slot->id >= 1 &&
           slot->id <= (UINT)bracket->slotCount && bracket->nodeTable[slot->id - 1] == slot;
}

BracketNode *firstRoundSlotNamed(Bracket *bracket, const WCHAR *name)
{
    if (!bracket->slotCount || bracket->depth == 0 || !name[0])
        return NULL;
    for (int i = 0; i < bracket->slotCount; i++) {
        if (sameName(bracket->nodeTable[i]->name, name))
            return bracket->nodeTable[i];
    }
    return NULL;
}

int entrantNameTaken(Bracket *bracket, const WCHAR *name, const WCHAR *self)
{
    const WCHAR *at = name;
    while (*at == L' ')
        at++;
    if (!*at)
        return 1;
    for (int i = 0; i < bracket->slotCount && bracket->depth > 0; i++) {
        const WCHAR *other = bracket->nodeTable[i]->name;
        if (!(self && sameName(other, self)) && sameEntrantName(other, name))
            return 1;
    }
    const EntrantList *list = &bracket->entrants;
    for (int i = 0; i < list->count; i++) {
        const WCHAR *other = list->items[i].name;
        if (!(self && sameName(other, self)) && sameEntrantName(other, name))
            return 1;
    }
    for (int g = 0; g < bracket->groups.groupCount; g++) {
        const StageGroup *group = &bracket->groups.groups[g];
        for (int k = 0; k < group->count; k++) {
            if (!(self && sameName(group->entrant[k], self)) && sameEntrantName(group->entrant[k], name))
                return 1;
        }
    }
    return 0;
}

int isGroupEntrant(Bracket *bracket, const WCHAR *name)
{
    for (int g = 0; name[0] && g < bracket->groups.groupCount; g++) {
        const StageGroup *group = &bracket->groups.groups[g];
        for (int k = 0; k < group->count; k++) {
            if (sameName(group->entrant[k], name))
                return 1;
        }
    }
    return 0;
}

/* Every match of the bracket, the tree's first, each given to visit. */
static void visitMatches(Bracket *bracket, void (*visit)(BracketNode *, void *), void *context)
{
    for (int i = 0; i < 2 * bracket->slotCount - 1; i++)
        visit(bracket->nodeTable[i], context);
    visit(&bracket->thirdPlace, context);
    if (bracket->losers.matches) {
        for (int k = 0; k < bracket->slotCount; k++)
            visit(&bracket->losers.matches[k], context);
    }
}

struct Renaming {
    const WCHAR *from;
    const WCHAR *to;
};

static void renameIn(BracketNode *node, void *context)
{
    const Renaming *renaming = (const Renaming *)context;
    if (sameName(node->name, renaming->from))
        lstrcpynW(node->name, renaming->to, NAME_CAPACITY);
}

int renameEntrant(Bracket *bracket, const WCHAR *oldName, const WCHAR *newName)
{
    if ((!firstRoundSlotNamed(bracket, oldName) && !isGroupEntrant(bracket, oldName)) ||
        entrantNameTaken(bracket, newName, oldName))
        return 0;
    WCHAR from[NAME_CAPACITY];
    lstrcpynW(from, oldName, NAME_CAPACITY);
    Renaming renaming = {from, newName};
    visitMatches(bracket, renameIn, &renaming);
    /* A group's table and its matches' winners go by name: renamed in
     * place, every group result still belongs to the same entrant. */
    for (int g = 0; g < bracket->groups.groupCount; g++) {
        StageGroup *group = &bracket->groups.groups[g];
        for (int k = 0; k < group->count; k++) {
            if (sameName(group->entrant[k], from))
                lstrcpynW(group->entrant[k], newName, NAME_CAPACITY);
        }
        for (int m = 0; m < group->matchCount; m++)
            renameIn(&group->match[m], &renaming);
    }
    int listed = findEntrant(&bracket->entrants, from);
    if (listed >= 0)
        lstrcpynW(bracket->entrants.items[listed].name, newName, NAME_CAPACITY);
    /* Pairings are noted by name: the same pairing under the
     * new name is no new pairing, so nothing is reopened later. */
    noteMatchPairings(bracket);
    bracket->dirty = 1;
    return 1;
}

int swapEntrants(Bracket *bracket, BracketNode *first, BracketNode *second)
{
    if (!isFirstRoundSlot(bracket, first) || !isFirstRoundSlot(bracket, second) || first == second ||
        !first->name[0] || !second->name[0])
        return 0;
    WCHAR firstName[NAME_CAPACITY], secondName[NAME_CAPACITY];
    lstrcpynW(firstName, first->name, NAME_CAPACITY);
    lstrcpynW(secondName, second->name, NAME_CAPACITY);
    /* One name leaves before it arrives elsewhere, so no pick or tip ever
     * sees it twice. */
    applySlotText(bracket, first, L"");
    applySlotText(bracket, second, firstName);
    applySlotText(bracket, first, secondName);
    int seed = first->seed;
    first->seed = second->seed;
    second->seed = seed;
    bracket->dirty = 1;
    return 1;
}

int entrantHasPlayed(Bracket *bracket, BracketNode *slot)
{
    if (!isFirstRoundSlot(bracket, slot) || !slot->name[0])
        return 0;
    for (BracketNode *node = slot; node->parent; node = node->parent) {
        BracketNode *match = node->parent;
        BracketNode *other = match->left == node ? match->right : match->left;
        if (!match->name[0] && !isWithdrawn(match))
            break;
        if (!sendsNobody(other) || !sameName(match->name, slot->name))
            return 1;
    }
    /* Won nothing yet but what nobody contested: the winners' bracket is
     * the only place a first match can be. */
    return 0;
}

int isReserve(Bracket *bracket, const WCHAR *name)
{
    if (findEntrant(&bracket->entrants, name) < 0)
        return 0;
    for (int i = 0; i < bracket->slotCount && bracket->depth > 0; i++) {
        if (sameEntrantName(bracket->nodeTable[i]->name, name))
            return 0;
    }
    return 1;
}

int replaceEntrant(Bracket *bracket, BracketNode *slot, const WCHAR *reserve)
{
    if (!isFirstRoundSlot(bracket, slot) || entrantHasPlayed(bracket, slot))
        return 0;
    /* A listed reserve is the one entrant a taken name may be. */
    if (!isReserve(bracket, reserve) && entrantNameTaken(bracket, reserve, slot->name))
        return 0;
    applySlotText(bracket, slot, reserve);
    return 1;
}

struct NextMatch {
    Bracket *bracket;
    const WCHAR *name;
    BracketNode *match;
};

static void findNextMatch(BracketNode *node, void *context)
{
    NextMatch *next = (NextMatch *)context;
    Bracket *bracket = next->bracket;
    if (next->match)
        return;
    if (node == &bracket->thirdPlace ? !bracket->thirdPlaceOn
                                     : losersNumberOf(bracket, node) ? !bracket->losers.on : !node->left)
        return;
    if (isMatchDecided(bracket, node))
        return;
    const WCHAR *first, *second;
    matchEntrants(bracket, node, &first, &second);
    if (sameName(first, next->name) || sameName(second, next->name))
        next->match = node;
}

int withdrawEntrant(Bracket *bracket, BracketNode *slot)
{
    if (!isFirstRoundSlot(bracket, slot) || !slot->name[0])
        return WITHDRAW_NO_MATCH_LEFT;
    NextMatch next = {bracket, slot->name, NULL};
    visitMatches(bracket, findNextMatch, &next);
    if (!next.match)
        return WITHDRAW_NO_MATCH_LEFT;
    const WCHAR *first, *second;
    matchEntrants(bracket, next.match, &first, &second);
    const WCHAR *opponent = sameName(first, slot->name) ? second : first;
    if (!opponent[0])
        return WITHDRAW_NO_OPPONENT;
    WCHAR winner[NAME_CAPACITY];
    lstrcpynW(winner, opponent, NAME_CAPACITY);
    return setMatchOutcome(bracket, next.match, winner, L"", OUTCOME_WALKOVER) ? WITHDRAWN_BY_WALKOVER
                                                                                : WITHDRAW_NO_OPPONENT;
}
