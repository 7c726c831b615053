#include "ui/match_result_dialog.h"

#include "model/third_place.h"
#include "res/resource.h"
#include "ui/dialog_record.h"
#include "ui/edit_history.h"
#include "ui/fallback_string.h"
#include "ui/third_place_view.h"

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

/* A first-round match against a bye was decided when the bracket was
 * made; the third-place match has one when a semi-final was. */
static int againstBye(const BracketNode *match)
{
    return match && match->left && (match->left->bye || match->right->bye);
}

static int hasTwoEntrants(Bracket *bracket, const BracketNode *node)
{
    if (node)
        return !againstBye(node);
    return !againstBye(bracket->root.left) && !againstBye(bracket->root.right);
}

int matchResultCanAct(HWND window, DocumentState *state)
{
    BracketNode *node;
    return !matchOfControl(window, state->bracket, GetFocus(), &node) || hasTwoEntrants(state->bracket, node);
}

static void fillChoice(Bracket *bracket, BracketNode *node, MatchResultChoice *choice)
{
    if (node) {
        lstrcpyW(choice->first, node->left->name);
        lstrcpyW(choice->second, node->right->name);
        lstrcpyW(choice->winner, node->name);
        lstrcpyW(choice->result, node->result);
        return;
    }
    const WCHAR *first = semiFinalLoser(bracket, 0);
    const WCHAR *second = semiFinalLoser(bracket, 1);
    lstrcpyW(choice->first, first ? first : L"");
    lstrcpyW(choice->second, second ? second : L"");
    lstrcpyW(choice->winner, bracket->thirdPlace.name);
    lstrcpyW(choice->result, bracket->thirdPlace.result);
}

static void runMatchResult(HWND window, Bracket *bracket, HWND control)
{
    BracketNode *node;
    if (!matchOfControl(window, bracket, control, &node) || !hasTwoEntrants(bracket, node))
        return;
    MatchResultChoice choice;
    fillChoice(bracket, node, &choice);
    if (!runMatchResultDialog(window, bracket->resourceModule, &choice) || !bracket->slotCount)
        return;
    beginUndoStep(bracket, 0);
    setMatchResult(bracket, node, choice.winner, choice.result);
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
    AppendMenuW(menu, MF_STRING | (hasTwoEntrants(bracket, node) ? 0 : MF_GRAYED), IDM_EDIT_MATCH_RESULT, text);
    SetFocus(control);
    UINT chosen = (UINT)TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window, NULL);
    DestroyMenu(menu);
    if (chosen == IDM_EDIT_MATCH_RESULT)
        runMatchResult(window, bracket, control);
}
