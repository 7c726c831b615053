#include "ui/dialogs/print_layout_dialog.h"

#include "res/resource.h"
#include "ui/common/dialog_record.h"
#include "ui/common/print_setup.h"

static const int LAYOUT_BUTTONS[] = {IDC_LAYOUT_ONE_PAGE, IDC_LAYOUT_HALVES, IDC_LAYOUT_POSTER};

static void initPrintLayoutDialog(HWND window, const PrintLayoutChoice *choice)
{
    int layout = choice->layout >= LAYOUT_ONE_PAGE && choice->layout <= LAYOUT_POSTER ? choice->layout : 0;
    CheckRadioButton(window, IDC_LAYOUT_ONE_PAGE, IDC_LAYOUT_POSTER, LAYOUT_BUTTONS[layout]);
    SendDlgItemMessageW(window, IDC_POSTER_POINTS, EM_LIMITTEXT, 2, 0);
    SetDlgItemInt(window, IDC_POSTER_POINTS, (UINT)legiblePoints(choice->posterPoints), FALSE);
}

static void confirmPrintLayout(HWND window, PrintLayoutChoice *choice)
{
    choice->layout = LAYOUT_ONE_PAGE;
    for (int layout = LAYOUT_ONE_PAGE; layout <= LAYOUT_POSTER; layout++) {
        if (IsDlgButtonChecked(window, LAYOUT_BUTTONS[layout]) == BST_CHECKED)
            choice->layout = layout;
    }
    choice->posterPoints = legiblePoints((int)GetDlgItemInt(window, IDC_POSTER_POINTS, NULL, FALSE));
    EndDialog(window, 1);
}

static INT_PTR CALLBACK printLayoutDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PrintLayoutChoice *choice = (PrintLayoutChoice *)dialogRecord(window, message, lParam);
    if (!choice)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG: initPrintLayoutDialog(window, choice); break;
    case WM_COMMAND:
        switch (wParam) {
        case IDOK: confirmPrintLayout(window, choice); break;
        case IDCANCEL: EndDialog(window, 0); break;
        }
        break;
    }
    return FALSE;
}

int runPrintLayoutDialog(HWND owner, HMODULE resources, PrintLayoutChoice *choice)
{
    PrintLayoutChoice answer = *choice;
    if (DialogBoxParamW(resources, MAKEINTRESOURCEW(IDD_PRINT_LAYOUT), owner, printLayoutDialogProc,
                        (LPARAM)&answer) != 1)
        return 0;
    *choice = answer;
    return 1;
}
