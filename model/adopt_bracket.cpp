#include "model/adopt_bracket.h"

/* The root lives inside the record, so its children's parent links and its
 * node-table entry must follow it. destroyBracket forgot the old controls,
 * and a staged record was never laid out: no match comes with a control. */
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
    lstrcpynW(root->name, staged->root.name, NAME_CAPACITY);
    lstrcpynW(root->result, staged->root.result, RESULT_CAPACITY);
    root->details = staged->root.details;
    bracket->thirdPlaceOn = staged->thirdPlaceOn;
    bracket->thirdPlace = staged->thirdPlace;
    bracket->losers = staged->losers;
    bracket->groups = staged->groups;
    bracket->entrants = staged->entrants;
    if (root->left)
        root->left->parent = root;
    if (root->right)
        root->right->parent = root;
    bracket->nodeTable[root->id - 1] = root;
    initBracket(staged, NULL);
}
