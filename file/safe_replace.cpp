#include "file/safe_replace.h"

/* Room for an extended-length path: a target near the classic 259-unit
 * limit still needs a temporary name beside it, which may run past it. */
enum { LONG_PATH_CAPACITY = 1024, TEMP_NAME_TRIES = 64 };

static int startsWith(const WCHAR *text, const WCHAR *prefix)
{
    for (; *prefix; text++, prefix++) {
        if (*text != *prefix)
            return 0;
    }
    return 1;
}

static int appendText(WCHAR *buffer, int capacity, const WCHAR *text)
{
    int used = lstrlenW(buffer);
    if (used + lstrlenW(text) >= capacity)
        return 0;
    lstrcpyW(buffer + used, text);
    return 1;
}

/* The full path in "\\?\" form, so names past 259 units work and nothing
 * reinterprets them. Device paths ("\\.\") are refused. */
static int extendedFullPath(const WCHAR *path, WCHAR *out)
{
    WCHAR full[LONG_PATH_CAPACITY];
    DWORD length = GetFullPathNameW(path, LONG_PATH_CAPACITY, full, NULL);
    if (length == 0 || length >= LONG_PATH_CAPACITY)
        return 0;
    out[0] = 0;
    if (startsWith(full, L"\\\\?\\"))
        return appendText(out, LONG_PATH_CAPACITY, full);
    if (startsWith(full, L"\\\\.\\"))
        return 0;
    if (startsWith(full, L"\\\\"))
        return appendText(out, LONG_PATH_CAPACITY, L"\\\\?\\UNC\\") &&
               appendText(out, LONG_PATH_CAPACITY, full + 2);
    return appendText(out, LONG_PATH_CAPACITY, L"\\\\?\\") && appendText(out, LONG_PATH_CAPACITY, full);
}

/* A name in target's folder, different on every call of this process. */
static int siblingName(const WCHAR *target, const WCHAR *kind, WCHAR *out)
{
    static LONG counter;
    int folderEnd = -1;
    for (int i = 0; target[i]; i++) {
        if (target[i] == L'\\')
            folderEnd = i;
    }
    if (folderEnd < 0 || target[folderEnd + 1] == 0)
        return 0;
    lstrcpynW(out, target, folderEnd + 2);
    WCHAR suffix[48];
    wsprintfW(suffix, L"~dm%lx-%lx.%s", GetCurrentProcessId(), (unsigned long)InterlockedIncrement(&counter),
              kind);
    return appendText(out, LONG_PATH_CAPACITY, suffix);
}

static int writeAll(HANDLE file, const void *bytes, DWORD size)
{
    DWORD written = 0;
    return WriteFile(file, bytes, size, &written, NULL) && written == size;
}

/* Creates a fresh temporary file beside target holding the bytes, flushed
 * to the disk. Returns 1 with its name in temp. */
static int writeTemporary(const WCHAR *target, const void *bytes, DWORD size, WCHAR *temp)
{
    for (int attempt = 0; attempt < TEMP_NAME_TRIES; attempt++) {
        if (!siblingName(target, L"tmp", temp))
            return 0;
        HANDLE file = CreateFileW(temp, GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS)
                continue;
            return 0;
        }
        int complete = writeAll(file, bytes, size) && FlushFileBuffers(file);
        if (!CloseHandle(file))
            complete = 0;
        if (!complete)
            DeleteFileW(temp);
        return complete;
    }
    return 0;
}

/* An existing target must be one we may write and delete right now; a file
 * another program holds without sharing would otherwise fail half-way
 * through the replace. Returns 1 when absent, 2 when present and usable. */
static int checkTarget(const WCHAR *target)
{
    DWORD attributes = GetFileAttributesW(target);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? 1 : 0;
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
        return 0;
    HANDLE probe = CreateFileW(target, GENERIC_READ | GENERIC_WRITE | DELETE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL, OPEN_EXISTING, 0,
                               NULL);
    if (probe == INVALID_HANDLE_VALUE)
        return 0;
    CloseHandle(probe);
    return 2;
}

/* ReplaceFileW keeps the old file's attributes and security and, through
 * the backup name, never leaves a moment without a complete file. */
static int swapIn(const WCHAR *target, const WCHAR *temp)
{
    WCHAR backup[LONG_PATH_CAPACITY];
    do {
        if (!siblingName(target, L"bak", backup))
            return 0;
    } while (GetFileAttributesW(backup) != INVALID_FILE_ATTRIBUTES);
    if (ReplaceFileW(target, temp, backup, REPLACEFILE_WRITE_THROUGH, NULL, NULL)) {
        DeleteFileW(backup);
        return 1;
    }
    /* The one failure that leaves the old file under the backup name:
     * put it back. */
    if (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        MoveFileExW(backup, target, MOVEFILE_WRITE_THROUGH);
    return 0;
}

int replaceFileContents(const WCHAR *path, const void *bytes, DWORD size)
{
    WCHAR target[LONG_PATH_CAPACITY];
    WCHAR temp[LONG_PATH_CAPACITY];
    if (!path || !extendedFullPath(path, target))
        return 0;
    int state = checkTarget(target);
    if (state == 0 || !writeTemporary(target, bytes, size, temp))
        return 0;
    /* No MOVEFILE_REPLACE_EXISTING: a file that appeared meanwhile is not
     * ours to overwrite. */
    int replaced = state == 2 ? swapIn(target, temp) : MoveFileExW(temp, target, MOVEFILE_WRITE_THROUGH);
    if (!replaced)
        DeleteFileW(temp);
    return replaced != 0;
}
