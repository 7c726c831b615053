/* What a file on disk held when the editor last read or wrote it, so that a
 * save can tell whether some other window or program replaced it since. */
#ifndef DUELMARK_FILE_FILE_FINGERPRINT_H
#define DUELMARK_FILE_FILE_FINGERPRINT_H

#include <windows.h>

struct FileFingerprint {
    int present;           /* 0: no file there, or it could not be read */
    ULONGLONG size;
    FILETIME lastWrite;
    ULONGLONG contentHash; /* 64-bit FNV-1a over every byte */
    int unverified;        /* taken on a recovery copy's word, not from the file:
                            * writing over that file asks first */
};

/* The 64-bit FNV-1a hash of size bytes, as a fingerprint takes of a file. */
ULONGLONG hashContent(const void *bytes, DWORD size);

/* Reads the file at path whole. Returns 1 with print filled, or 0 with
 * print->present 0 when there is no file or it cannot be read. */
int takeFileFingerprint(const WCHAR *path, FileFingerprint *print);

/* Whether the file at path differs from known: 1 when it was changed or
 * deleted, or appeared where none was known; a file that cannot be opened
 * at all is left to the save that follows. The same
 * bytes under a newer time count as unchanged: overwriting them loses
 * nothing. */
int fileChangedSince(const WCHAR *path, const FileFingerprint *known);

#endif
