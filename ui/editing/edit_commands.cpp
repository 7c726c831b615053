#include "ui/editing/edit_commands.h"

#include "model/pick_rules.h"
#include "model/undo_history.h"
#include "ui/window/base_lock.h"
#include "ui/window/layout.h"
#include "ui/dialogs/setup_dialog.h"

void lockBaseSlots(HWND, DocumentState *state)
{
    setBaseSlotsReadOnly(state->bracket, TRUE);
}

void unlockBaseSlots(HWND, DocumentState *state)
{
    setBaseSlotsReadOnly(state->bracket, FALSE);
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
    tellUndoWatchers(bracket, NULL);
}
