#include "ui/dialogs/setup_dialog.h"

#include "res/resource.h"
#include "ui/common/dialog_record.h"

static void initSetupDialog(HWND window, BracketSetup *setup)
{
    HICON icon = LoadIconW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDI_APP));
    SendMessageW(window, WM_SETICON, ICON_BIG, (LPARAM)icon);
    SendDlgItemMessageW(window, IDC_TITLE_EDIT, EM_LIMITTEXT, TITLE_CAPACITY - 1, 0);
    if (setup->title[0]) {
        /* Edit-title mode: the number of teams is fixed once a bracket exists. */
        SendDlgItemMessageW(window, IDC_TITLE_EDIT, WM_SETTEXT, 0, (LPARAM)setup->title);
        ShowWindow(GetDlgItem(window, IDC_TEAMS_LABEL), SW_HIDE);
        ShowWindow(GetDlgItem(window, IDC_TEAMS_COMBO), SW_HIDE);
        return;
    }
    WCHAR number[16];
    for (int teams = 4; teams <= 64; teams *= 2) {
        wsprintfW(number, L"%d", teams);
        SendDlgItemMessageW(window, IDC_TEAMS_COMBO, CB_ADDSTRING, 0, (LPARAM)number);
    }
    /* Items stay in the order added (the box does not sort): index 2 is 16. */
    SendDlgItemMessageW(window, IDC_TEAMS_COMBO, CB_SETCURSEL, 2, 0);
}

/* An empty title keeps the dialog open, silently. */
static void confirmSetup(HWND window, BracketSetup *setup)
{
    LRESULT length = SendDlgItemMessageW(window, IDC_TITLE_EDIT, WM_GETTEXT, TITLE_CAPACITY, (LPARAM)setup->title);
    if (length == 0)
        return;
    setup->teamCount = (int)GetDlgItemInt(window, IDC_TEAMS_COMBO, NULL, FALSE);
    EndDialog(window, 1);
}

static INT_PTR CALLBACK setupDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    BracketSetup *setup = (BracketSetup *)dialogRecord(window, message, lParam);
    if (!setup)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        initSetupDialog(window, setup);
        break;
    case WM_COMMAND:
        switch (wParam) {
        case IDC_SETUP_OK: confirmSetup(window, setup); break;
        case IDCANCEL: EndDialog(window, 0); break;
        }
        break;
    }
    return FALSE;
}

int runSetupDialog(HWND owner, HMODULE resources, BracketSetup *setup)
{
    /* -1, a dialog never shown, has not set the record: it counts as Cancel. */
    return DialogBoxParamW(resources, MAKEINTRESOURCEW(IDD_SETUP), owner, setupDialogProc, (LPARAM)setup) == 1;
}
