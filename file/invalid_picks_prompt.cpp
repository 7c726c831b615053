#include "file/bracket_file.h"
#include "res/resource.h"

int askClearInvalidPicks(Bracket *bracket, HWND window)
{
    WCHAR caption[128];
    WCHAR text[256];
    if (!LoadStringW(bracket->resourceModule, IDS_APP_TITLE, caption, 128))
        caption[0] = 0;
    if (!LoadStringW(bracket->resourceModule, IDS_INVALID_PICKS, text, 256))
        text[0] = 0;
    return MessageBoxW(window, text, caption, MB_YESNO | MB_ICONQUESTION);
}
