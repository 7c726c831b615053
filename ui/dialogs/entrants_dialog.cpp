#include "ui/dialogs/entrants_dialog.h"
#include <commctrl.h>

#include "res/resource.h"
#include "ui/common/dialog_record.h"
#include "ui/common/string_parts.h"

enum {
    COLUMN_COUNT = 4,
    HEADING_CAPACITY = 64,
    NOTE_CAPACITY = 256,
    NUMBER_CAPACITY = 16
};

struct EntrantsDialog {
    HMODULE module;
    EntrantList work;      /* the list as edited; list order stays the organiser's */
    EntrantInDraw inDraw;
    void *context;
    int selected;          /* index in work, or -1 */
    int sortColumn;        /* -1 until a heading is clicked */
    int descending;
};

static int isBlank(WCHAR unit)
{
    return unit == L' ' || unit == L'\t' || unit == 0x00A0 || unit == 0x3000;
}

/* The control's text without outer spaces. */
static void fieldText(HWND window, int control, WCHAR *text, int capacity)
{
    WCHAR raw[NAME_CAPACITY + 8];
    GetDlgItemTextW(window, control, raw, NAME_CAPACITY + 8);
    WCHAR *start = raw;
    while (isBlank(*start))
        start++;
    int length = lstrlenW(start);
    while (length > 0 && isBlank(start[length - 1]))
        length--;
    copyFittingText(text, capacity, start, length);
}

/* A whole number, signed when allowSign, of up to digits digits. */
static int readNumber(const WCHAR *text, int allowSign, int digits, int *value)
{
    int negative = allowSign && text[0] == L'-';
    const WCHAR *at = text + negative;
    if (!*at)
        return 0;
    int result = 0, count = 0;
    for (; *at; at++, count++) {
        if (*at < L'0' || *at > L'9' || count >= digits)
            return 0;
        result = result * 10 + (*at - L'0');
    }
    *value = negative ? -result : result;
    return 1;
}

/* The fields below the list as an entrant to stand in place of entrant
 * except (-1: beside all of them). Returns 0, or the reason (an
 * EntrantRowReason's number) it cannot stand beside the others. */
static int readFields(HWND window, EntrantsDialog *dialog, int except, Entrant *entrant)
{
    Entrant read = {};
    WCHAR number[NUMBER_CAPACITY];
    fieldText(window, IDC_ENTRANT_NAME, read.name, NAME_CAPACITY);
    fieldText(window, IDC_ENTRANT_CLUB, read.club, CLUB_CAPACITY);
    if (!read.name[0])
        return 1;
    int same = findEntrant(&dialog->work, read.name);
    if (same >= 0 && same != except)
        return 3;
    fieldText(window, IDC_ENTRANT_RATING, number, NUMBER_CAPACITY);
    read.rated = number[0] != 0;
    if (read.rated && !readNumber(number, 1, 8, &read.rating))
        return 5;
    fieldText(window, IDC_ENTRANT_SEED, number, NUMBER_CAPACITY);
    if (number[0] && (!readNumber(number, 0, 3, &read.seed) || read.seed < 1 || read.seed > MAX_TEAM_COUNT))
        return 6;
    for (int i = 0; read.seed && i < dialog->work.count; i++) {
        if (i != except && dialog->work.items[i].seed == read.seed)
            return 7;
    }
    *entrant = read;
    return 0;
}

static void showNote(HWND window, EntrantsDialog *dialog, int reason)
{
    WCHAR note[NOTE_CAPACITY] = L"";
    if (reason && loadStringPart(dialog->module, IDS_ENTRANT_ROW_REASONS, reason, L"", note, NOTE_CAPACITY))
        CharUpperBuffW(note, 1);
    SetDlgItemTextW(window, IDC_ENTRANT_NOTE, note);
}

static int inDraw(EntrantsDialog *dialog, int index)
{
    return index >= 0 && dialog->inDraw && dialog->inDraw(dialog->work.items[index].name, dialog->context);
}

/* The buttons and fields as the chosen entrant allows. */
static void showChoice(HWND window, EntrantsDialog *dialog)
{
    int index = dialog->selected;
    int drawn = inDraw(dialog, index);
    EnableWindow(GetDlgItem(window, IDC_ENTRANT_CHANGE), index >= 0);
    EnableWindow(GetDlgItem(window, IDC_ENTRANT_REMOVE), index >= 0 && !drawn);
    SendDlgItemMessageW(window, IDC_ENTRANT_NAME, EM_SETREADONLY, drawn, 0);
}

static void showFields(HWND window, EntrantsDialog *dialog)
{
    Entrant empty = {};
    const Entrant *entrant = dialog->selected >= 0 ? &dialog->work.items[dialog->selected] : &empty;
    WCHAR rating[NUMBER_CAPACITY] = L"", seed[NUMBER_CAPACITY] = L"";
    if (entrant->rated)
        wsprintfW(rating, L"%d", entrant->rating);
    if (entrant->seed)
        wsprintfW(seed, L"%d", entrant->seed);
    SetDlgItemTextW(window, IDC_ENTRANT_NAME, entrant->name);
    SetDlgItemTextW(window, IDC_ENTRANT_CLUB, entrant->club);
    SetDlgItemTextW(window, IDC_ENTRANT_RATING, rating);
    SetDlgItemTextW(window, IDC_ENTRANT_SEED, seed);
}

/* Names and clubs sort as people read them; an empty rating or seed goes
 * last whichever the direction; ties keep list order. */
static int CALLBACK compareEntrants(LPARAM first, LPARAM second, LPARAM context)
{
    EntrantsDialog *dialog = (EntrantsDialog *)context;
    const Entrant *a = &dialog->work.items[first];
    const Entrant *b = &dialog->work.items[second];
    int order = 0;
    switch (dialog->sortColumn) {
    case 0:
    case 1: {
        const WCHAR *x = dialog->sortColumn ? a->club : a->name;
        const WCHAR *y = dialog->sortColumn ? b->club : b->name;
        if (!x[0] != !y[0])
            return x[0] ? -1 : 1;
        order = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, x, -1, y, -1) - CSTR_EQUAL;
        break;
    }
    case 2:
        if (a->rated != b->rated)
            return a->rated ? -1 : 1;
        order = a->rating < b->rating ? -1 : a->rating > b->rating;
        break;
    case 3:
        if (!a->seed != !b->seed)
            return a->seed ? -1 : 1;
        order = a->seed - b->seed;
        break;
    }
    if (dialog->descending)
        order = -order;
    return order ? order : (int)(first - second);
}

static void setCell(HWND list, int row, int column, const WCHAR *text)
{
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = (WCHAR *)text;
    SendMessageW(list, LVM_SETITEMTEXTW, (WPARAM)row, (LPARAM)&item);
}

/* Fills the list view from the working list, sorted as chosen, with the
 * chosen entrant selected and in view. */
static void fillList(HWND window, EntrantsDialog *dialog)
{
    HWND list = GetDlgItem(window, IDC_ENTRANTS_LIST);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < dialog->work.count; i++) {
        const Entrant *entrant = &dialog->work.items[i];
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = i;
        item.pszText = (WCHAR *)entrant->name;
        item.lParam = i;
        int row = (int)SendMessageW(list, LVM_INSERTITEMW, 0, (LPARAM)&item);
        WCHAR rating[NUMBER_CAPACITY] = L"", seed[NUMBER_CAPACITY] = L"";
        if (entrant->rated)
            wsprintfW(rating, L"%d", entrant->rating);
        if (entrant->seed)
            wsprintfW(seed, L"%d", entrant->seed);
        setCell(list, row, 1, entrant->club);
        setCell(list, row, 2, rating);
        setCell(list, row, 3, seed);
    }
    if (dialog->sortColumn >= 0)
        SendMessageW(list, LVM_SORTITEMS, (WPARAM)dialog, (LPARAM)compareEntrants);
    if (dialog->selected >= 0) {
        LVFINDINFOW find = {};
        find.flags = LVFI_PARAM;
        find.lParam = dialog->selected;
        int row = (int)SendMessageW(list, LVM_FINDITEMW, (WPARAM)-1, (LPARAM)&find);
        LVITEMW state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, (WPARAM)row, (LPARAM)&state);
        SendMessageW(list, LVM_ENSUREVISIBLE, (WPARAM)row, FALSE);
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, NULL, TRUE);
}

static void initEntrantsDialog(HWND window, EntrantsDialog *dialog)
{
    HWND list = GetDlgItem(window, IDC_ENTRANTS_LIST);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    static const WCHAR *const ENGLISH[COLUMN_COUNT] = {L"Name", L"Club", L"Rating", L"Seed"};
    static const int WIDTHS[COLUMN_COUNT] = {40, 34, 13, 13};  /* percent of the view */
    RECT area;
    GetClientRect(list, &area);
    int width = area.right - GetSystemMetrics(SM_CXVSCROLL);
    for (int column = 0; column < COLUMN_COUNT; column++) {
        WCHAR heading[HEADING_CAPACITY];
        loadStringPart(dialog->module, IDS_ENTRANT_COLUMNS, column, ENGLISH[column], heading, HEADING_CAPACITY);
        LVCOLUMNW layout = {};
        layout.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        layout.fmt = column >= 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        layout.cx = width * WIDTHS[column] / 100;
        layout.pszText = heading;
        layout.iSubItem = column;
        SendMessageW(list, LVM_INSERTCOLUMNW, (WPARAM)column, (LPARAM)&layout);
    }
    SendDlgItemMessageW(window, IDC_ENTRANT_NAME, EM_LIMITTEXT, NAME_CAPACITY - 1, 0);
    SendDlgItemMessageW(window, IDC_ENTRANT_CLUB, EM_LIMITTEXT, CLUB_CAPACITY - 1, 0);
    SendDlgItemMessageW(window, IDC_ENTRANT_RATING, EM_LIMITTEXT, 9, 0);
    SendDlgItemMessageW(window, IDC_ENTRANT_SEED, EM_LIMITTEXT, 3, 0);
    fillList(window, dialog);
    showChoice(window, dialog);
}

static void addFromFields(HWND window, EntrantsDialog *dialog)
{
    Entrant entrant;
    int reason = readFields(window, dialog, -1, &entrant);
    if (!reason && !addEntrant(&dialog->work, &entrant))
        reason = 9;
    showNote(window, dialog, reason);
    if (reason)
        return;
    dialog->selected = dialog->work.count - 1;
    fillList(window, dialog);
    showChoice(window, dialog);
}

static void changeFromFields(HWND window, EntrantsDialog *dialog)
{
    Entrant entrant;
    if (dialog->selected < 0)
        return;
    int reason = readFields(window, dialog, dialog->selected, &entrant);
    showNote(window, dialog, reason);
    if (reason)
        return;
    dialog->work.items[dialog->selected] = entrant;
    fillList(window, dialog);
}

static void removeChosen(HWND window, EntrantsDialog *dialog)
{
    if (dialog->selected < 0 || inDraw(dialog, dialog->selected))
        return;
    removeEntrant(&dialog->work, dialog->selected);
    dialog->selected = -1;
    showNote(window, dialog, 0);
    fillList(window, dialog);
    showFields(window, dialog);
    showChoice(window, dialog);
}

static void notified(HWND window, EntrantsDialog *dialog, const NMHDR *header)
{
    if (header->idFrom != IDC_ENTRANTS_LIST)
        return;
    if (header->code == LVN_COLUMNCLICK) {
        int column = ((const NMLISTVIEW *)header)->iSubItem;
        dialog->descending = column == dialog->sortColumn && !dialog->descending;
        dialog->sortColumn = column;
        fillList(window, dialog);
    } else if (header->code == LVN_ITEMCHANGED) {
        const NMLISTVIEW *change = (const NMLISTVIEW *)header;
        /* Filling the view raises this for every row it selects again:
         * only a row the user newly selects fills the fields. */
        if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) &&
            !(change->uOldState & LVIS_SELECTED) && (int)change->lParam != dialog->selected) {
            dialog->selected = (int)change->lParam;
            showNote(window, dialog, 0);
            showFields(window, dialog);
            showChoice(window, dialog);
        }
    }
}

static INT_PTR CALLBACK entrantsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    EntrantsDialog *dialog = (EntrantsDialog *)dialogRecord(window, message, lParam);
    if (!dialog)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG: initEntrantsDialog(window, dialog); break;
    case WM_NOTIFY: notified(window, dialog, (const NMHDR *)lParam); break;
    case WM_COMMAND:
        switch (wParam) {
        case IDC_ENTRANT_ADD: addFromFields(window, dialog); break;
        case IDC_ENTRANT_CHANGE: changeFromFields(window, dialog); break;
        case IDC_ENTRANT_REMOVE: removeChosen(window, dialog); break;
        case IDOK: EndDialog(window, IDOK); break;
        case IDCANCEL: EndDialog(window, IDCANCEL); break;
        }
        break;
    }
    return FALSE;
}

int runEntrantsDialog(HWND owner, HMODULE module, EntrantList *list, EntrantInDraw inDraw, void *context)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    EntrantsDialog dialog = {module, {}, inDraw, context, -1, -1, 0};
    for (int i = 0; i < list->count; i++) {
        if (!addEntrant(&dialog.work, &list->items[i])) {
            freeEntrantList(&dialog.work);
            return 0;
        }
    }
    /* A satellite made before the list existed has no such template. */
    INT_PTR answer = -1;
    if (module && FindResourceW(module, MAKEINTRESOURCEW(IDD_ENTRANTS), (LPCWSTR)RT_DIALOG))
        answer = DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_ENTRANTS), owner, entrantsDialogProc, (LPARAM)&dialog);
    if (answer == -1)
        answer = DialogBoxParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_ENTRANTS), owner, entrantsDialogProc,
                                 (LPARAM)&dialog);
    if (answer != IDOK) {
        freeEntrantList(&dialog.work);
        return 0;
    }
    freeEntrantList(list);
    *list = dialog.work;
    return 1;
}
