#include "ui/common_dialogs.h"

typedef BOOL(WINAPI *FileDialogCall)(OPENFILENAMEW *);
typedef BOOL(WINAPI *PrintDialogCall)(PRINTDLGW *);

/* Loaded from the system folder by its full name, so a file of that name
 * beside the executable or in the current folder is never picked up. */
static FARPROC commonDialogEntry(const char *name)
{
    static HMODULE library;
    if (!library) {
        WCHAR path[MAX_PATH];
        UINT length = GetSystemDirectoryW(path, MAX_PATH);
        if (length == 0 || length + 14 >= MAX_PATH)
            return NULL;
        lstrcatW(path, L"\\comdlg32.dll");
        library = LoadLibraryW(path);
    }
    return library ? GetProcAddress(library, name) : NULL;
}

BOOL showOpenFileDialog(OPENFILENAMEW *dialog)
{
    FileDialogCall call = (FileDialogCall)(void *)commonDialogEntry("GetOpenFileNameW");
    return call ? call(dialog) : FALSE;
}

BOOL showSaveFileDialog(OPENFILENAMEW *dialog)
{
    FileDialogCall call = (FileDialogCall)(void *)commonDialogEntry("GetSaveFileNameW");
    return call ? call(dialog) : FALSE;
}

BOOL showPrintDialog(PRINTDLGW *dialog)
{
    PrintDialogCall call = (PrintDialogCall)(void *)commonDialogEntry("PrintDlgW");
    return call ? call(dialog) : FALSE;
}
