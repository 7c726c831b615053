#include "ui/document/recovery_copy.h"
#include "model/undo_history.h"
#include "file/recovery_file.h"
#include "file/safe_replace.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/dialogs/choice_question.h"
#include "ui/document/document.h"
#include "ui/document/recent_files.h"
#include "ui/window/base_lock.h"

static const WCHAR COPY_PREFIX[] = L"recovery-";
static const WCHAR COPY_SUFFIX[] = L".xml";

/* <folder>\Duelmark\Recovery, made when missing. Returns 0 when there is
 * no local application-data folder or it cannot hold ours. */
static int recoveryFolder(WCHAR *folder)
{
    DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder, PATH_CAPACITY);
    if (length == 0 || length >= PATH_CAPACITY - 40)
        return 0;
    lstrcatW(folder, L"\\Duelmark");
    CreateDirectoryW(folder, NULL);
    lstrcatW(folder, L"\\Recovery");
    CreateDirectoryW(folder, NULL);
    DWORD attributes = GetFileAttributesW(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

/* A process is known by its id and its start time together: an id alone is
 * reused once the process is gone. */
static int processCreationTime(HANDLE process, ULONGLONG *time)
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    *time = (ULONGLONG)created.dwHighDateTime << 32 | created.dwLowDateTime;
    return 1;
}

void startRecoveryCopies(HWND window, DocumentState *state)
{
    RecoveryCopy *copy = &state->recovery;
    copy->path[0] = 0;
    copy->onDisk = 0;
    copy->written = 0;
    if (!state->keepsRecoveryCopies)
        return;
    ULONGLONG started = 0;
    WCHAR folder[PATH_CAPACITY];
    if (!recoveryFolder(folder) || !processCreationTime(GetCurrentProcess(), &started))
        return;
    wsprintfW(copy->path, L"%s\\%s%lx-%08lx%08lx%s", folder, COPY_PREFIX, (unsigned long)GetCurrentProcessId(),
              (unsigned long)(started >> 32), (unsigned long)(started & 0xFFFFFFFFu), COPY_SUFFIX);
    /* A copy being replaced when its process was killed leaves a
     * temporary file here. */
    removeLeftTemporaryFiles(copy->path);
    SetTimer(window, RECOVERY_TIMER_ID, RECOVERY_INTERVAL_MS, NULL);
    PostMessageW(window, RECOVERY_OFFER_MESSAGE, 0, 0);
}

static void removeCopy(RecoveryCopy *copy)
{
    if (copy->onDisk)
        DeleteFileW(copy->path);
    copy->onDisk = 0;
    copy->written = 0;
}

void dropRecoveryCopyWhenClean(DocumentState *state)
{
    if (!state->bracket->dirty || !state->bracket->slotCount)
        removeCopy(&state->recovery);
}

void keepRecoveryCopy(DocumentState *state)
{
    RecoveryCopy *copy = &state->recovery;
    Bracket *bracket = state->bracket;
    if (!copy->path[0])
        return;
    if (!bracket->dirty || !bracket->slotCount) {
        removeCopy(copy);
        return;
    }
    RecoveryOwner owner;
    lstrcpynW(owner.path, state->path, MAX_PATH);
    owner.disk = state->disk;
    owner.baseEditable = baseSlotsEditable(bracket);
    if (refreshRecoveryFile(bracket, copy->path, &owner, &copy->written))
        copy->onDisk = 1;
}

void stopRecoveryCopies(HWND window, DocumentState *state)
{
    KillTimer(window, RECOVERY_TIMER_ID);
    removeCopy(&state->recovery);
}

static ULONGLONG parseHex(const WCHAR **text, int maxDigits)
{
    ULONGLONG value = 0;
    for (int i = 0; i < maxDigits; i++, (*text)++) {
        WCHAR c = **text;
        int digit = c >= L'0' && c <= L'9' ? c - L'0' : c >= L'a' && c <= L'f' ? c - L'a' + 10 : -1;
        if (digit < 0)
            break;
        value = value << 4 | (ULONGLONG)digit;
    }
    return value;
}

/* Whether the copy named name was left by a process that has ended: its
 * name gives the writer's id and start time, and a process with both still
 * running is another window at work. A name of any other shape is none of
 * ours. */
static int leftByEndedProcess(const WCHAR *name)
{
    int prefix = lstrlenW(COPY_PREFIX), length = lstrlenW(name), suffix = lstrlenW(COPY_SUFFIX);
    if (length <= prefix + suffix || lstrcmpiW(name + length - suffix, COPY_SUFFIX) != 0)
        return 0;
    const WCHAR *p = name + prefix;
    DWORD id = (DWORD)parseHex(&p, 8);
    if (*p++ != L'-')
        return 0;
    ULONGLONG started = parseHex(&p, 16), ownStart = 0;
    if (lstrcmpiW(p, COPY_SUFFIX) != 0)
        return 0;
    /* A fresh session hands out the ids of the last one again: a copy under
     * this very id may well be a crashed run's. */
    if (id == GetCurrentProcessId())
        return !processCreationTime(GetCurrentProcess(), &ownStart) || ownStart != started;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, id);
    if (!process)
        return 1;
    ULONGLONG created = 0;
    int running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT && processCreationTime(process, &created) &&
                  created == started;
    CloseHandle(process);
    return !running;
}

static const WCHAR SET_ASIDE_PREFIX[] = L"unreadable-";

/* Puts a copy that cannot be read under a name no start offers again,
 * beside where it was: it is kept, since nobody has seen what it holds,
 * but it is not brought up at every start. Tells the user where, when
 * tell is set. */
static void setAsideUnreadable(HWND window, DocumentState *state, const WCHAR *folder, const WCHAR *name, int tell)
{
    WCHAR path[PATH_CAPACITY], aside[PATH_CAPACITY];
    wsprintfW(path, L"%s\\%s", folder, name);
    int moved = 0;
    for (int attempt = 1; !moved && attempt < 100; attempt++) {
        WCHAR prefix[24];
        if (attempt == 1)
            lstrcpyW(prefix, SET_ASIDE_PREFIX);
        else
            wsprintfW(prefix, L"%s%d-", SET_ASIDE_PREFIX, attempt);
        if (lstrlenW(folder) + 1 + lstrlenW(prefix) + lstrlenW(name) >= PATH_CAPACITY)
            return;
        wsprintfW(aside, L"%s\\%s%s", folder, prefix, name);
        moved = MoveFileW(path, aside);
        if (!moved && GetLastError() != ERROR_ALREADY_EXISTS && GetLastError() != ERROR_FILE_EXISTS)
            return;
    }
    if (!moved || !tell)
        return;
    HMODULE module = state->bracket->resourceModule;
    WCHAR caption[128], message[3 * PATH_CAPACITY];
    const WCHAR *inserts[] = {path, aside};
    if (!loadStringWithFallback(module, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    if (!loadMessageText(module, IDS_RECOVERY_SET_ASIDE, inserts, 2, message, 3 * PATH_CAPACITY))
        formatMessageText(L"%1\n\n%2", inserts, 2, message, 3 * PATH_CAPACITY);
    MessageBoxW(window, message, caption, MB_OK | MB_ICONWARNING);
}

/* Offers one left copy, named name in folder. Returns 1 when it was
 * restored. */
static int offerCopy(HWND window, DocumentState *state, const WCHAR *folder, const WCHAR *name,
                     const FILETIME *written)
{
    WCHAR path[PATH_CAPACITY];
    wsprintfW(path, L"%s\\%s", folder, name);
    RecoveryOwner owner;
    WCHAR title[TITLE_CAPACITY];
    OpenReport report;
    if (!readRecoveryLabel(path, &owner, title, TITLE_CAPACITY, &report)) {
        /* A copy the platform would not let us read now (held open, memory
         * short) may well read at the next start; one that was read and is
         * no bracket never will. */
        if (report.fault == OPEN_FAULT_NOT_BRACKET || report.fault == OPEN_FAULT_TOO_LARGE)
            setAsideUnreadable(window, state, folder, name, 1);
        return 0;
    }
    /* Killed after the save had finished but before the copy went: the
     * work is in its file, and offering it again would only confuse. */
    if (owner.path[0] && recoveryMatchesFile(path, owner.path)) {
        DeleteFileW(path);
        return 0;
    }
    int answer = askToRestoreRecovery(window, state->bracket->resourceModule, owner.path, title, written);
    if (answer == IDC_DISCARD)
        DeleteFileW(path);
    if (answer != IDC_RESTORE)
        return 0;
    if (!readDocument(window, state, path)) {
        /* readDocument has said why. */
        setAsideUnreadable(window, state, folder, name, 0);
        return 0;
    }
    /* The bracket is the unsaved work again: bound to its own file as it
     * was, so that Save still notices what changed there meanwhile, and
     * with its base slots as open to typing as they were. Only the copy's
     * word names that file, so the first save over it asks. The copy is no
     * file of the user's and never joins the recent files; the file does,
     * while it is there to be opened. */
    lstrcpynW(state->path, owner.path, PATH_CAPACITY);
    state->disk = owner.disk;
    state->disk.unverified = owner.path[0] != 0;
    state->bracket->dirty = 1;
    forgetUndoSavePoint(state->bracket);
    if (owner.baseEditable)
        setBaseSlotsReadOnly(state->bracket, FALSE);
    if (owner.path[0] && GetFileAttributesW(owner.path) != INVALID_FILE_ATTRIBUTES)
        rememberRecentFile(window, owner.path);
    DeleteFileW(path);
    keepRecoveryCopy(state);
    return 1;
}

void offerLeftRecoveryCopies(HWND window, DocumentState *state)
{
    WCHAR folder[PATH_CAPACITY], pattern[PATH_CAPACITY];
    if (!state->recovery.path[0] || !recoveryFolder(folder))
        return;
    wsprintfW(pattern, L"%s\\%s*%s", folder, COPY_PREFIX, COPY_SUFFIX);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    int restored = 0;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !leftByEndedProcess(found.cFileName) ||
            lstrlenW(folder) + 1 + lstrlenW(found.cFileName) >= PATH_CAPACITY)
            continue;
        restored = offerCopy(window, state, folder, found.cFileName, &found.ftLastWriteTime);
    } while (!restored && FindNextFileW(search, &found));
    FindClose(search);
}
