/* Short texts kept as the parts of one resource string, "Name|Club|...":
 * a set of headings or reasons that only make sense together is translated
 * together. */
#ifndef DUELMARK_UI_COMMON_STRING_PARTS_H
#define DUELMARK_UI_COMMON_STRING_PARTS_H

#include <windows.h>

/* Part index (from 0) of string id, loaded with a fallback to the
 * executable's own text, into out (capacity units). A part the string
 * lacks comes out as fallback. Returns the length written. */
int loadStringPart(HMODULE module, UINT id, int index, const WCHAR *fallback, WCHAR *out, int capacity);

#endif
