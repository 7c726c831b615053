#include "ui/match_result_dialog.h"

#include <commctrl.h>

#include "model/match_outcome.h"
#include "model/third_place.h"
#include "res/resource.h"
#include "ui/dialog_record.h"
#include "ui/edit_history.h"
#include "ui/fallback_string.h"
#include "ui/third_place_view.h"
#include "ui/time_picker.h"

/* The dialog's own record: the choice it works on. */
struct MatchResultDialog {
    MatchResultChoice *choice;
    HMODULE module;   /* where the outcome names come from */
};

static void addWinnerChoice(HWND combo, const WCHAR *name)
{
    if (name[0] && SendMessageW(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)name) == CB_ERR)
        SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)name);
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

static void initMatchResultDialog(HWND window, MatchResultChoice *choice, HMODULE module)
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
    initMatchDetails(window, module, choice);
    SetFocus(index != CB_ERR ? result : combo);
}

/* The time the picker shows, or empty when the match is not scheduled. */
static void readTime(HWND window, WCHAR *text)
{
    text[0] = 0;
    if (IsDlgButtonChecked(window, IDC_RESULT_UNSCHEDULED) != BST_CHECKED)
        readPickerTime(GetDlgItem(window, IDC_RESULT_TIME), text);
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
    LRESULT outcome = SendDlgItemMessageW(window, IDC_RESULT_OUTCOME, CB_GETCURSEL, 0, 0);
    if (outcome < OUTCOME_PLAYED || outcome >= OUTCOME_COUNT)
        outcome = OUTCOME_PLAYED;
    /* Nobody wins when both withdrew; anything else that tells how the
     * match ended needs its winner. */
    if (outcome != OUTCOME_DOUBLE_WALKOVER && (result[0] || outcome != OUTCOME_PLAYED) && !winner[0]) {
        MessageBeep(MB_ICONWARNING);
        SetFocus(combo);
        return;
    }
    lstrcpyW(choice->winner, outcome == OUTCOME_DOUBLE_WALKOVER ? L"" : winner);
    lstrcpyW(choice->result, outcome == OUTCOME_DOUBLE_WALKOVER ? L"" : result);
    choice->outcome = (int)outcome;
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
    case WM_INITDIALOG: initMatchResultDialog(window, dialog->choice, dialog->module); break;
    case WM_COMMAND:
        switch (wParam) {
        case IDOK: confirmMatchResult(window, dialog->choice); break;
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
    MatchResultDialog dialog = {choice, module};
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

/* The match a control stands for: 1 with *node (NULL for the third-place
 * match), 0 when the control is no pick of the open bracket. */
static int matchOfControl(HWND window, Bracket *bracket, HWND control, BracketNode **node)
{
    *node = NULL;
    if (!bracket->slotCount || !control || !IsChild(window, control))
        return 0;
    if (control == bracket->thirdPlace.control)
        return 1;
    if (GetDlgCtrlID(control) != IDC_PICK_COMBO)
        return 0;
    *node = (BracketNode *)GetWindowLongPtrW(control, GWLP_USERDATA);
    return *node && (*node)->left;
}

static void fillChoice(Bracket *bracket, BracketNode *node, MatchResultChoice *choice)
{
    if (node) {
        lstrcpyW(choice->first, node->left->name);
        lstrcpyW(choice->second, node->right->name);
        lstrcpyW(choice->winner, node->name);
        lstrcpyW(choice->result, node->result);
        choice->outcome = node->details.outcome;
        lstrcpyW(choice->court, node->details.court);
        lstrcpyW(choice->time, node->details.time);
        return;
    }
    const WCHAR *first = semiFinalLoser(bracket, 0);
    const WCHAR *second = semiFinalLoser(bracket, 1);
    lstrcpyW(choice->first, first ? first : L"");
    lstrcpyW(choice->second, second ? second : L"");
    lstrcpyW(choice->winner, bracket->thirdPlace.name);
    lstrcpyW(choice->result, bracket->thirdPlace.result);
    choice->outcome = bracket->thirdPlace.details.outcome;
    lstrcpyW(choice->court, bracket->thirdPlace.details.court);
    lstrcpyW(choice->time, bracket->thirdPlace.details.time);
}

static void runMatchResult(HWND window, Bracket *bracket, HWND control)
{
    BracketNode *node;
    if (!matchOfControl(window, bracket, control, &node))
        return;
    MatchResultChoice choice;
    fillChoice(bracket, node, &choice);
    if (!runMatchResultDialog(window, bracket->resourceModule, &choice) || !bracket->slotCount)
        return;
    beginUndoStep(bracket, 0);
    setMatchOutcome(bracket, node, choice.winner, choice.result, choice.outcome);
    setMatchSchedule(bracket, node, choice.court, choice.time);
    endUndoStep(bracket);
    if (node)
        showSlotName(node);
    else
        showThirdPlaceMatch(bracket, window);
}

void editMatchResult(HWND window, Bracket *bracket)
{
    runMatchResult(window, bracket, GetFocus());
}

void showPickMenu(HWND window, Bracket *bracket, HWND control, LPARAM where)
{
    BracketNode *node;
    if (!matchOfControl(window, bracket, control, &node))
        return;
    WCHAR text[64];
    if (!loadStringWithFallback(bracket->resourceModule, IDS_MATCH_RESULT_ITEM, text, 64))
        return;
    POINT at = {(short)LOWORD(where), (short)HIWORD(where)};
    /* From the keyboard (Shift+F10): under the control. */
    if (where == (LPARAM)-1) {
        RECT box;
        GetWindowRect(control, &box);
        at.x = box.left;
        at.y = box.bottom;
    }
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    AppendMenuW(menu, MF_STRING, IDM_EDIT_MATCH_RESULT, text);
    SetFocus(control);
    UINT chosen = (UINT)TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window, NULL);
    DestroyMenu(menu);
    if (chosen == IDM_EDIT_MATCH_RESULT)
        runMatchResult(window, bracket, control);
}
