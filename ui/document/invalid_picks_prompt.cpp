#include "ui/document/invalid_picks_prompt.h"
#include "model/pick_rules.h"
#include "model/undo_history.h"
#include "res/resource.h"

int askClearInvalidPicks(HWND window, HMODULE resources)
{
    WCHAR caption[128];
    WCHAR text[256];
    if (!LoadStringW(resources, IDS_APP_TITLE, caption, 128))
        caption[0] = 0;
    if (!LoadStringW(resources, IDS_INVALID_PICKS, text, 256))
        text[0] = 0;
    return MessageBoxW(window, text, caption, MB_YESNO | MB_ICONQUESTION);
}

int settleInvalidPicks(HWND window, Bracket *bracket)
{
    if (validatePicks(bracket, CHECK_PICKS_ONLY))
        return 1;
    if (askClearInvalidPicks(window, bracket->resourceModule) != IDYES)
        return 0;
    beginUndoStep(bracket, 0);
    validatePicks(bracket, CLEAR_INVALID_PICKS);
    endUndoStep(bracket);
    return 1;
}
