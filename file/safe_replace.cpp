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

/* Every failure below leaves its reason in the thread's last error, which
 * the save's message shows the user. */
static int failWith(DWORD error)
{
    SetLastError(error);
    return 0;
}

static int appendText(WCHAR *buffer, int capacity, const WCHAR *text)
{
    int used = lstrlenW(buffer);
    if (used + lstrlenW(text) >= capacity)
        return failWith(ERROR_FILENAME_EXCED_RANGE);
    lstrcpyW(buffer + used, text);
    return 1;
}

/* The full path in "\\?\" form, so names past 259 units work and nothing
 * reinterprets them. Device paths ("\\.\") are refused. */
static int extendedFullPath(const WCHAR *path, WCHAR *out)
{
    WCHAR full[LONG_PATH_CAPACITY];
    DWORD length = GetFullPathNameW(path, LONG_PATH_CAPACITY, full, NULL);
    if (length == 0)
        return 0;
    if (length >= LONG_PATH_CAPACITY)
        return failWith(ERROR_FILENAME_EXCED_RANGE);
    out[0] = 0;
    if (startsWith(full, L"\\\\?\\"))
        return appendText(out, LONG_PATH_CAPACITY, full);
    if (startsWith(full, L"\\\\.\\"))
        return failWith(ERROR_INVALID_NAME);
    if (startsWith(full, L"\\\\"))
        return appendText(out, LONG_PATH_CAPACITY, L"\\\\?\\UNC\\") &&
               appendText(out, LONG_PATH_CAPACITY, full + 2);
    return appendText(out, LONG_PATH_CAPACITY, L"\\\\?\\") && appendText(out, LONG_PATH_CAPACITY, full);
}

/* Opens an existing target as the replace will need it (read, write and
 * delete, sharing everything, so a file another program holds without
 * sharing, a read-only file or a folder fails here rather than half-way
 * through), and turns target into where it really is, through any symbolic
 * links or junctions, in "\\?\" form: writing beside a link and swapping
 * into its name would put a plain file where the link was and leave the
 * file it points to behind, or lose it to the backup step. Returns 1 when
 * the target does not exist yet (it stays as named), 2 when it exists and
 * is usable, 0 on failure. */
static int openTarget(WCHAR *target)
{
    HANDLE file = CreateFileW(target, GENERIC_READ | GENERIC_WRITE | DELETE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return 1;
        DWORD attributes = GetFileAttributesW(target);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            error = ERROR_ACCESS_DENIED;
        return failWith(error);
    }
    WCHAR final[LONG_PATH_CAPACITY];
    DWORD length = GetFinalPathNameByHandleW(file, final, LONG_PATH_CAPACITY, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    DWORD error = GetLastError();
    CloseHandle(file);
    if (length == 0)
        return failWith(error);
    if (length >= LONG_PATH_CAPACITY)
        return failWith(ERROR_FILENAME_EXCED_RANGE);
    target[0] = 0;
    int named = startsWith(final, L"\\\\?\\") || appendText(target, LONG_PATH_CAPACITY, L"\\\\?\\");
    return named && appendText(target, LONG_PATH_CAPACITY, final) ? 2 : 0;
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
        return failWith(ERROR_INVALID_NAME);
    lstrcpynW(out, target, folderEnd + 2);
    WCHAR suffix[48];
    wsprintfW(suffix, L"~dm%lx-%lx.%s", GetCurrentProcessId(), (unsigned long)InterlockedIncrement(&counter),
              kind);
    return appendText(out, LONG_PATH_CAPACITY, suffix);
}

static int writeAll(HANDLE file, const void *bytes, DWORD size)
{
    DWORD written = 0;
    if (!WriteFile(file, bytes, size, &written, NULL))
        return 0;
    return written == size || failWith(ERROR_DISK_FULL);
}

/* Deletes a file without losing the reason of the failure that led here. */
static void deleteKeepingError(const WCHAR *path)
{
    DWORD error = GetLastError();
    DeleteFileW(path);
    SetLastError(error);
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
        if (complete) {
            complete = CloseHandle(file);
        } else {
            DWORD error = GetLastError();
            CloseHandle(file);
            SetLastError(error);
        }
        if (!complete)
            deleteKeepingError(temp);
        return complete;
    }
    return failWith(ERROR_FILE_EXISTS);
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
    DWORD error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        MoveFileExW(backup, target, MOVEFILE_WRITE_THROUGH);
    return failWith(error);
}

/* A refused temporary file goes at once, with ERROR_INVALID_DATA as the
 * reason. Returns 1 when there is no check or the check lets it in. */
static int passesCheck(const WCHAR *temp, ReplacementCheck check, void *context)
{
    if (!check || check(temp, context))
        return 1;
    SetLastError(ERROR_INVALID_DATA);
    deleteKeepingError(temp);
    return 0;
}

int replaceFileContentsChecked(const WCHAR *path, const void *bytes, DWORD size, ReplacementCheck check,
                               void *context)
{
    WCHAR target[LONG_PATH_CAPACITY];
    WCHAR temp[LONG_PATH_CAPACITY];
    if (!path)
        return failWith(ERROR_INVALID_NAME);
    if (!extendedFullPath(path, target))
        return 0;
    int state = openTarget(target);
    if (state == 0 || !writeTemporary(target, bytes, size, temp))
        return 0;
    if (!passesCheck(temp, check, context))
        return 0;
    /* No MOVEFILE_REPLACE_EXISTING: a file that appeared meanwhile is not
     * ours to overwrite. */
    int replaced = state == 2 ? swapIn(target, temp) : MoveFileExW(temp, target, MOVEFILE_WRITE_THROUGH);
    if (!replaced)
        deleteKeepingError(temp);
    return replaced != 0;
}

int replaceFileContents(const WCHAR *path, const void *bytes, DWORD size)
{
    return replaceFileContentsChecked(path, bytes, size, NULL, NULL);
}

/* One rename over the old file: the swap above leaves a moment with no
 * file at the name at all, and a process killed in that moment would lose
 * the copy that exists for exactly that case. */
int replaceOwnFileContents(const WCHAR *path, const void *bytes, DWORD size, ReplacementCheck check, void *context)
{
    WCHAR target[LONG_PATH_CAPACITY];
    WCHAR temp[LONG_PATH_CAPACITY];
    if (!path)
        return failWith(ERROR_INVALID_NAME);
    if (!extendedFullPath(path, target) || !writeTemporary(target, bytes, size, temp) ||
        !passesCheck(temp, check, context))
        return 0;
    if (MoveFileExW(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 1;
    deleteKeepingError(temp);
    return 0;
}

static ULONGLONG fileTimeValue(const FILETIME *time)
{
    return (ULONGLONG)time->dwHighDateTime << 32 | time->dwLowDateTime;
}

/* Parses one to eight lower-case hex digits at *text. Returns 1 with the
 * value, 0 when there are none or too many. */
static int parseHexDigits(const WCHAR **text, DWORD *value)
{
    int digits = 0;
    *value = 0;
    for (;; (*text)++) {
        WCHAR c = **text;
        int digit = c >= L'0' && c <= L'9' ? c - L'0' : c >= L'a' && c <= L'f' ? c - L'a' + 10 : -1;
        if (digit < 0)
            return digits > 0;
        if (++digits > 8)
            return 0;
        *value = *value << 4 | (DWORD)digit;
    }
}

/* The process id a temporary name of ours carries ("~dm<id>-<n>.tmp"), or
 * 0 when the name is not one of ours. */
static int temporaryNameOwner(const WCHAR *name, DWORD *process)
{
    if (!startsWith(name, L"~dm"))
        return 0;
    const WCHAR *p = name + 3;
    DWORD counter = 0;
    if (!parseHexDigits(&p, process) || *p++ != L'-' || !parseHexDigits(&p, &counter))
        return 0;
    return lstrcmpiW(p, L".tmp") == 0;
}

/* Whether the process that wrote a temporary file at writtenAt is gone. A
 * process that cannot be asked about for any other reason than its absence
 * is taken to be running: its file stays. */
static int writerIsGone(DWORD id, ULONGLONG writtenAt)
{
    HANDLE process = id == GetCurrentProcessId()
                         ? GetCurrentProcess()
                         : OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, id);
    if (!process)
        return GetLastError() == ERROR_INVALID_PARAMETER;
    FILETIME created, exited, kernel, user;
    int gone = WaitForSingleObject(process, 0) == WAIT_OBJECT_0 ||
               (GetProcessTimes(process, &created, &exited, &kernel, &user) && fileTimeValue(&created) > writtenAt);
    if (id != GetCurrentProcessId())
        CloseHandle(process);
    return gone;
}

void removeLeftTemporaryFiles(const WCHAR *path)
{
    WCHAR folder[LONG_PATH_CAPACITY], pattern[LONG_PATH_CAPACITY], found[LONG_PATH_CAPACITY];
    if (!path || !extendedFullPath(path, folder))
        return;
    int folderEnd = -1;
    for (int i = 0; folder[i]; i++) {
        if (folder[i] == L'\\')
            folderEnd = i;
    }
    if (folderEnd < 0)
        return;
    folder[folderEnd + 1] = 0;
    lstrcpyW(pattern, folder);
    if (!appendText(pattern, LONG_PATH_CAPACITY, L"~dm*.tmp"))
        return;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(pattern, &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        DWORD writer = 0;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !temporaryNameOwner(entry.cFileName, &writer) ||
            !writerIsGone(writer, fileTimeValue(&entry.ftLastWriteTime)))
            continue;
        lstrcpyW(found, folder);
        if (appendText(found, LONG_PATH_CAPACITY, entry.cFileName))
            DeleteFileW(found);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}
