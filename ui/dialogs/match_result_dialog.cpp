#include "ui/dialogs/match_result_dialog.h"
#include "model/entrant_name.h"

#include <commctrl.h>

#include "res/resource.h"
#include "ui/common/choice_list.h"
#include "ui/common/dialog_record.h"
#include "ui/common/fallback_string.h"
#include "ui/dialogs/time_picker.h"

/* The dialog's own record: the choice it works on. */
struct MatchResultDialog {
    MatchResultChoice *choice;
    HMODULE module;       /* where the outcome names come from */
    LRESULT shownWinner;  /* the winner selected at the start, CB_ERR for none */
    LRESULT drawIndex;    /* the "Draw" choice, CB_ERR where draws do not count */
};

/* Both entrants as they are written: two names that differ only in case
 * are two entrants, and the list's own search would take them for one. */
static void addWinnerChoices(HWND combo, const WCHAR *first, const WCHAR *second)
{
    if (first[0])
        SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)first);
    if (second[0] && !sameName(first, second))
        SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)second);
}

static void showCourtLength(HWND window)
{
    WCHAR shown[16];
    int length = GetWindowTextLengthW(GetDlgItem(window, IDC_RESULT_COURT));
    wsprintfW(shown, L"%d/%d", length, COURT_CAPACITY - 1);
    SetDlgItemTextW(window, IDC_RESULT_COURT_LENGTH, shown);
}

/* A match without a time starts the picker at the next whole hour. */
static void initTimeFields(HWND window, const WCHAR *time)
{
    HWND picker = GetDlgItem(window, IDC_RESULT_TIME);
    int scheduled = showPickerTime(picker, time);
    CheckDlgButton(window, IDC_RESULT_UNSCHEDULED, scheduled ? BST_UNCHECKED : BST_CHECKED);
    EnableWindow(picker, scheduled);
}

static void initMatchDetails(HWND window, HMODULE module, const MatchResultChoice *choice)
{
    HWND outcomes = GetDlgItem(window, IDC_RESULT_OUTCOME);
    for (UINT id = IDS_OUTCOME_PLAYED; id <= IDS_OUTCOME_DOUBLE_WALKOVER; id++) {
        WCHAR text[64];
        loadStringWithFallback(module, id, text, 64);
        SendMessageW(outcomes, CB_ADDSTRING, 0, (LPARAM)text);
    }
    SendMessageW(outcomes, CB_SETCURSEL, (WPARAM)choice->outcome, 0);
    HWND court = GetDlgItem(window, IDC_RESULT_COURT);
    SendMessageW(court, EM_LIMITTEXT, COURT_CAPACITY - 1, 0);
    SetWindowTextW(court, choice->court);
    showCourtLength(window);
    initTimeFields(window, choice->time);
}

static void initMatchResultDialog(HWND window, MatchResultDialog *dialog)
{
    MatchResultChoice *choice = dialog->choice;
    SetDlgItemTextW(window, IDC_RESULT_FIRST_TEAM, choice->first);
    SetDlgItemTextW(window, IDC_RESULT_SECOND_TEAM, choice->second);
    HWND combo = GetDlgItem(window, IDC_RESULT_WINNER);
    addWinnerChoices(combo, choice->first, choice->second);
    dialog->drawIndex = CB_ERR;
    WCHAR draw[64];
    if (choice->drawAllowed && loadStringWithFallback(dialog->module, IDS_RESULT_DRAW, draw, 64))
        dialog->drawIndex = SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)draw);
    LRESULT index = choice->drawn && dialog->drawIndex >= 0 ? dialog->drawIndex : findChoice(combo, choice->winner);
    if (index != CB_ERR)
        SendMessageW(combo, CB_SETCURSEL, (WPARAM)index, 0);
    dialog->shownWinner = index;
    HWND result = GetDlgItem(window, IDC_RESULT_TEXT);
    SendMessageW(result, EM_LIMITTEXT, RESULT_CAPACITY - 1, 0);
    SetWindowTextW(result, choice->result);
    initMatchDetails(window, dialog->module, choice);
    SetFocus(index != CB_ERR ? result : combo);
}

/* The time the picker shows, or empty when the match is not scheduled. */
static void readTime(HWND window, WCHAR *text)
{
    text[0] = 0;
    if (IsDlgButtonChecked(window, IDC_RESULT_UNSCHEDULED) != BST_CHECKED)
        readPickerTime(GetDlgItem(window, IDC_RESULT_TIME), text);
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
    int drawn = index != CB_ERR && index == dialog->drawIndex;
    if (drawn) {
        winner[0] = 0;
    } else if (index != dialog->shownWinner) {
        winner[0] = 0;
        LRESULT length = index != CB_ERR ? SendMessageW(combo, CB_GETLBTEXTLEN, (WPARAM)index, 0) : -1;
        if (length >= 0 && length < NAME_CAPACITY)
            SendMessageW(combo, CB_GETLBTEXT, (WPARAM)index, (LPARAM)winner);
    }
    LRESULT outcome = SendDlgItemMessageW(window, IDC_RESULT_OUTCOME, CB_GETCURSEL, 0, 0);
    if (outcome < OUTCOME_PLAYED || outcome >= OUTCOME_COUNT)
        outcome = OUTCOME_PLAYED;
    /* Nobody wins when both withdrew; anything else that tells how the
     * match ended needs its winner. */
    if (outcome != OUTCOME_DOUBLE_WALKOVER && (result[0] || outcome != OUTCOME_PLAYED) && !winner[0] && !drawn) {
        MessageBeep(MB_ICONWARNING);
        SetFocus(combo);
        return;
    }
    lstrcpyW(choice->winner, outcome == OUTCOME_DOUBLE_WALKOVER ? L"" : winner);
    lstrcpyW(choice->result, outcome == OUTCOME_DOUBLE_WALKOVER ? L"" : result);
    choice->outcome = (int)outcome;
    /* A match not played out is nobody's draw. */
    choice->drawn = drawn && outcome == OUTCOME_PLAYED;
    choice->court[0] = 0;
    GetDlgItemTextW(window, IDC_RESULT_COURT, choice->court, COURT_CAPACITY);
    readTime(window, choice->time);
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
        case MAKEWPARAM(IDC_RESULT_COURT, EN_CHANGE): showCourtLength(window); break;
        case MAKEWPARAM(IDC_RESULT_UNSCHEDULED, BN_CLICKED):
            EnableWindow(GetDlgItem(window, IDC_RESULT_TIME),
                         IsDlgButtonChecked(window, IDC_RESULT_UNSCHEDULED) != BST_CHECKED);
            break;
        case IDCANCEL: EndDialog(window, IDCANCEL); break;
        }
        break;
    }
    return FALSE;
}

int runMatchResultDialog(HWND owner, HMODULE module, MatchResultChoice *choice)
{
    MatchResultDialog dialog = {choice, module, CB_ERR, CB_ERR};
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
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
