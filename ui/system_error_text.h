/* The platform's own words for an error code, as failure messages show them. */
#ifndef DUELMARK_UI_SYSTEM_ERROR_TEXT_H
#define DUELMARK_UI_SYSTEM_ERROR_TEXT_H

#include <windows.h>

/* Writes the system's text for error into text without its closing line
 * break. Returns its length; 0 (text empty) when the system has none. */
int systemErrorText(DWORD error, WCHAR *text, int capacity);

#endif
