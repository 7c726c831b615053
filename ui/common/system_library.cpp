#include "ui/common/system_library.h"

/* Loaded from the system folder by its full name, so a file of that name
 * beside the executable or in the current folder is never picked up. */
FARPROC systemLibraryEntry(HMODULE *library, const WCHAR *fileName, const char *name)
{
    if (!*library) {
        WCHAR path[MAX_PATH];
        UINT length = GetSystemDirectoryW(path, MAX_PATH);
        if (length == 0 || length + 1 + lstrlenW(fileName) >= MAX_PATH)
            return NULL;
        lstrcatW(path, L"\\");
        lstrcatW(path, fileName);
        *library = LoadLibraryW(path);
    }
    return *library ? GetProcAddress(*library, name) : NULL;
}
