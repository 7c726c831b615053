#include "ui/editing/draw_teams.h"
#include "model/entrant_draw.h"
#include "model/heap.h"
#include "model/team_draw.h"
#include "ui/editing/club_clash_message.h"
#include "ui/editing/edit_history.h"

/* With clubs in the list the first round is drawn again by the rule that
 * keeps club-mates apart; without them it is the plain shuffle it always
 * was. */
void drawTeams(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    Entrant *field = (Entrant *)allocBlock(sizeof(Entrant) * MAX_TEAM_COUNT);
    SeparatedDraw *draw = (SeparatedDraw *)allocBlock(sizeof(SeparatedDraw));
    int current[MAX_TEAM_COUNT];
    int count = field && draw ? firstRoundField(bracket, field, current) : 0;
    int separated = count > 0 && fieldHasClubs(field, count) &&
                    redrawFirstRound(field, count, current, bracket->slotCount, cryptoRandomBelow, NULL, draw);
    if (separated)
        applyFirstRoundDraw(bracket, field, draw);
    else
        shuffleBaseSlots(bracket, cryptoRandomBelow, NULL);
    showBaseSlotNames(bracket);
    if (separated)
        reportClubClashes(window, bracket, field, draw);
    freeBlock(draw);
    freeBlock(field);
}
