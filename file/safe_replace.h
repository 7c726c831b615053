/* Crash-safe replacement of a file's contents. Private to file/, but for
 * removeLeftTemporaryFiles, which the document calls when it opens a file
 * and when it starts keeping recovery copies. */
#ifndef DUELMARK_FILE_SAFE_REPLACE_H
#define DUELMARK_FILE_SAFE_REPLACE_H

#include <windows.h>

/* Judges the complete, flushed temporary file before it takes the target's
 * place. Returns 1 to let it in, 0 to keep the old file. */
typedef int (*ReplacementCheck)(const WCHAR *temporaryPath, void *context);

/* Writes size bytes to a temporary file beside path, flushes it, then puts
 * it in path's place in one step. Returns 1 when path holds exactly those
 * bytes; 0 with the old file (or its absence) untouched, no temporary file
 * left and GetLastError() giving the reason. A read-only, busy or directory
 * target is refused. */
int replaceFileContents(const WCHAR *path, const void *bytes, DWORD size);

/* The same, with check asked between writing the temporary file and
 * swapping it in; a refusal gives 0 with ERROR_INVALID_DATA. */
int replaceFileContentsChecked(const WCHAR *path, const void *bytes, DWORD size, ReplacementCheck check,
                               void *context);

/* The same for a file only this program writes, in a folder of its own
 * (nothing to keep of the old file but its name): the new contents take
 * the name in one step, so the file is never missing, not even for a
 * moment, and a temporary file is all a kill half-way can leave. */
int replaceOwnFileContents(const WCHAR *path, const void *bytes, DWORD size, ReplacementCheck check, void *context);

/* Removes the temporary files a replace left in the folder of path when
 * its process was killed part-way. A file counts as left only when the
 * process named in it is gone: no such process, one that has ended, or
 * one that started after the file was last written (process ids are handed
 * out again). Backups (".bak") are never removed: a kill inside the swap
 * can leave the only copy of the old file under that name. */
void removeLeftTemporaryFiles(const WCHAR *path);

#endif
