#include "ui/draw_teams.h"
#include "model/team_draw.h"
#include "ui/edit_history.h"

void drawTeams(HWND, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    if (bracket->depth == 0)
        return;
    /* The lock lives in the edits alone, and covers all of them at once. */
    HWND first = leftmostAtLevel(bracket, bracket->depth)->control;
    if (first && (GetWindowLongPtrW(first, GWL_STYLE) & ES_READONLY))
        return;
    beginUndoStep(bracket, 0);
    shuffleBaseSlots(bracket, cryptoRandomBelow, NULL);
    showBaseSlotNames(bracket);
    endUndoStep(bracket);
}
