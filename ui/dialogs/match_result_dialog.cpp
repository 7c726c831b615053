#include "ui/dialogs/match_result_dialog.h"

#include "res/resource.h"
#include "ui/common/dialog_record.h"
#include "ui/common/fallback_string.h"

/* The dialog's own record: the choice it works on. */
struct MatchResultDialog {
    MatchResultChoice *choice;
};

static void addWinnerChoice(HWND combo, const WCHAR *name)
{
    if (name[0] && SendMessageW(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)name) == CB_ERR)
        SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)name);
}

static void initMatchResultDialog(HWND window, MatchResultChoice *choice)
{
    SetDlgItemTextW(window, IDC_RESULT_FIRST_TEAM, choice->first);
    SetDlgItemTextW(window, IDC_RESULT_SECOND_TEAM, choice->second);
    HWND combo = GetDlgItem(window, IDC_RESULT_WINNER);
    addWinnerChoice(combo, choice->first);
    addWinnerChoice(combo, choice->second);
    LRESULT index = choice->winner[0] ? SendMessageW(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)choice->winner)
                                      : CB_ERR;
    if (index != CB_ERR)
        SendMessageW(combo, CB_SETCURSEL, (WPARAM)index, 0);
    HWND result = GetDlgItem(window, IDC_RESULT_TEXT);
    SendMessageW(result, EM_LIMITTEXT, RESULT_CAPACITY - 1, 0);
    SetWindowTextW(result, choice->result);
    SetFocus(index != CB_ERR ? result : combo);
}

/* A result needs a winner: without one the dialog stays open. The combo's
 * text is measured before it is copied, so no item overruns the buffer. */
static void confirmMatchResult(HWND window, MatchResultChoice *choice)
{
    HWND combo = GetDlgItem(window, IDC_RESULT_WINNER);
    WCHAR result[RESULT_CAPACITY];
    result[0] = 0;
    GetDlgItemTextW(window, IDC_RESULT_TEXT, result, RESULT_CAPACITY);
    WCHAR winner[NAME_CAPACITY];
    winner[0] = 0;
    LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index != CB_ERR) {
        LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, (WPARAM)index, 0);
        if (length >= 0 && length < NAME_CAPACITY)
            SendMessageW(combo, CB_GETLBTEXT, (WPARAM)index, (LPARAM)winner);
    }
    if (result[0] && !winner[0]) {
        MessageBeep(MB_ICONWARNING);
        SetFocus(combo);
        return;
    }
    lstrcpyW(choice->winner, winner);
    lstrcpyW(choice->result, result);
    EndDialog(window, IDOK);
}

static INT_PTR CALLBACK matchResultDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MatchResultDialog *dialog = (MatchResultDialog *)dialogRecord(window, message, lParam);
    if (!dialog)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG: initMatchResultDialog(window, dialog->choice); break;
    case WM_COMMAND:
        switch (wParam) {
        case IDOK: confirmMatchResult(window, dialog->choice); break;
        case IDCANCEL: EndDialog(window, IDCANCEL); break;
        }
        break;
    }
    return FALSE;
}

int runMatchResultDialog(HWND owner, HMODULE module, MatchResultChoice *choice)
{
    MatchResultDialog dialog = {choice};
    /* A satellite made before results existed has no such template. */
    INT_PTR answer = -1;
    if (module && FindResourceW(module, MAKEINTRESOURCEW(IDD_MATCH_RESULT), (LPCWSTR)RT_DIALOG))
        answer = DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_MATCH_RESULT), owner, matchResultDialogProc,
                                 (LPARAM)&dialog);
    if (answer == -1)
        answer = DialogBoxParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MATCH_RESULT), owner,
                                 matchResultDialogProc, (LPARAM)&dialog);
    return answer == IDOK;
}
