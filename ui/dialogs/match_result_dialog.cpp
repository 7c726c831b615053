#include "ui/dialogs/match_result_dialog.h"

#include "res/resource.h"
#include "ui/common/dialog_record.h"
#include "ui/common/fallback_string.h"

/* The dialog's own record: the choice it works on, and the winner it
 * showed selected at the start (CB_ERR: none). */
struct MatchResultDialog {
    MatchResultChoice *choice;
    LRESULT shownWinner;
};

/* Both entrants as they are written: two names that differ only in case
 * are two entrants, and the list's own search would take them for one. */
static void addWinnerChoices(HWND combo, const WCHAR *first, const WCHAR *second)
{
    if (first[0])
        SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)first);
    if (second[0] && lstrcmpW(first, second) != 0)
        SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)second);
}

/* The item that is the winner exactly, else the one the list's own search
 * finds regardless of case, as a pick's drop-down selects; CB_ERR when
 * none. */
static LRESULT findWinnerItem(HWND combo, const WCHAR *winner)
{
    if (!winner[0])
        return CB_ERR;
    LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; i++) {
        WCHAR item[NAME_CAPACITY];
        LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, (WPARAM)i, 0);
        if (length < 0 || length >= NAME_CAPACITY)
            continue;
        item[0] = 0;
        SendMessageW(combo, CB_GETLBTEXT, (WPARAM)i, (LPARAM)item);
        if (lstrcmpW(item, winner) == 0)
            return i;
    }
    return SendMessageW(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)winner);
}

static void initMatchResultDialog(HWND window, MatchResultDialog *dialog)
{
    MatchResultChoice *choice = dialog->choice;
    SetDlgItemTextW(window, IDC_RESULT_FIRST_TEAM, choice->first);
    SetDlgItemTextW(window, IDC_RESULT_SECOND_TEAM, choice->second);
    HWND combo = GetDlgItem(window, IDC_RESULT_WINNER);
    addWinnerChoices(combo, choice->first, choice->second);
    LRESULT index = findWinnerItem(combo, choice->winner);
    if (index != CB_ERR)
        SendMessageW(combo, CB_SETCURSEL, (WPARAM)index, 0);
    dialog->shownWinner = index;
    HWND result = GetDlgItem(window, IDC_RESULT_TEXT);
    SendMessageW(result, EM_LIMITTEXT, RESULT_CAPACITY - 1, 0);
    SetWindowTextW(result, choice->result);
    SetFocus(index != CB_ERR ? result : combo);
}

/* A result needs a winner chosen: without one the dialog stays open. The
 * winner shown at the start, left as it was, is the pick as it was, even
 * where the list's search preselected a name written otherwise. The
 * combo's text is measured before it is copied, so no item overruns the
 * buffer. */
static void confirmMatchResult(HWND window, MatchResultDialog *dialog)
{
    MatchResultChoice *choice = dialog->choice;
    HWND combo = GetDlgItem(window, IDC_RESULT_WINNER);
    WCHAR result[RESULT_CAPACITY];
    result[0] = 0;
    GetDlgItemTextW(window, IDC_RESULT_TEXT, result, RESULT_CAPACITY);
    WCHAR winner[NAME_CAPACITY];
    lstrcpyW(winner, choice->winner);
    LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index != dialog->shownWinner) {
        winner[0] = 0;
        LRESULT length = index != CB_ERR ? SendMessageW(combo, CB_GETLBTEXTLEN, (WPARAM)index, 0) : -1;
        if (length >= 0 && length < NAME_CAPACITY)
            SendMessageW(combo, CB_GETLBTEXT, (WPARAM)index, (LPARAM)winner);
    }
    if (result[0] && (index == CB_ERR || !winner[0])) {
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
    case WM_INITDIALOG: initMatchResultDialog(window, dialog); break;
    case WM_COMMAND:
        switch (wParam) {
        case IDOK: confirmMatchResult(window, dialog); break;
        case IDCANCEL: EndDialog(window, IDCANCEL); break;
        }
        break;
    }
    return FALSE;
}

int runMatchResultDialog(HWND owner, HMODULE module, MatchResultChoice *choice)
{
    MatchResultDialog dialog = {choice, CB_ERR};
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
