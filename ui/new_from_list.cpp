#include "ui/new_from_list.h"

#include "model/heap.h"
#include "model/seeding.h"
#include "res/resource.h"
#include "ui/drawing_pause.h"
#include "ui/layout.h"
#include "ui/new_from_list_dialog.h"
#include "ui/paste_team_list.h"
#include "ui/save_prompt.h"

void newBracketFromList(HWND window, DocumentState *state)
{
    if (!allowDiscardingChanges(window, state))
        return;
    Bracket *bracket = state->bracket;
    EntrantList list;
    if (!runNewFromListDialog(window, bracket->resourceModule, &list))
        return;
    /* The parked button is enabled exactly while no bracket is open. */
    HWND parked = GetDlgItem(window, IDC_PARKED_BUTTON);
    EnableWindow(parked, FALSE);
    int paused = pauseDrawing(window);
    resetBracket(bracket);
    resumeDrawing(window, paused);
    state->path[0] = 0;
    int built = buildBracketFromList(bracket, list.entrants, list.placement, cryptoRandomBelow, NULL);
    freeBlock(list.entrants);
    if (!built) {
        /* Out of memory or no random draw: the old bracket is gone already,
         * so the window falls back to the empty state, as New does. */
        EnableWindow(parked, TRUE);
        return;
    }
    lstrcpynW(bracket->title, list.title, TITLE_CAPACITY);
    layoutBracket(bracket, window, 1);
    watchBaseSlotPastes(bracket);
    bracket->dirty = 1;
    forgetUndoSavePoint(bracket);
}
