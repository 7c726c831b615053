#include "ui/editing/draw_teams.h"
#include "model/team_draw.h"
#include "ui/editing/edit_history.h"

void drawTeams(HWND, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    shuffleBaseSlots(bracket, cryptoRandomBelow, NULL);
    showBaseSlotNames(bracket);
}
