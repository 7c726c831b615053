#include "ui/document/recent_files.h"

#include <shlobj.h>

#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/system_library.h"

/* The list and, once the user chooses one, the View's layout
 * (ui/window/wide_layout) are all the editor keeps in the registry: a
 * portable copy must leave nothing else behind. */
static const WCHAR RECENT_KEY[] = L"Software\\Duelmark\\Recent Files";

struct RecentList {
    int count;
    WCHAR paths[RECENT_FILE_LIMIT][PATH_CAPACITY];
};

static void valueName(int index, WCHAR *name)
{
    wsprintfW(name, L"File%d", index + 1);
}

/* An entry that is missing, empty, of another type or too long is passed
 * over and the rest still read: whatever another program left under the
 * key, the menu only ever shows whole paths, and one bad entry neither
 * hides the others nor makes the next save of the list drop them. */
static void readRecentList(RecentList *list)
{
    list->count = 0;
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RECENT_KEY, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return;
    for (int i = 0; i < RECENT_FILE_LIMIT; i++) {
        WCHAR name[16];
        valueName(i, name);
        /* Room for a whole path and its terminator, and one unit more to
         * tell a longer value, which need not end in a terminator. */
        WCHAR path[PATH_CAPACITY + 1];
        DWORD type = 0;
        DWORD size = PATH_CAPACITY * sizeof(WCHAR);
        if (RegQueryValueExW(key, name, NULL, &type, (BYTE *)path, &size) != ERROR_SUCCESS || type != REG_SZ)
            continue;
        path[size / sizeof(WCHAR)] = 0;
        if (path[0] && lstrlenW(path) < PATH_CAPACITY)
            lstrcpyW(list->paths[list->count++], path);
    }
    RegCloseKey(key);
}

static void writeRecentList(const RecentList *list)
{
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, RECENT_KEY, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL) != ERROR_SUCCESS)
        return;
    for (int i = 0; i < RECENT_FILE_LIMIT; i++) {
        WCHAR name[16];
        valueName(i, name);
        if (i < list->count)
            RegSetValueExW(key, name, 0, REG_SZ, (const BYTE *)list->paths[i],
                           (lstrlenW(list->paths[i]) + 1) * sizeof(WCHAR));
        else
            RegDeleteValueW(key, name);
    }
    RegCloseKey(key);
}

/* Paths name the same file whatever their letters' case. */
static void removeFromList(RecentList *list, const WCHAR *path)
{
    int kept = 0;
    for (int i = 0; i < list->count; i++) {
        if (lstrcmpiW(list->paths[i], path) == 0)
            continue;
        if (kept != i)
            lstrcpyW(list->paths[kept], list->paths[i]);
        kept++;
    }
    list->count = kept;
}

/* A high surrogate at the end of the kept start, or a low one at the start
 * of the kept end, would show half a character. */
static int isHighSurrogate(WCHAR c) { return c >= 0xD800 && c <= 0xDBFF; }
static int isLowSurrogate(WCHAR c) { return c >= 0xDC00 && c <= 0xDFFF; }

void shortenPathInMiddle(const WCHAR *path, WCHAR *shown, int limit)
{
    int length = lstrlenW(path);
    if (length <= limit || limit < 8) {
        lstrcpynW(shown, path, limit + 1);
        return;
    }
    /* The end kept is the file name with the backslash before it, cut from
     * its front only when even that is too long. */
    int tail = 0;
    while (tail < length && path[length - 1 - tail] != L'\\')
        tail++;
    if (tail < length)
        tail++;
    if (tail > limit - 6)
        tail = limit - 6;
    int head = limit - 3 - tail;
    if (isHighSurrogate(path[head - 1]))
        head--;
    if (isLowSurrogate(path[length - tail]))
        tail--;
    lstrcpynW(shown, path, head + 1);
    lstrcatW(shown, L"...");
    lstrcatW(shown, path + length - tail);
}

/* "&<n> " and the shortened path, with every '&' doubled so that a name
 * such as "Q&A.xml" shows as typed rather than underlining a letter. */
static void menuText(int index, const WCHAR *path, WCHAR *text)
{
    WCHAR shown[RECENT_FILE_SHOWN_UNITS + 1];
    shortenPathInMiddle(path, shown, RECENT_FILE_SHOWN_UNITS);
    int used = wsprintfW(text, L"&%d ", index + 1);
    for (const WCHAR *c = shown; *c; c++) {
        if (*c == L'&')
            text[used++] = L'&';
        text[used++] = *c;
    }
    text[used] = 0;
}

/* The File menu is the menu bar's first popup. */
static HMENU fileMenu(HWND window)
{
    HMENU bar = GetMenu(window);
    return bar ? GetSubMenu(bar, 0) : NULL;
}

static int isRecentCommand(UINT id)
{
    return id >= IDM_FILE_RECENT_FIRST && id <= IDM_FILE_RECENT_LAST;
}

/* The entries sit together just above Exit, with a separator of their own
 * after them; they and that separator go. */
static void removeShownEntries(HMENU menu)
{
    for (int i = 0; i < GetMenuItemCount(menu); i++) {
        if (!isRecentCommand(GetMenuItemID(menu, i)))
            continue;
        while (i < GetMenuItemCount(menu) && isRecentCommand(GetMenuItemID(menu, i)))
            DeleteMenu(menu, i, MF_BYPOSITION);
        if (i < GetMenuItemCount(menu) && (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR))
            DeleteMenu(menu, i, MF_BYPOSITION);
        return;
    }
}

static int exitPosition(HMENU menu)
{
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; i++)
        if (GetMenuItemID(menu, i) == IDCANCEL)
            return i;
    return count;
}

static void showList(HWND window, const RecentList *list)
{
    HMENU menu = fileMenu(window);
    if (!menu)
        return;
    removeShownEntries(menu);
    if (list->count == 0)
        return;
    int at = exitPosition(menu);
    InsertMenuW(menu, at, MF_BYPOSITION | MF_SEPARATOR, 0, NULL);
    for (int i = list->count - 1; i >= 0; i--) {
        WCHAR text[8 + 2 * RECENT_FILE_SHOWN_UNITS];
        menuText(i, list->paths[i], text);
        InsertMenuW(menu, at, MF_BYPOSITION | MF_STRING, IDM_FILE_RECENT_FIRST + i, text);
    }
}

void showRecentFiles(HWND window)
{
    RecentList list;
    readRecentList(&list);
    showList(window, &list);
}

typedef void(WINAPI *AddToRecentDocsCall)(UINT, const void *);

/* The shell's recent documents (the Start menu's and the taskbar's lists). */
static void announceToShell(const WCHAR *path)
{
    static HMODULE library;
    AddToRecentDocsCall add = (AddToRecentDocsCall)(void *)systemLibraryEntry(&library, L"shell32.dll",
                                                                            "SHAddToRecentDocs");
    if (add)
        add(SHARD_PATHW, path);
}

void rememberRecentFile(HWND window, const WCHAR *path)
{
    if (!path[0] || lstrlenW(path) >= PATH_CAPACITY)
        return;
    RecentList list;
    readRecentList(&list);
    removeFromList(&list, path);
    if (list.count == RECENT_FILE_LIMIT)
        list.count--;
    for (int i = list.count; i > 0; i--)
        lstrcpyW(list.paths[i], list.paths[i - 1]);
    lstrcpyW(list.paths[0], path);
    list.count++;
    writeRecentList(&list);
    showList(window, &list);
    announceToShell(path);
}

void forgetRecentFile(HWND window, const WCHAR *path)
{
    RecentList list;
    readRecentList(&list);
    removeFromList(&list, path);
    writeRecentList(&list);
    showList(window, &list);
}

int recentFilePath(int index, WCHAR *path)
{
    RecentList list;
    readRecentList(&list);
    path[0] = 0;
    if (index < 0 || index >= list.count)
        return 0;
    lstrcpyW(path, list.paths[index]);
    return 1;
}

/* Numbered insert, so a translation may place the file anywhere and a
 * path is never read as format. */
static void reportMissingFile(HWND window, Bracket *bracket, const WCHAR *path)
{
    WCHAR caption[128], format[256], message[PATH_CAPACITY + 256];
    DWORD_PTR arguments[] = {(DWORD_PTR)path};
    if (!loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    if (!loadStringWithFallback(bracket->resourceModule, IDS_RECENT_FILE_MISSING, format, 256) ||
        !FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, format, 0, 0, message,
                        PATH_CAPACITY + 256, (va_list *)arguments))
        lstrcpynW(message, path, PATH_CAPACITY + 256);
    MessageBoxW(window, message, caption, MB_OK | MB_ICONWARNING);
}

int recentFileToOpen(HWND window, Bracket *bracket, int index, WCHAR *path)
{
    if (!recentFilePath(index, path))
        return 0;
    DWORD attributes = GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return 1;
    /* Only a file that is truly gone leaves the list: one on a drive or
     * share that is away for the moment is still the user's. */
    DWORD error = GetLastError();
    if (attributes == INVALID_FILE_ATTRIBUTES && error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
        return 1;
    reportMissingFile(window, bracket, path);
    forgetRecentFile(window, path);
    return 0;
}
