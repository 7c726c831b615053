#include "file/file_fingerprint.h"

enum { CHUNK_BYTES = 16 * 1024 };

static const ULONGLONG FNV_OFFSET = 14695981039346656037ull;
static const ULONGLONG FNV_PRIME = 1099511628211ull;

/* Shares everything, so that a file another window holds open for reading
 * or writing is still fingerprinted. */
static HANDLE openForFingerprint(const WCHAR *path)
{
    return CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, NULL);
}

static ULONGLONG continueHash(ULONGLONG value, const BYTE *bytes, DWORD size)
{
    for (DWORD i = 0; i < size; i++)
        value = (value ^ bytes[i]) * FNV_PRIME;
    return value;
}

ULONGLONG hashContent(const void *bytes, DWORD size)
{
    return continueHash(FNV_OFFSET, (const BYTE *)bytes, size);
}

static int hashWholeFile(HANDLE file, ULONGLONG *hash)
{
    BYTE chunk[CHUNK_BYTES];
    ULONGLONG value = FNV_OFFSET;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, chunk, CHUNK_BYTES, &got, NULL))
            return 0;
        if (got == 0)
            break;
        value = continueHash(value, chunk, got);
    }
    *hash = value;
    return 1;
}

/* Size and time only; the caller hashes when it needs the content. */
static int readFileHeader(HANDLE file, FileFingerprint *print)
{
    LARGE_INTEGER size;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size) ||
        !GetFileTime(file, NULL, NULL, &print->lastWrite))
        return 0;
    print->size = (ULONGLONG)size.QuadPart;
    return 1;
}

int takeFileFingerprint(const WCHAR *path, FileFingerprint *print)
{
    *print = FileFingerprint{};
    HANDLE file = openForFingerprint(path);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    int result = readFileHeader(file, print) && hashWholeFile(file, &print->contentHash);
    CloseHandle(file);
    print->present = result;
    return result;
}

int fileChangedSince(const WCHAR *path, const FileFingerprint *known)
{
    HANDLE file = openForFingerprint(path);
    /* Only a file gone from a folder that is still there counts as
     * removed. One that cannot be opened (held without sharing, now a
     * folder, its folder gone) cannot have been read by anyone else either:
     * the save itself fails and says why. */
    if (file == INVALID_HANDLE_VALUE)
        return known->present && GetLastError() == ERROR_FILE_NOT_FOUND;
    FileFingerprint now = {};
    /* A size that differs settles it without reading a possibly huge file. */
    int changed = !known->present || !readFileHeader(file, &now) || now.size != known->size;
    if (!changed)
        changed = !hashWholeFile(file, &now.contentHash) || now.contentHash != known->contentHash;
    CloseHandle(file);
    return changed;
}
