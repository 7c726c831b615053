#include "model/bracket.h"
#include "model/heap.h"
#include "model/losers_rounds.h"
#include "model/slot_control.h"
#include "model/undo_history.h"

static void emptyDetails(MatchDetails *details)
{
    details->outcome = OUTCOME_PLAYED;
    details->court[0] = 0;
    details->time[0] = 0;
}

static void emptyNode(BracketNode *node, BracketNode *parent)
{
    node->parent = parent;
    node->left = NULL;
    node->right = NULL;
    node->id = 0;
    node->control = NULL;
    node->name[0] = 0;
    node->seed = 0;
    node->bye = 0;
    node->result[0] = 0;
    emptyDetails(&node->details);
}

static void emptyThirdPlace(ThirdPlaceMatch *match)
{
    emptyNode(match, NULL);
    match->on = 0;
    match->label = NULL;
}

static void emptyRecord(Bracket *bracket)
{
    bracket->dirty = 0;
    bracket->slotCount = 0;
    bracket->depth = 0;
    emptyNode(&bracket->root, NULL);
    bracket->nodeTable = NULL;
    bracket->title[0] = 0;
    UndoHistory empty = {};
    bracket->history = empty;
    emptyThirdPlace(&bracket->thirdPlace);
    bracket->losers.on = 0;
    bracket->losers.reset = 1;
    bracket->losers.matches = NULL;
    bracket->losers.pairings = NULL;
    bracket->entrants = EntrantList{};
}

Bracket *initBracket(Bracket *bracket, HMODULE module)
{
    emptyRecord(bracket);
    for (UndoWatcher &watcher : bracket->watchers)
        watcher = UndoWatcher{};
    if (module)
        bracket->resourceModule = module;
    return bracket;
}

/* Both children are linked before either subtree is built, so a failure
 * anywhere leaves a tree that freePartialTree can walk. */
int buildSubtree(BracketNode *node, int levelsBelow)
{
    node->name[0] = 0;
    node->seed = 0;
    node->bye = 0;
    node->result[0] = 0;
    emptyDetails(&node->details);
    node->control = NULL;
    node->left = NULL;
    node->right = NULL;
    if (levelsBelow <= 0)
        return 1;
    node->left = (BracketNode *)allocBlock(sizeof(BracketNode));
    if (!node->left)
        return 0;
    emptyNode(node->left, node);
    node->right = (BracketNode *)allocBlock(sizeof(BracketNode));
    if (!node->right)
        return 0;
    emptyNode(node->right, node);
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
    bracket->root.parent = NULL;
    bracket->root.left = NULL;
    bracket->root.right = NULL;
    bracket->root.control = NULL;
    bracket->root.name[0] = 0;
    bracket->root.seed = 0;
    bracket->root.bye = 0;
    bracket->root.result[0] = 0;
    emptyDetails(&bracket->root.details);
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

static void destroyControl(BracketNode *node)
{
    destroySlotControl(&node->control);
}

void destroyBracket(Bracket *bracket)
{
    destroyControl(&bracket->root);
    destroySlotControl(&bracket->thirdPlace.control);
    destroySlotControl(&bracket->thirdPlace.label);
    freeLosersBracket(bracket);
    freeEntrantList(&bracket->entrants);
    discardUndoHistory(bracket);
    freeBlock(bracket->nodeTable);
    /* Deepest level first: the walk climbs through parents, which must
     * still be allocated. */
    for (int k = bracket->depth; k >= 1; k--) {
        BracketNode *node = leftmostAtLevel(bracket, k);
        while (node) {
            BracketNode *next = nextInLevel(node);
            destroyControl(node);
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
