#include "ui/editing/edit_history.h"
#include "model/entrant_name.h"
#include "model/slot_control.h"
#include "model/pick_rules.h"
#include "model/undo_history.h"
#include "ui/window/layout.h"
#include "ui/window/pick_controls.h"
#include "ui/window/third_place_view.h"
#include "ui/window/losers_view.h"
#include "model/losers_bracket.h"
#include "model/group_stage.h"

void recordSlotTextChange(HWND control, Bracket *bracket)
{
    BracketNode *node = bracket->slotCount ? slotOfControl(control) : NULL;
    /* A control still being filled by the layout carries no slot yet and
     * changes nothing: no step to record, no snapshot to take. */
    if (!node)
        return;
    UINT typingSlot = node->left ? 0 : node->id;
    beginUndoStep(bracket, typingSlot);
    handleSlotTextChange(control, bracket);
    endUndoStep(bracket);
}

void showSlotName(BracketNode *node)
{
    HWND control = node->control;
    if (!control)
        return;
    if (!node->left) {
        WCHAR shown[NAME_CAPACITY];
        shownName(control, shown);
        /* Setting the same text again would only move the caret. */
        if (!sameName(shown, node->name))
            SendMessageW(control, WM_SETTEXT, 0, (LPARAM)node->name);
        return;
    }
    showSoleChoice(control, node->name);
}

void showBaseSlotNames(Bracket *bracket)
{
    if (!bracket->slotCount)
        return;
    for (BracketNode *node = leftmostAtLevel(bracket, bracket->depth); node; node = nextInLevel(node))
        showSlotName(node);
}

void showWholeKnockout(HWND window, Bracket *bracket)
{
    for (int id = 1; id < 2 * bracket->slotCount; id++)
        showSlotName(bracket->nodeTable[id - 1]);
    if (bracket->thirdPlaceOn)
        showThirdPlaceMatch(window, bracket);
    if (bracket->losers.on)
        showLosersBracket(window, bracket);
}

/* Called for each value a replayed step changed; NULL is the title. A
 * group match shows itself on the Groups page, which follows every step. */
static void showRestored(Bracket *bracket, BracketNode *node, void *window)
{
    int group, match;
    int sentinel = node == UNDO_THIRD_PLACE_SHOWN || node == UNDO_FORMAT_SHOWN || node == UNDO_ALL_SHOWN;
    if (node && !sentinel && findGroupMatch(&bracket->groups, node, &group, &match))
        return;
    if (node == UNDO_THIRD_PLACE_SHOWN)
        showThirdPlaceMatch((HWND)window, bracket);
    else if (node == UNDO_FORMAT_SHOWN)
        showLosersBracket((HWND)window, bracket);
    else if (losersNumberOf(bracket, node))
        showLosersPick(node);
    else if (node)
        showSlotName(node);
    else
        setBracketCaption((HWND)window, bracket);
}

void undoEdit(HWND window, DocumentState *state)
{
    undoStep(state->bracket, showRestored, window);
}

void redoEdit(HWND window, DocumentState *state)
{
    redoStep(state->bracket, showRestored, window);
}
