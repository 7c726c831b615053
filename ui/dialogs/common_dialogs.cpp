#include "ui/dialogs/common_dialogs.h"
#include "ui/common/document_state.h"
#include "ui/common/system_library.h"

typedef BOOL(WINAPI *FileDialogCall)(OPENFILENAMEW *);
typedef BOOL(WINAPI *PrintDialogCall)(PRINTDLGW *);
typedef BOOL(WINAPI *PageSetupDialogCall)(PAGESETUPDLGW *);
/* The entries are found by name at run time: their types must still be
 * the ones the platform declares. */
static_assert(__is_same(FileDialogCall, decltype(&GetOpenFileNameW)), "GetOpenFileNameW");
static_assert(__is_same(FileDialogCall, decltype(&GetSaveFileNameW)), "GetSaveFileNameW");
static_assert(__is_same(PrintDialogCall, decltype(&PrintDlgW)), "PrintDlgW");
static_assert(__is_same(PageSetupDialogCall, decltype(&PageSetupDlgW)), "PageSetupDlgW");

/* One filter; the literal's own terminator closes the list. */
static const WCHAR BRACKET_FILTER[] = L"XML\0*.xml\0";

static_assert(sizeof(OPENFILENAMEW) == 152, "the full structure, with pvReserved, dwReserved and FlagsEx");

void fillBracketFileDialog(OPENFILENAMEW *dialog, HWND owner, WCHAR *buffer, DWORD flags)
{
    *dialog = OPENFILENAMEW{};
    dialog->lStructSize = sizeof(OPENFILENAMEW);
    dialog->hwndOwner = owner;
    dialog->lpstrFilter = BRACKET_FILTER;
    dialog->nFilterIndex = 1;
    buffer[0] = 0;
    dialog->lpstrFile = buffer;
    dialog->nMaxFile = PATH_CAPACITY;
    dialog->Flags = flags;
    dialog->lpstrDefExt = L"xml";
}

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

BOOL showPageSetupDialog(PAGESETUPDLGW *dialog)
{
    PageSetupDialogCall call = (PageSetupDialogCall)(void *)commonDialogEntry("PageSetupDlgW");
    return call ? call(dialog) : FALSE;
}
