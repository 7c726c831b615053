#include "ui/dialogs/entrant_change_dialog.h"

#include "res/resource.h"
#include "ui/common/dialog_record.h"

static const UINT DIALOG_OF_KIND[] = {IDD_RENAME_ENTRANT, IDD_SWAP_ENTRANTS, IDD_WITHDRAW_ENTRANT};

static void fillList(HWND combo, const WCHAR *const *names, int count, int selected)
{
    for (int i = 0; i < count; i++)
        SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)names[i]);
    if (selected >= 0 && selected < count)
        SendMessageW(combo, CB_SETCURSEL, (WPARAM)selected, 0);
}

/* Rename offers the chosen entrant's own name to edit. */
static void showCurrentName(HWND window, EntrantChange *change)
{
    if (change->kind != CHANGE_RENAME)
        return;
    LRESULT index = SendDlgItemMessageW(window, IDC_CHANGE_ENTRANT, CB_GETCURSEL, 0, 0);
    if (index < 0 || index >= change->entrantCount)
        return;
    HWND edit = GetDlgItem(window, IDC_CHANGE_OTHER);
    SetWindowTextW(edit, change->entrants[index]);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

static void initEntrantChange(HWND window, EntrantChange *change)
{
    HICON icon = LoadIconW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDI_APP));
    SendMessageW(window, WM_SETICON, ICON_BIG, (LPARAM)icon);
    fillList(GetDlgItem(window, IDC_CHANGE_ENTRANT), change->entrants, change->entrantCount, change->first);
    HWND other = GetDlgItem(window, IDC_CHANGE_OTHER);
    if (change->kind == CHANGE_RENAME)
        SendMessageW(other, EM_LIMITTEXT, NAME_CAPACITY - 1, 0);
    else
        fillList(other, change->choices, change->choiceCount, change->secondChoice);
    if (change->kind == CHANGE_WITHDRAW)
        SendMessageW(other, CB_LIMITTEXT, NAME_CAPACITY - 1, 0);
    showCurrentName(window, change);
}

/* Nothing chosen or typed keeps the dialog open, silently; a withdrawal
 * without a reserve is a walkover. */
static void confirmEntrantChange(HWND window, EntrantChange *change)
{
    LRESULT index = SendDlgItemMessageW(window, IDC_CHANGE_ENTRANT, CB_GETCURSEL, 0, 0);
    change->second[0] = 0;
    GetDlgItemTextW(window, IDC_CHANGE_OTHER, change->second, NAME_CAPACITY);
    if (index < 0 || index >= change->entrantCount || (!change->second[0] && change->kind != CHANGE_WITHDRAW))
        return;
    change->first = (int)index;
    EndDialog(window, 1);
}

static INT_PTR CALLBACK entrantChangeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    EntrantChange *change = (EntrantChange *)dialogRecord(window, message, lParam);
    if (!change)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        initEntrantChange(window, change);
        break;
    case WM_COMMAND:
        switch (wParam) {
        case MAKEWPARAM(IDC_CHANGE_ENTRANT, CBN_SELCHANGE): showCurrentName(window, change); break;
        case IDOK: confirmEntrantChange(window, change); break;
        case IDCANCEL: EndDialog(window, 0); break;
        }
        break;
    }
    return FALSE;
}

int runEntrantChangeDialog(HWND owner, HMODULE resources, EntrantChange *change)
{
    if (change->kind < CHANGE_RENAME || change->kind > CHANGE_WITHDRAW)
        return 0;
    return DialogBoxParamW(resources, MAKEINTRESOURCEW(DIALOG_OF_KIND[change->kind]), owner, entrantChangeProc,
                           (LPARAM)change) == 1;
}
