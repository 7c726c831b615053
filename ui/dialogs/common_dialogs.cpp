#include "ui/dialogs/common_dialogs.h"
#include "ui/common/document_state.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/common/system_library.h"

typedef BOOL(WINAPI *FileDialogCall)(OPENFILENAMEW *);
typedef BOOL(WINAPI *PrintDialogCall)(PRINTDLGW *);
typedef BOOL(WINAPI *PageSetupDialogCall)(PAGESETUPDLGW *);
typedef DWORD(WINAPI *ExtendedErrorCall)(void);
/* The entries are found by name at run time: their types must still be
 * the ones the platform declares. */
static_assert(__is_same(FileDialogCall, decltype(&GetOpenFileNameW)), "GetOpenFileNameW");
static_assert(__is_same(FileDialogCall, decltype(&GetSaveFileNameW)), "GetSaveFileNameW");
static_assert(__is_same(PrintDialogCall, decltype(&PrintDlgW)), "PrintDlgW");
static_assert(__is_same(PageSetupDialogCall, decltype(&PageSetupDlgW)), "PageSetupDlgW");
static_assert(__is_same(ExtendedErrorCall, decltype(&CommDlgExtendedError)), "CommDlgExtendedError");

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

enum { REASON_CAPACITY = 256, MESSAGE_CAPACITY = 1024 };

/* A dialog that failed returns what a cancelled one does; only the
 * extended error tells them apart, and a failure the user is not told of
 * looks as if the click had been ignored. */
static void reportFileDialogFailure(HWND owner, HMODULE module)
{
    ExtendedErrorCall lastError = (ExtendedErrorCall)(void *)commonDialogEntry("CommDlgExtendedError");
    DWORD error = lastError ? lastError() : 0;
    if (!error)
        return;
    WCHAR code[16], reason[REASON_CAPACITY], message[MESSAGE_CAPACITY], caption[128];
    wsprintfW(code, L"0x%04lX", (unsigned long)error);
    const WCHAR *codeInsert[] = {code};
    UINT reasonId = error == FNERR_INVALIDFILENAME  ? IDS_FILE_DIALOG_BAD_NAME
                    : error == FNERR_BUFFERTOOSMALL ? IDS_FILE_DIALOG_LONG_NAME
                                                    : IDS_FILE_DIALOG_ERROR;
    if (!loadMessageText(module, reasonId, codeInsert, 1, reason, REASON_CAPACITY))
        lstrcpyW(reason, code);
    const WCHAR *reasonInsert[] = {reason};
    if (!loadMessageText(module, IDS_FILE_DIALOG_FAILED, reasonInsert, 1, message, MESSAGE_CAPACITY))
        lstrcpyW(message, reason);
    if (!loadStringWithFallback(module, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    MessageBoxW(owner, message, caption, MB_OK | MB_ICONERROR);
}

static BOOL showFileDialog(const char *entry, OPENFILENAMEW *dialog, HMODULE module)
{
    FileDialogCall call = (FileDialogCall)(void *)commonDialogEntry(entry);
    if (!call)
        return FALSE;
    BOOL chosen = call(dialog);
    if (!chosen)
        reportFileDialogFailure(dialog->hwndOwner, module);
    return chosen;
}

BOOL showOpenFileDialog(OPENFILENAMEW *dialog, HMODULE module)
{
    return showFileDialog("GetOpenFileNameW", dialog, module);
}

BOOL showSaveFileDialog(OPENFILENAMEW *dialog, HMODULE module)
{
    return showFileDialog("GetSaveFileNameW", dialog, module);
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
