#include "ui/common/picture_failure.h"

#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/common/system_error_text.h"

void showPictureFailure(HWND window, Bracket *bracket, UINT formatId, const WCHAR *subject, DWORD reason)
{
    WCHAR caption[128], why[256];
    WCHAR text[2048];
    if (!loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    systemErrorText(bracket->resourceModule, reason, why, 256);
    const WCHAR *inserts[] = {subject ? subject : L"", why};
    if (!loadMessageText(bracket->resourceModule, formatId, inserts, 2, text, 2048))
        formatMessageText(L"%1\n\n%2", inserts, 2, text, 2048);
    MessageBoxW(window, text, caption, MB_OK | MB_ICONERROR);
}
