#include "ui/editing/entrants_command.h"

#include "model/entrant_name.h"
#include "ui/dialogs/entrants_dialog.h"
#include "ui/window/layout.h"

static int standsInFirstRound(const WCHAR *name, void *context)
{
    Bracket *bracket = (Bracket *)context;
    for (int s = 0; bracket->depth > 0 && s < bracket->slotCount; s++) {
        if (sameEntrantName(bracket->nodeTable[s]->name, name))
            return 1;
    }
    return 0;
}

void editEntrants(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    if (!runEntrantsDialog(window, bracket->resourceModule, &bracket->entrants, standsInFirstRound, bracket))
        return;
    bracket->dirty = 1;
    setBracketCaption(window, bracket);
}
