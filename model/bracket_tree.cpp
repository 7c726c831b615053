#include "model/bracket.h"
#include "model/group_stage.h"
#include "model/heap.h"
#include "model/losers_rounds.h"
#include "model/match_record.h"
#include "model/slot_control.h"
#include "model/undo_history.h"

static void emptyRecord(Bracket *bracket)
{
    bracket->dirty = 0;
    bracket->slotCount = 0;
    bracket->depth = 0;
    emptyMatch(&bracket->root, NULL, 0);
    bracket->nodeTable = NULL;
    bracket->title[0] = 0;
    UndoHistory empty = {};
    bracket->history = empty;
    emptyMatch(&bracket->thirdPlace, NULL, 0);
    bracket->thirdPlaceOn = 0;
    bracket->thirdPlacePairing = 0;
    bracket->losers.on = 0;
    bracket->losers.reset = 1;
    bracket->losers.matches = NULL;
    bracket->losers.pairings = NULL;
    bracket->groups.on = 0;
    bracket->groups.rules = 0;
    bracket->groups.advancing = 0;
    bracket->groups.groupCount = 0;
    bracket->groups.groups = NULL;
    bracket->entrants = EntrantList{};
}

Bracket *initBracket(Bracket *bracket, HMODULE module)
{
    emptyRecord(bracket);
    for (UndoWatcher &watcher : bracket->watchers)
        watcher = UndoWatcher{};
    bracket->pickRuled = NULL;
    if (module)
        bracket->resourceModule = module;
    return bracket;
}

/* Both children are linked before either subtree is built, so a failure
 * anywhere leaves a tree that freePartialTree can walk. */
int buildSubtree(BracketNode *node, int levelsBelow)
{
    emptyMatch(node, node->parent, node->id);
    if (levelsBelow <= 0)
        return 1;
    node->left = (BracketNode *)allocBlock(sizeof(BracketNode));
    if (!node->left)
        return 0;
    emptyMatch(node->left, node, 0);
    node->right = (BracketNode *)allocBlock(sizeof(BracketNode));
    if (!node->right)
        return 0;
    emptyMatch(node->right, node, 0);
    if (!buildSubtree(node->left, levelsBelow - 1))
        return 0;
    return buildSubtree(node->right, levelsBelow - 1);
}

/* Frees whatever a failed build managed to allocate below node. The tree is
 * at most a few levels deep (MAX_TEAM_COUNT), so recursion is bounded. */
static void freePartialTree(BracketNode *node)
{
    BracketNode *children[2] = { node->left, node->right };
    node->left = NULL;
    node->right = NULL;
    for (int i = 0; i < 2; i++) {
        if (children[i]) {
            freePartialTree(children[i]);
            freeBlock(children[i]);
        }
    }
}

int buildBracket(Bracket *bracket, int teamCount)
{
    if (teamCount > MAX_TEAM_COUNT)
        return 0;
    int depth = 0;
    int slots = 1;
    if (teamCount > 1) {
        while (slots < teamCount) {
            slots *= 2;
            depth++;
        }
    }
    bracket->depth = depth;
    emptyMatch(&bracket->root, NULL, 0);
    bracket->slotCount = slots;

    int built = buildSubtree(&bracket->root, depth);
    int nodeCount = 2 * slots - 1;
    BracketNode **table = built ? (BracketNode **)allocBlock(nodeCount * sizeof(BracketNode *)) : NULL;
    if (!table) {
        freePartialTree(&bracket->root);
        emptyRecord(bracket);
        return 0;
    }
    bracket->nodeTable = table;

    int counter = 0;
    for (int k = depth; k >= 0; k--) {
        for (BracketNode *node = leftmostAtLevel(bracket, k); node; node = nextInLevel(node)) {
            if (counter < nodeCount) {
                table[counter] = node;
                node->id = (UINT)(counter + 1);
                counter++;
            }
        }
    }
    return 1;
}

BracketNode *leftmostAtLevel(Bracket *bracket, int k)
{
    BracketNode *node = &bracket->root;
    for (int i = 0; i < k && node->left; i++)
        node = node->left;
    return node;
}

/* Ids are given level by level from the first round up (buildBracket), so
 * the levels below k hold 2N - 2^(k+1) of them. */
UINT firstIdAtLevel(const Bracket *bracket, int k)
{
    return (UINT)(2 * bracket->slotCount - (2 << k) + 1);
}

BracketNode *nextInLevel(BracketNode *node)
{
    BracketNode *parent = node->parent;
    if (!parent)
        return NULL;
    if (parent->left == node)
        return parent->right;
    /* Climb until we leave a left subtree, then come down its right
     * sibling's left edge by as many levels as we climbed. */
    BracketNode *climber = parent;
    int up = 1;
    for (;;) {
        BracketNode *above = climber->parent;
        if (!above)
            return NULL;
        if (above->left == climber) {
            BracketNode *s = above->right;
            while (up > 0 && s->left) {
                s = s->left;
                up--;
            }
            return s;
        }
        climber = above;
        up++;
    }
}

void destroyBracket(Bracket *bracket)
{
    destroySlotControls(bracket);
    freeLosersBracket(&bracket->losers);
    freeGroupStage(&bracket->groups);
    freeEntrantList(&bracket->entrants);
    discardUndoHistory(&bracket->history);
    freeBlock(bracket->nodeTable);
    /* Deepest level first: the walk climbs through parents, which must
     * still be allocated. */
    for (int k = bracket->depth; k >= 1; k--) {
        BracketNode *node = leftmostAtLevel(bracket, k);
        while (node) {
            BracketNode *next = nextInLevel(node);
            freeBlock(node);
            node = next;
        }
    }
}

void resetBracket(Bracket *bracket)
{
    destroyBracket(bracket);
    emptyRecord(bracket);
}

void freeBracket(Bracket *bracket)
{
    destroyBracket(bracket);
    freeBlock(bracket);
}
