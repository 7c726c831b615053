/* The message for a picture that could not be exported, copied or printed:
 * what failed, on what, and the system's reason. */
#ifndef DUELMARK_UI_COMMON_PICTURE_FAILURE_H
#define DUELMARK_UI_COMMON_PICTURE_FAILURE_H

#include <windows.h>

#include "model/bracket.h"

/* Shows a message box owned by window: the format string formatId (one
 * "%s" for subject, one for the reason) with the system's text for reason
 * (a Win32 code or an HRESULT). */
void showPictureFailure(HWND window, Bracket *bracket, UINT formatId, const WCHAR *subject, DWORD reason);

#endif
