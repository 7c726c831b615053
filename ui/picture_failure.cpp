#include "ui/picture_failure.h"

#include "res/resource.h"
#include "ui/fallback_string.h"
#include "ui/system_error_text.h"

/* The platform's words for the reason; a code it has no text for is shown
 * as a number, which still tells support something. */
static void describeReason(DWORD reason, WCHAR *text, int capacity)
{
    if (!systemErrorText(reason, text, capacity))
        wsprintfW(text, L"0x%08X", reason);
}

void showPictureFailure(HWND window, Bracket *bracket, UINT formatId, const WCHAR *subject, DWORD reason)
{
    WCHAR caption[128], format[256], why[256];
    /* wsprintfW writes at most 1024 units; the subject is cut so the reason
     * always fits after it. */
    WCHAR shortSubject[512];
    WCHAR text[1024];
    if (!loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    if (!loadStringWithFallback(bracket->resourceModule, formatId, format, 256))
        lstrcpyW(format, L"%s\n\n%s");
    describeReason(reason, why, 256);
    lstrcpynW(shortSubject, subject ? subject : L"", 512);
    wsprintfW(text, format, shortSubject, why);
    MessageBoxW(window, text, caption, MB_OK | MB_ICONERROR);
}
