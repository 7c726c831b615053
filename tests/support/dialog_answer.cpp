#include "support/dialog_answer.h"

#include "res/resource.h"

namespace {

enum { MAX_PENDING = 16, MESSAGE_TEXT_ID = 0xFFFF };

HHOOK hook;
DialogAnswer *current;
// Dialogs created while armed and not yet answered. Only these are ever
// clicked: the test's main window is re-activated when a box closes and
// must not be mistaken for one.
HWND pending[MAX_PENDING];

int isDialogClass(HWND window)
{
    WCHAR name[16];
    return GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32770") == 0;
}

// Activation of no window at all (wParam NULL) happens when one is hidden.
int takePending(HWND window)
{
    if (!window)
        return 0;
    for (HWND &slot : pending) {
        if (slot == window) {
            slot = NULL;
            return 1;
        }
    }
    return 0;
}

void addPending(HWND window)
{
    for (HWND &slot : pending) {
        if (!slot) {
            slot = window;
            return;
        }
    }
}

HWND findButton(HWND box, int id)
{
    HWND button = GetDlgItem(box, id);
    return button && IsWindowEnabled(button) ? button : NULL;
}

void record(HWND box)
{
    current->count++;
    current->owner = GetWindow(box, GW_OWNER);
    GetWindowTextW(box, current->caption, 256);
    current->text[0] = 0;
    if (HWND text = GetDlgItem(box, MESSAGE_TEXT_ID))
        GetWindowTextW(text, current->text, 1024);
    current->hasYes = findButton(box, IDYES) != NULL;
    current->hasNo = findButton(box, IDNO) != NULL;
    current->hasOk = findButton(box, IDOK) != NULL;
    current->hasCancel = findButton(box, IDCANCEL) != NULL;
}

// The click is posted, not sent: the box's own modal loop must be running
// to end it, and activation happens before that loop starts. A box without
// the wanted button still gets closed, so a wrong expectation fails the
// test instead of hanging it.
void answer(HWND box)
{
    record(box);
    int id = current->choose ? current->choose(box, current) : current->button;
    HWND button = findButton(box, id);
    if (!button) {
        static const int fallbacks[] = { IDCANCEL, IDNO, IDOK };
        for (int candidate : fallbacks) {
            if ((button = findButton(box, candidate)) != NULL) {
                id = candidate;
                break;
            }
        }
    }
    current->clicked = button ? id : 0;
    if (button)
        PostMessageW(button, BM_CLICK, 0, 0);
    else
        PostMessageW(box, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK cbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = (HWND)wParam;
    if (current && code == HCBT_CREATEWND && isDialogClass(window)) {
        if (current->button == DIALOG_REFUSED) {
            current->count++;
            return 1;
        }
        addPending(window);
    }
    else if (current && code == HCBT_ACTIVATE && takePending(window))
        answer(window);
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace

void armDialogAnswer(DialogAnswer *answer, int button)
{
    ZeroMemory(answer, sizeof *answer);
    answer->button = button;
    resumeDialogAnswer(answer);
}

void armDialogChooser(DialogAnswer *answer, DialogChooser choose, void *context)
{
    armDialogAnswer(answer, IDCANCEL);
    answer->choose = choose;
    answer->context = context;
}

void resumeDialogAnswer(DialogAnswer *answer)
{
    disarmDialogAnswer();
    current = answer;
    hook = SetWindowsHookExW(WH_CBT, cbtHook, NULL, GetCurrentThreadId());
}

DialogAnswer *activeDialogAnswer(void)
{
    return current;
}

void disarmDialogAnswer(void)
{
    if (hook)
        UnhookWindowsHookEx(hook);
    hook = NULL;
    current = NULL;
    for (HWND &slot : pending)
        slot = NULL;
}

int answerSetupThenNo(HWND box, DialogAnswer *answer)
{
    SetupAnswer *user = (SetupAnswer *)answer->context;
    if (GetDlgItem(box, IDC_TEAMS_COMBO) && GetDlgItem(box, IDC_TITLE_EDIT)) {
        SetDlgItemTextW(box, IDC_TITLE_EDIT, user->title);
        SendDlgItemMessageW(box, IDC_TEAMS_COMBO, CB_SETCURSEL, user->teamsIndex, 0);
        user->setups++;
        return IDC_SETUP_OK;
    }
    if (GetDlgItem(box, IDNO))
        user->questions++;
    return IDNO;
}
