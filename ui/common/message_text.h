/* Texts with inserts. A text comes from resources, and a satellite is data
 * anyone can write: it is never handed to a printf-style formatter. */
#ifndef DUELMARK_UI_COMMON_MESSAGE_TEXT_H
#define DUELMARK_UI_COMMON_MESSAGE_TEXT_H

#include <windows.h>

/* Copies text into out (capacity units), putting inserts[n - 1] where it
 * says %n (n from 1 to 9) and a single % where it says %%. Satellites made
 * before numbered inserts say %s or %d: each takes the next insert in turn.
 * An insert the caller does not have shows as nothing; any other % is kept
 * as written. A result too long for out is cut, never in a surrogate pair.
 * Returns the length written. */
int formatMessageText(const WCHAR *text, const WCHAR *const *inserts, int insertCount, WCHAR *out, int capacity);

/* Loads string id (from module, else from the executable) and formats it as
 * above. Returns the length written; 0 with out empty when the string is
 * missing from both. */
int loadMessageText(HMODULE module, UINT id, const WCHAR *const *inserts, int insertCount, WCHAR *out,
                    int capacity);

#endif
