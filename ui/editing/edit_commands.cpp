#include "ui/editing/edit_commands.h"

#include "model/pick_rules.h"
#include "ui/window/layout.h"
#include "ui/dialogs/setup_dialog.h"

/* The read-only state lives only in the edit controls; the model and the
 * dirty flag are not touched. */
static void setBaseLock(Bracket *bracket, BOOL locked)
{
    for (BracketNode *node = leftmostAtLevel(bracket, bracket->depth); node; node = nextInLevel(node)) {
        if (node->control)
            SendMessageW(node->control, EM_SETREADONLY, locked, 0);
    }
}

void lockBaseSlots(HWND, DocumentState *state)
{
    setBaseLock(state->bracket, TRUE);
}

void unlockBaseSlots(HWND, DocumentState *state)
{
    setBaseLock(state->bracket, FALSE);
}

/* Clearing and validating ask nothing: unlike load and save, the user asked
 * for exactly this. */
void clearPicks(HWND, DocumentState *state)
{
    clearNonBasePicks(state->bracket);
}

void validateAllPicks(HWND, DocumentState *state)
{
    validatePicks(state->bracket, CLEAR_INVALID_PICKS);
}

/* Nothing can close the bracket while the modal dialog runs, but the count
 * is checked again before the title is taken all the same. A confirmed
 * title makes the bracket dirty even when it is the same. */
void editTitle(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    BracketSetup setup;
    lstrcpynW(setup.title, bracket->title, TITLE_CAPACITY);
    if (!runSetupDialog(window, bracket->resourceModule, &setup) || !bracket->slotCount)
        return;
    lstrcpynW(bracket->title, setup.title, TITLE_CAPACITY);
    setBracketCaption(window, bracket);
    bracket->dirty = 1;
}
