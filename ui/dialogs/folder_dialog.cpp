#include "ui/dialogs/folder_dialog.h"

#include <shlobj.h>

#include "ui/common/system_library.h"

typedef PIDLIST_ABSOLUTE(WINAPI *BrowseCall)(BROWSEINFOW *);
typedef BOOL(WINAPI *PathCall)(PCIDLIST_ABSOLUTE, WCHAR *);
/* Found by name at run time, so every start need not load shell32: their
 * types must still be the platform's. */
static_assert(__is_same(BrowseCall, decltype(&SHBrowseForFolderW)), "SHBrowseForFolderW");
static_assert(__is_same(PathCall, decltype(&SHGetPathFromIDListW)), "SHGetPathFromIDListW");

int chooseFolder(HWND owner, const WCHAR *prompt, WCHAR *folder, int capacity)
{
    static HMODULE shell;
    BrowseCall browseForFolder = (BrowseCall)(void *)systemLibraryEntry(&shell, L"shell32.dll", "SHBrowseForFolderW");
    PathCall pathOf = (PathCall)(void *)systemLibraryEntry(&shell, L"shell32.dll", "SHGetPathFromIDListW");
    if (!browseForFolder || !pathOf)
        return 0;
    BROWSEINFOW browse = {};
    browse.hwndOwner = owner;
    browse.lpszTitle = prompt;
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE chosen = browseForFolder(&browse);
    if (!chosen)
        return 0;
    WCHAR path[MAX_PATH];
    int got = pathOf(chosen, path) && lstrlenW(path) < capacity;
    CoTaskMemFree(chosen);
    if (got)
        lstrcpyW(folder, path);
    return got;
}
