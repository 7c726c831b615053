#include "ui/dialogs/new_from_list_dialog.h"

#include "file/csv_text.h"
#include "file/entrant_csv.h"
#include "model/heap.h"
#include "model/seeding.h"
#include "model/team_list.h"
#include "res/resource.h"
#include "ui/common/dialog_record.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/dialogs/import_question.h"

enum {
    ENTRANT_TEXT_LIMIT = 1 << 20,  /* far beyond 256 names of 127 units */
    NOTE_CAPACITY = 512,
    LISTED_LINES = 12,             /* line numbers a message names before "..." */
    LINE_LIST_CAPACITY = LISTED_LINES * 12 + 8
};

struct NewFromListDialog {
    HMODULE module;
    NewFromListChoice *list;
};

static void initNewFromListDialog(HWND window, NewFromListDialog *dialog)
{
    HICON icon = LoadIconW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDI_APP));
    SendMessageW(window, WM_SETICON, ICON_BIG, (LPARAM)icon);
    SendDlgItemMessageW(window, IDC_LIST_TITLE_EDIT, EM_LIMITTEXT, TITLE_CAPACITY - 1, 0);
    SendDlgItemMessageW(window, IDC_LIST_ENTRANTS_EDIT, EM_LIMITTEXT, ENTRANT_TEXT_LIMIT, 0);
    CheckRadioButton(window, IDC_LIST_SEEDED, IDC_LIST_AS_LISTED, IDC_LIST_SEEDED);
    /* In the order of NewFromListChoice's doubleElimination; a satellite's
     * template without the box offers single elimination alone. */
    const UINT formats[] = {IDS_FORMAT_SINGLE, IDS_FORMAT_DOUBLE};
    for (UINT id : formats) {
        WCHAR name[64];
        loadStringWithFallback(dialog->module, id, name, 64);
        SendDlgItemMessageW(window, IDC_LIST_FORMAT, CB_ADDSTRING, 0, (LPARAM)name);
    }
    SendDlgItemMessageW(window, IDC_LIST_FORMAT, CB_SETCURSEL, 0, 0);
    SetDlgItemTextW(window, IDC_LIST_TITLE_EDIT, dialog->list->title);
    if (dialog->list->prefill)
        SetDlgItemTextW(window, IDC_LIST_ENTRANTS_EDIT, dialog->list->prefill);
    dialog->list->entrants = NULL;
}

/* Shows why OK did not close the dialog and puts the caret where the fault
 * is. An insert a translation names but the caller lacks comes out empty. */
static void complain(HWND window, NewFromListDialog *dialog, UINT id, const WCHAR *const *inserts, int insertCount,
                     int faultyControl)
{
    WCHAR note[NOTE_CAPACITY];
    if (!loadMessageText(dialog->module, id, inserts, insertCount, note, NOTE_CAPACITY))
        lstrcpynW(note, inserts[0], NOTE_CAPACITY);
    SetDlgItemTextW(window, IDC_LIST_MESSAGE, note);
    HWND control = GetDlgItem(window, faultyControl);
    SendMessageW(window, WM_NEXTDLGCTL, (WPARAM)control, TRUE);
}

/* One entrant has a text of its own; a satellite made before it had one
 * keeps saying the count in its own language rather than in ours. */
static UINT entrantCountText(HMODULE module, int count)
{
    WCHAR probe[2];
    if (count == 1 && (!module || LoadStringW(module, IDS_LIST_ONE_ENTRANT, probe, 2) > 0 ||
                       LoadStringW(module, IDS_LIST_ENTRANT_COUNT, probe, 2) <= 0))
        return IDS_LIST_ONE_ENTRANT;
    return IDS_LIST_ENTRANT_COUNT;
}

/* "3, 7, 12", the first LISTED_LINES of count lines, then "...", into
 * LINE_LIST_CAPACITY units. */
static void formatLineList(const int *lines, int count, WCHAR *out)
{
    out[0] = 0;
    for (int i = 0; i < count && i < LISTED_LINES; i++)
        wsprintfW(out + lstrlenW(out), i ? L", %d" : L"%d", lines[i]);
    if (count > LISTED_LINES)
        lstrcatW(out, L", ...");
}

/* A list that holds a name twice would make a bracket whose file cannot
 * say which of the two won. Returns 1 when it complained. */
static int complainOfRepeatedName(HWND window, NewFromListDialog *dialog, const WCHAR *text)
{
    WCHAR name[NAME_CAPACITY];
    int lines[LISTED_LINES];
    int count = findRepeatedListName(text, name, lines, LISTED_LINES);
    if (!count)
        return 0;
    WCHAR listed[LINE_LIST_CAPACITY];
    formatLineList(lines, count, listed);
    const WCHAR *inserts[] = {name, listed};
    complain(window, dialog, IDS_LIST_REPEATED_NAME, inserts, 2, IDC_LIST_ENTRANTS_EDIT);
    return 1;
}

/* Names longer than a slot holds are cut; the user is told which lines and
 * may go back to shorten them. Returns 1 to go on. */
static int acceptCutNames(HWND window, NewFromListDialog *dialog, const WCHAR *text)
{
    int lines[LISTED_LINES];
    int count = findCutListLines(text, lines, LISTED_LINES);
    if (!count)
        return 1;
    WCHAR listed[LINE_LIST_CAPACITY], caption[128], question[NOTE_CAPACITY];
    formatLineList(lines, count, listed);
    const WCHAR *inserts[] = {listed};
    if (!loadStringWithFallback(dialog->module, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    if (!loadMessageText(dialog->module, IDS_LIST_CUT_NAMES, inserts, 1, question, NOTE_CAPACITY))
        lstrcpyW(question, listed);
    if (MessageBoxW(window, question, caption, MB_OKCANCEL | MB_ICONINFORMATION) == IDOK)
        return 1;
    SendMessageW(window, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(window, IDC_LIST_ENTRANTS_EDIT), TRUE);
    return 0;
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

/* Whether the typed list carries columns: a tab anywhere (a spreadsheet's
 * cells pasted), or the separator the CSV reader finds on every line that
 * is not blank. A plain list of names, one holding a comma among others
 * that do not, stays a list of names as it always was. */
static int holdsColumns(const WCHAR *text)
{
    int length = lstrlenW(text);
    for (int i = 0; i < length; i++) {
        if (text[i] == L'\t')
            return 1;
    }
    WCHAR separator = detectCsvSeparator(text, length);
    int lines = 0;
    for (const WCHAR *line = text; *line;) {
        const WCHAR *end = line;
        int blank = 1, separated = 0;
        for (; *end && *end != L'\r' && *end != L'\n'; end++) {
            blank = blank && (*end == L' ' || *end == 0x3000);
            separated = separated || *end == separator;
        }
        if (!blank && !separated)
            return 0;
        lines += !blank;
        while (*end == L'\r' || *end == L'\n')
            end++;
        line = end;
    }
    return lines > 0;
}

/* Reads a list with columns as entrants, asking about rows that cannot be
 * taken. Returns 1 with list->field filled, 0 when the user went back or
 * memory ran out. */
static int readColumns(HWND window, NewFromListDialog *dialog, const WCHAR *text)
{
    int length = lstrlenW(text);
    DWORD size = (DWORD)(length + 1) * sizeof(WCHAR);
    BYTE *bytes = (BYTE *)allocBlock(size);
    if (!bytes)
        return 0;
    /* The reader takes a file's bytes: UTF-16 behind its byte-order mark. */
    bytes[0] = 0xFF;
    bytes[1] = 0xFE;
    CopyMemory(bytes + 2, text, (SIZE_T)length * sizeof(WCHAR));
    EntrantImport *import = (EntrantImport *)allocBlock(sizeof(EntrantImport));
    int read = import && readEntrantCsv(bytes, size, import);
    freeBlock(bytes);
    int taken = read && askToImportRest(window, dialog->module, import);
    if (taken) {
        dialog->list->field = import->entrants;
        import->entrants = EntrantList{};
    } else {
        SendMessageW(window, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(window, IDC_LIST_ENTRANTS_EDIT), TRUE);
    }
    if (read)
        freeEntrantImport(import);
    freeBlock(import);
    return taken;
}

/* The entrants' count, checked as the plain list's is. Returns 1 when it
 * complained. */
static int complainOfCount(HWND window, NewFromListDialog *dialog, int count)
{
    if (count >= MIN_ENTRANT_COUNT && count <= MAX_TEAM_COUNT)
        return 0;
    WCHAR number[16];
    wsprintfW(number, L"%d", count);
    const WCHAR *inserts[] = {number};
    complain(window, dialog, entrantCountText(dialog->module, count), inserts, 1, IDC_LIST_ENTRANTS_EDIT);
    return 1;
}

static void confirmNewFromList(HWND window, NewFromListDialog *dialog)
{
    NewFromListChoice *list = dialog->list;
    if (!GetDlgItemTextW(window, IDC_LIST_TITLE_EDIT, list->title, TITLE_CAPACITY)) {
        const WCHAR *none[] = {L""};
        complain(window, dialog, IDS_LIST_NO_TITLE, none, 1, IDC_LIST_TITLE_EDIT);
        return;
    }
    WCHAR *text = takeEntrantText(window);
    if (!text)
        return;
    if (holdsColumns(text)) {
        if (!readColumns(window, dialog, text) || complainOfCount(window, dialog, list->field.count)) {
            freeEntrantList(&list->field);
            freeBlock(text);
            return;
        }
    } else if (complainOfCount(window, dialog, countEntrants(text)) || complainOfRepeatedName(window, dialog, text) ||
               !acceptCutNames(window, dialog, text)) {
        freeBlock(text);
        return;
    }
    list->entrants = text;
    list->placement = chosenPlacement(window);
    list->doubleElimination = SendDlgItemMessageW(window, IDC_LIST_FORMAT, CB_GETCURSEL, 0, 0) == 1;
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

int runNewFromListDialog(HWND owner, HMODULE module, NewFromListChoice *list)
{
    /* A satellite made before this dialog existed lacks its template. */
    HMODULE templates = module && FindResourceW(module, MAKEINTRESOURCEW(IDD_NEW_FROM_LIST), (LPCWSTR)RT_DIALOG)
                            ? module
                            : GetModuleHandleW(NULL);
    NewFromListDialog dialog = {module, list};
    list->entrants = NULL;
    list->field = EntrantList{};
    INT_PTR result = DialogBoxParamW(templates, MAKEINTRESOURCEW(IDD_NEW_FROM_LIST), owner,
                                     newFromListDialogProc, (LPARAM)&dialog);
    if (result == 1)
        return 1;
    freeBlock(list->entrants);
    list->entrants = NULL;
    freeEntrantList(&list->field);
    return 0;
}
