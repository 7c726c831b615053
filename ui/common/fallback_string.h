/* Strings added after the first satellites were made: a satellite that
 * lacks one must not leave a blank in the user's face. */
#ifndef DUELMARK_UI_COMMON_FALLBACK_STRING_H
#define DUELMARK_UI_COMMON_FALLBACK_STRING_H

#include <windows.h>

/* Loads string id from module, else from the executable's own resources.
 * Returns the length loaded; 0 leaves buffer empty. */
int loadStringWithFallback(HMODULE module, UINT id, WCHAR *buffer, int capacity);

#endif
