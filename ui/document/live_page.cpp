#include "ui/document/live_page.h"

#include "model/undo_history.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/common/system_error_text.h"
#include "ui/dialogs/folder_dialog.h"
#include "ui/publish/live_page_content.h"

const WCHAR LIVE_PAGE_KEY[] = L"Software\\Duelmark\\Live Pages";

/* The folder remembered for the file at path, or an empty one. */
static void rememberedFolder(const WCHAR *path, WCHAR *folder)
{
    folder[0] = 0;
    HKEY key;
    if (!path[0] || RegOpenKeyExW(HKEY_CURRENT_USER, LIVE_PAGE_KEY, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return;
    WCHAR value[PATH_CAPACITY + 1];
    DWORD type = 0, size = PATH_CAPACITY * sizeof(WCHAR);
    if (RegQueryValueExW(key, path, NULL, &type, (BYTE *)value, &size) == ERROR_SUCCESS && type == REG_SZ) {
        value[size / sizeof(WCHAR)] = 0;
        if (lstrlenW(value) < PATH_CAPACITY)
            lstrcpyW(folder, value);
    }
    RegCloseKey(key);
}

/* An empty folder forgets the file's entry. A bracket never saved has no
 * file to remember it by: it publishes for this session only. */
static void rememberFolder(const WCHAR *path, const WCHAR *folder)
{
    HKEY key;
    if (!path[0] ||
        RegCreateKeyExW(HKEY_CURRENT_USER, LIVE_PAGE_KEY, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL) != ERROR_SUCCESS)
        return;
    if (folder[0])
        RegSetValueExW(key, path, 0, REG_SZ, (const BYTE *)folder, (lstrlenW(folder) + 1) * sizeof(WCHAR));
    else
        RegDeleteValueW(key, path);
    RegCloseKey(key);
}

/* The first tick comes at once; later ones pace the writes. */
static void startTicking(LivePage *live, UINT delay)
{
    live->timing = SetTimer(live->window, LIVE_PAGE_TIMER_ID, delay, NULL) != 0;
}

/* Told of every change, often hundreds for one step: it only notes that
 * one is waiting, and the timer writes it. */
static void noteLivePageChange(Bracket *, BracketNode *node, void *context)
{
    DocumentState *state = (DocumentState *)context;
    LivePage *live = &state->live;
    live->pending = 1;
    if (node == UNDO_ALL_SHOWN)
        live->replaced = 1;
    if (!live->timing)
        startTicking(live, USER_TIMER_MINIMUM);
}

/* Said once for a folder until a write there succeeds again: a folder on
 * a network that went away must not stop the organiser every 5 seconds. */
static void reportFailure(DocumentState *state, DWORD reason)
{
    LivePage *live = &state->live;
    if (live->failureShown)
        return;
    live->failureShown = 1;
    HMODULE module = state->bracket->resourceModule;
    WCHAR why[512], caption[128], message[2048];
    systemErrorText(module, reason, why, 512);
    loadStringWithFallback(module, IDS_APP_TITLE, caption, 128);
    const WCHAR *inserts[] = {live->folder, why};
    if (!loadMessageText(module, IDS_PUBLISH_FAILED, inserts, 2, message, 2048))
        lstrcpynW(message, live->folder, 2048);
    /* The box's own message loop would run this timer's ticks meanwhile. */
    KillTimer(live->window, LIVE_PAGE_TIMER_ID);
    live->timing = 0;
    MessageBoxW(live->window, message, caption, MB_OK | MB_ICONWARNING);
    if (live->pending && !live->timing)
        startTicking(live, LIVE_PAGE_INTERVAL_MS);
}

/* The file behind the bracket changed since the last tick. Another
 * bracket put in place brings the folder of its own file, if any; the same
 * bracket saved under a new name takes its folder along. */
static void followFile(DocumentState *state)
{
    LivePage *live = &state->live;
    if (lstrcmpiW(live->forPath, state->path) == 0) {
        live->replaced = 0;
        return;
    }
    if (live->replaced) {
        rememberedFolder(state->path, live->folder);
        live->failureShown = 0;
    } else if (live->folder[0]) {
        rememberFolder(state->path, live->folder);
    }
    lstrcpynW(live->forPath, state->path, PATH_CAPACITY);
    live->replaced = 0;
    live->pending = live->folder[0] != 0;
}

void keepLivePage(DocumentState *state)
{
    LivePage *live = &state->live;
    followFile(state);
    if (!live->pending || !live->folder[0]) {
        KillTimer(live->window, LIVE_PAGE_TIMER_ID);
        live->timing = 0;
        live->pending = 0;
        return;
    }
    live->pending = 0;
    /* The wait starts with this write: the next comes no sooner. */
    startTicking(live, LIVE_PAGE_INTERVAL_MS);
    if (writeLivePage(state->bracket, live->folder))
        live->failureShown = 0;
    else
        reportFailure(state, GetLastError());
}

void startLivePage(HWND window, DocumentState *state)
{
    LivePage *live = &state->live;
    live->window = window;
    live->folder[0] = 0;
    live->forPath[0] = 0;
    live->pending = 0;
    live->timing = 0;
    live->failureShown = 0;
    /* The start-up file, if any, is already open. */
    live->replaced = 1;
    watchUndoSteps(state->bracket, noteLivePageChange, state);
    startTicking(live, USER_TIMER_MINIMUM);
}

void stopLivePage(HWND window, DocumentState *state)
{
    KillTimer(window, LIVE_PAGE_TIMER_ID);
    state->live.timing = 0;
    unwatchUndoSteps(state->bracket, noteLivePageChange, state);
    releaseLivePageScratch();
}

void togglePublishing(HWND window, DocumentState *state)
{
    LivePage *live = &state->live;
    followFile(state);
    if (live->folder[0]) {
        live->folder[0] = 0;
        live->pending = 0;
        rememberFolder(state->path, live->folder);
        releaseLivePageScratch();
        return;
    }
    WCHAR prompt[256], folder[PATH_CAPACITY];
    loadStringWithFallback(state->bracket->resourceModule, IDS_PUBLISH_CHOOSE_FOLDER, prompt, 256);
    if (!chooseFolder(window, prompt, folder, PATH_CAPACITY))
        return;
    lstrcpyW(live->folder, folder);
    rememberFolder(state->path, live->folder);
    live->failureShown = 0;
    live->pending = 1;
    if (!live->timing)
        startTicking(live, USER_TIMER_MINIMUM);
}
