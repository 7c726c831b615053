#include "ui/document/new_from_list.h"

#include "model/group_event.h"
#include "model/heap.h"
#include "model/losers_bracket.h"
#include "model/seeding.h"
#include "ui/document/document.h"
#include "ui/dialogs/new_from_list_dialog.h"

static int buildFromList(Bracket *bracket, void *context)
{
    EntrantList *list = (EntrantList *)context;
    int built = list->groups ? buildGroupEventFromList(bracket, list->entrants, &list->groupFormat,
                                                       cryptoRandomBelow, NULL)
                             : buildBracketFromList(bracket, list->entrants, list->placement, cryptoRandomBelow,
                                                    NULL);
    if (!built)
        return 0;
    /* Two entrants have no losers' bracket: they play single elimination. */
    if (list->doubleElimination && prepareLosersBracket(bracket))
        setDoubleEliminationOn(bracket, 1);
    return 1;
}

void newBracketFromList(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    EntrantList list;
    if (!runNewFromListDialog(window, bracket->resourceModule, &list))
        return;
    showFreshBracket(window, state, list.title, buildFromList, &list);
    freeBlock(list.entrants);
}
