#include "ui/editing/third_place_command.h"

#include "model/third_place.h"
#include "model/undo_history.h"
#include "ui/window/pick_controls.h"
#include "ui/window/third_place_view.h"

void toggleThirdPlaceMatch(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    setThirdPlaceOn(bracket, !bracket->thirdPlaceOn);
    showThirdPlaceMatch(window, bracket);
}

void recordThirdPlaceChange(HWND control, Bracket *bracket)
{
    if (!bracket->slotCount || control != bracket->thirdPlace.control)
        return;
    WCHAR text[NAME_CAPACITY];
    shownName(control, text);
    beginUndoStep(bracket, 0);
    setThirdPlacePick(bracket, text);
    endUndoStep(bracket);
}
