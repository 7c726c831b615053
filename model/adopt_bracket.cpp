#include "model/adopt_bracket.h"

/* The root lives inside the record, so its children's parent links and its
 * node-table entry must follow it. */
void adoptStagedBracket(Bracket *bracket, Bracket *staged)
{
    BracketNode *root = &bracket->root;
    destroyBracket(bracket);
    bracket->dirty = 0;
    bracket->slotCount = staged->slotCount;
    bracket->depth = staged->depth;
    bracket->nodeTable = staged->nodeTable;
    lstrcpynW(bracket->title, staged->title, TITLE_CAPACITY);
    root->parent = NULL;
    root->left = staged->root.left;
    root->right = staged->root.right;
    root->id = staged->root.id;
    root->control = NULL;
    lstrcpynW(root->name, staged->root.name, NAME_CAPACITY);
    lstrcpynW(root->result, staged->root.result, RESULT_CAPACITY);
    root->details = staged->root.details;
    bracket->thirdPlace = staged->thirdPlace;
    bracket->thirdPlace.control = NULL;
    bracket->thirdPlace.label = NULL;
    bracket->losers = staged->losers;
    bracket->entrants = staged->entrants;
    if (root->left)
        root->left->parent = root;
    if (root->right)
        root->right->parent = root;
    bracket->nodeTable[root->id - 1] = root;
    initBracket(staged, NULL);
}
