/* Crash-safe replacement of a file's contents. Private to file/. */
#ifndef DUELMARK_FILE_SAFE_REPLACE_H
#define DUELMARK_FILE_SAFE_REPLACE_H

#include <windows.h>

/* Writes size bytes to a temporary file beside path, flushes it, then puts
 * it in path's place in one step. Returns 1 when path holds exactly those
 * bytes; 0 with the old file (or its absence) untouched and no temporary
 * file left. A read-only, busy or directory target is refused. */
int replaceFileContents(const WCHAR *path, const void *bytes, DWORD size);

#endif
