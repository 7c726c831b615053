/* System libraries that only some commands need, loaded when first needed
 * rather than by every start. */
#ifndef DUELMARK_UI_COMMON_SYSTEM_LIBRARY_H
#define DUELMARK_UI_COMMON_SYSTEM_LIBRARY_H

#include <windows.h>

/* The entry point name of the system library fileName (e.g. L"shell32.dll"),
 * loading it into *library on first use. Returns NULL when either is
 * missing. */
FARPROC systemLibraryEntry(HMODULE *library, const WCHAR *fileName, const char *name);

#endif
