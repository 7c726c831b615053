#include "ui/dialogs/order_tied_dialog.h"

#include "res/resource.h"
#include "ui/common/dialog_record.h"
#include "ui/common/message_text.h"

struct OrderTiedDialog {
    TiedOrder *tied;
    HMODULE module;
};

/* Each item carries its index into the names, so the order is read back
 * from the list however the user moved them. */
static void initOrderTiedDialog(HWND window, OrderTiedDialog *dialog)
{
    TiedOrder *tied = dialog->tied;
    WCHAR prompt[256];
    const WCHAR *inserts[] = {tied->group};
    loadMessageText(dialog->module, IDS_ORDER_TIED_PROMPT, inserts, 1, prompt, 256);
    SetDlgItemTextW(window, IDC_GROUP_LABEL, prompt);
    HWND list = GetDlgItem(window, IDC_TIED_LIST);
    for (int i = 0; i < tied->count; i++) {
        LRESULT item = SendMessageW(list, LB_ADDSTRING, 0, (LPARAM)tied->name[i]);
        SendMessageW(list, LB_SETITEMDATA, (WPARAM)item, i);
    }
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    SetFocus(list);
}

/* Moves the selected entrant one place up (step -1) or down (+1). */
static void moveSelected(HWND window, int step)
{
    HWND list = GetDlgItem(window, IDC_TIED_LIST);
    LRESULT from = SendMessageW(list, LB_GETCURSEL, 0, 0);
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    LRESULT to = from + step;
    if (from == LB_ERR || to < 0 || to >= count)
        return;
    WCHAR name[NAME_CAPACITY];
    if (SendMessageW(list, LB_GETTEXTLEN, (WPARAM)from, 0) >= NAME_CAPACITY)
        return;
    SendMessageW(list, LB_GETTEXT, (WPARAM)from, (LPARAM)name);
    LRESULT data = SendMessageW(list, LB_GETITEMDATA, (WPARAM)from, 0);
    SendMessageW(list, LB_DELETESTRING, (WPARAM)from, 0);
    SendMessageW(list, LB_INSERTSTRING, (WPARAM)to, (LPARAM)name);
    SendMessageW(list, LB_SETITEMDATA, (WPARAM)to, data);
    SendMessageW(list, LB_SETCURSEL, (WPARAM)to, 0);
}

static void confirmOrder(HWND window, OrderTiedDialog *dialog)
{
    HWND list = GetDlgItem(window, IDC_TIED_LIST);
    for (int i = 0; i < dialog->tied->count; i++)
        dialog->tied->order[i] = (int)SendMessageW(list, LB_GETITEMDATA, (WPARAM)i, 0);
    EndDialog(window, IDOK);
}

static INT_PTR CALLBACK orderTiedDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    OrderTiedDialog *dialog = (OrderTiedDialog *)dialogRecord(window, message, lParam);
    if (!dialog)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG: initOrderTiedDialog(window, dialog); return FALSE;
    case WM_COMMAND:
        switch (wParam) {
        case IDOK: confirmOrder(window, dialog); break;
        case IDCANCEL: EndDialog(window, IDCANCEL); break;
        case MAKEWPARAM(IDC_TIED_UP, BN_CLICKED): moveSelected(window, -1); break;
        case MAKEWPARAM(IDC_TIED_DOWN, BN_CLICKED): moveSelected(window, 1); break;
        }
        break;
    }
    return FALSE;
}

int runOrderTiedDialog(HWND owner, HMODULE module, TiedOrder *tied)
{
    OrderTiedDialog dialog = {tied, module};
    INT_PTR answer = -1;
    if (module && FindResourceW(module, MAKEINTRESOURCEW(IDD_ORDER_TIED), (LPCWSTR)RT_DIALOG))
        answer = DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_ORDER_TIED), owner, orderTiedDialogProc, (LPARAM)&dialog);
    if (answer == -1)
        answer = DialogBoxParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_ORDER_TIED), owner, orderTiedDialogProc,
                                 (LPARAM)&dialog);
    return answer == IDOK;
}
