/* The platform's own words for an error code, as failure messages show them. */
#ifndef DUELMARK_UI_COMMON_SYSTEM_ERROR_TEXT_H
#define DUELMARK_UI_COMMON_SYSTEM_ERROR_TEXT_H

#include <windows.h>

/* Writes the system's text for error into text without its closing line
 * break; where the system has none, "error <number>" from module's
 * strings (the number in hexadecimal for an HRESULT, which is how its
 * documentation lists it). Returns the length written. */
int systemErrorText(HMODULE module, DWORD error, WCHAR *text, int capacity);

#endif
