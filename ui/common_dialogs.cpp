#include "ui/common_dialogs.h"
#include "ui/system_library.h"

typedef BOOL(WINAPI *FileDialogCall)(OPENFILENAMEW *);
typedef BOOL(WINAPI *PrintDialogCall)(PRINTDLGW *);

static FARPROC commonDialogEntry(const char *name)
{
    static HMODULE library;
    return systemLibraryEntry(&library, L"comdlg32.dll", name);
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
