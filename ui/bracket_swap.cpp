#include "ui/bracket_swap.h"

#include "model/undo_history.h"
#include "res/resource.h"
#include "ui/drawing_pause.h"
#include "ui/layout.h"
#include "ui/paste_team_list.h"

void setParkedButtonEnabled(HWND window, BOOL enabled)
{
    EnableWindow(GetDlgItem(window, IDC_PARKED_BUTTON), enabled);
}

void resetBracketQuietly(HWND window, Bracket *bracket)
{
    int paused = pauseDrawing(window);
    resetBracket(bracket);
    resumeDrawing(window, paused);
}

int showFreshBracket(HWND window, DocumentState *state, const WCHAR *title, FreshBracketBuilder build,
                     void *context)
{
    Bracket *bracket = state->bracket;
    setParkedButtonEnabled(window, FALSE);
    resetBracketQuietly(window, bracket);
    state->path[0] = 0;
    state->disk = FileFingerprint{};
    if (!build(bracket, context)) {
        setParkedButtonEnabled(window, TRUE);
        return 0;
    }
    lstrcpynW(bracket->title, title, TITLE_CAPACITY);
    layoutBracket(bracket, window, 1);
    watchBaseSlotPastes(bracket);
    bracket->dirty = 1;
    forgetUndoSavePoint(bracket);
    return 1;
}
