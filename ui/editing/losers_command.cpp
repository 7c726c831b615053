#include "ui/editing/losers_command.h"

#include "model/losers_bracket.h"
#include "model/losers_picks.h"
#include "model/slot_control.h"
#include "model/undo_history.h"
#include "ui/window/losers_view.h"
#include "ui/window/pick_controls.h"

/* The nodes are made before the step starts, so the step finds them and
 * undo can bring the format back with every pick. Without the memory for
 * them nothing changes. */
void toggleDoubleElimination(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    if (!bracket->losers.on && !prepareLosersBracket(bracket))
        return;
    beginUndoStep(bracket, 0);
    setDoubleEliminationOn(bracket, !bracket->losers.on);
    endUndoStep(bracket);
    showLosersBracket(window, bracket);
}

void toggleGrandFinalReset(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    setGrandFinalReset(bracket, !bracket->losers.reset);
    showLosersBracket(window, bracket);
}
