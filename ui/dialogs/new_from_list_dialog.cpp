#include "ui/dialogs/new_from_list_dialog.h"

#include "model/heap.h"
#include "model/seeding.h"
#include "res/resource.h"
#include "ui/common/dialog_record.h"
#include "ui/common/fallback_string.h"

enum {
    ENTRANT_TEXT_LIMIT = 1 << 20,  /* far beyond 256 names of 127 units */
    NOTE_CAPACITY = 512,
    INSERT_LIMIT = 99              /* the most inserts a message can name */
};

struct NewFromListDialog {
    HMODULE module;
    EntrantList *list;
};

static void initNewFromListDialog(HWND window, NewFromListDialog *dialog)
{
    HICON icon = LoadIconW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDI_APP));
    SendMessageW(window, WM_SETICON, ICON_BIG, (LPARAM)icon);
    SendDlgItemMessageW(window, IDC_LIST_TITLE_EDIT, EM_LIMITTEXT, TITLE_CAPACITY - 1, 0);
    SendDlgItemMessageW(window, IDC_LIST_ENTRANTS_EDIT, EM_LIMITTEXT, ENTRANT_TEXT_LIMIT, 0);
    CheckRadioButton(window, IDC_LIST_SEEDED, IDC_LIST_AS_LISTED, IDC_LIST_SEEDED);
    dialog->list->entrants = NULL;
}

/* Shows why OK did not close the dialog and puts the caret where the fault
 * is. The count is an insert (%1); every other insert a translation might
 * name comes out empty rather than read past the arguments. */
static void complain(HWND window, NewFromListDialog *dialog, UINT id, int count, int faultyControl)
{
    WCHAR format[NOTE_CAPACITY], note[NOTE_CAPACITY], number[16];
    wsprintfW(number, L"%d", count);
    DWORD_PTR arguments[INSERT_LIMIT];
    arguments[0] = (DWORD_PTR)number;
    for (int i = 1; i < INSERT_LIMIT; i++)
        arguments[i] = (DWORD_PTR)L"";
    if (!loadStringWithFallback(dialog->module, id, format, NOTE_CAPACITY) ||
        !FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, format, 0, 0, note,
                        NOTE_CAPACITY, (va_list *)arguments))
        lstrcpyW(note, number);
    SetDlgItemTextW(window, IDC_LIST_MESSAGE, note);
    HWND control = GetDlgItem(window, faultyControl);
    SendMessageW(window, WM_NEXTDLGCTL, (WPARAM)control, TRUE);
}

static int chosenPlacement(HWND window)
{
    if (IsDlgButtonChecked(window, IDC_LIST_RANDOM) == BST_CHECKED)
        return PLACE_RANDOM;
    if (IsDlgButtonChecked(window, IDC_LIST_AS_LISTED) == BST_CHECKED)
        return PLACE_AS_LISTED;
    return PLACE_SEEDED;
}

/* The whole text of the entrants' edit in a fresh block, or NULL. */
static WCHAR *takeEntrantText(HWND window)
{
    HWND edit = GetDlgItem(window, IDC_LIST_ENTRANTS_EDIT);
    int length = (int)SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    WCHAR *text = (WCHAR *)allocBlock(((SIZE_T)length + 1) * sizeof(WCHAR));
    if (!text)
        return NULL;
    text[0] = 0;
    SendMessageW(edit, WM_GETTEXT, (WPARAM)length + 1, (LPARAM)text);
    text[length] = 0;
    return text;
}

static void confirmNewFromList(HWND window, NewFromListDialog *dialog)
{
    EntrantList *list = dialog->list;
    if (!GetDlgItemTextW(window, IDC_LIST_TITLE_EDIT, list->title, TITLE_CAPACITY)) {
        complain(window, dialog, IDS_LIST_NO_TITLE, 0, IDC_LIST_TITLE_EDIT);
        return;
    }
    WCHAR *text = takeEntrantText(window);
    if (!text)
        return;
    int count = countEntrants(text);
    if (count < MIN_ENTRANT_COUNT || count > MAX_TEAM_COUNT) {
        freeBlock(text);
        complain(window, dialog, IDS_LIST_ENTRANT_COUNT, count, IDC_LIST_ENTRANTS_EDIT);
        return;
    }
    list->entrants = text;
    list->placement = chosenPlacement(window);
    EndDialog(window, 1);
}

static INT_PTR CALLBACK newFromListDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    NewFromListDialog *dialog = (NewFromListDialog *)dialogRecord(window, message, lParam);
    if (!dialog)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG: initNewFromListDialog(window, dialog); break;
    case WM_COMMAND:
        switch (wParam) {
        case IDC_LIST_OK: confirmNewFromList(window, dialog); break;
        case IDCANCEL: EndDialog(window, 0); break;
        }
        break;
    }
    return FALSE;
}

int runNewFromListDialog(HWND owner, HMODULE module, EntrantList *list)
{
    /* A satellite made before this dialog existed lacks its template. */
    HMODULE templates = module && FindResourceW(module, MAKEINTRESOURCEW(IDD_NEW_FROM_LIST), (LPCWSTR)RT_DIALOG)
                            ? module
                            : GetModuleHandleW(NULL);
    NewFromListDialog dialog = {module, list};
    list->entrants = NULL;
    INT_PTR result = DialogBoxParamW(templates, MAKEINTRESOURCEW(IDD_NEW_FROM_LIST), owner,
                                     newFromListDialogProc, (LPARAM)&dialog);
    if (result == 1)
        return 1;
    freeBlock(list->entrants);
    list->entrants = NULL;
    return 0;
}
