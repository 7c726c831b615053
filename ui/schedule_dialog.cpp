#include "ui/schedule_dialog.h"

#include <commctrl.h>

#include "res/resource.h"
#include "ui/bracket_picture.h"
#include "ui/dialog_record.h"
#include "ui/fallback_string.h"
#include "ui/message_text.h"
#include "ui/time_picker.h"

/* The rounds a bracket offers: every match ready, then each round from the
 * first, the third-place match before the final while it is on. Item data
 * is the round's code for the request. */
static void addRound(HWND combo, const WCHAR *name, int round)
{
    LRESULT index = SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)name);
    if (index >= 0)
        SendMessageW(combo, CB_SETITEMDATA, (WPARAM)index, (LPARAM)round);
}

static void fillRounds(HWND combo, Bracket *bracket)
{
    HMODULE module = bracket->resourceModule;
    WCHAR name[128];
    loadStringWithFallback(module, IDS_SCHEDULE_READY, name, 128);
    addRound(combo, name, SCHEDULE_READY_MATCHES);
    for (int level = bracket->depth - 1; level >= 0; level--) {
        if (level == 0 && bracket->thirdPlace.on) {
            loadStringWithFallback(module, IDS_PICTURE_THIRD_PLACE, name, 128);
            addRound(combo, name, SCHEDULE_THIRD_PLACE);
        }
        /* A round is named, as in the picture, by its entrants' column. */
        roundHeading(bracket, level + 1, name, 128);
        addRound(combo, name, level);
    }
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

static void initScheduleDialog(HWND window, ScheduleChoice *choice)
{
    fillRounds(GetDlgItem(window, IDC_SCHEDULE_ROUND), choice->bracket);
    showPickerTime(GetDlgItem(window, IDC_SCHEDULE_START), L"");
    SetDlgItemInt(window, IDC_SCHEDULE_MINUTES, 60, FALSE);
    SendDlgItemMessageW(window, IDC_SCHEDULE_MINUTES, EM_LIMITTEXT, 4, 0);
    SendDlgItemMessageW(window, IDC_SCHEDULE_COURTS, EM_LIMITTEXT, ARRAYSIZE(choice->courts) - 1, 0);
}

/* A complaint under the fields, the field at fault focused. */
static void complain(HWND window, HMODULE module, UINT id, const WCHAR *insert, int field)
{
    WCHAR text[256];
    const WCHAR *inserts[] = {insert};
    loadMessageText(module, id, inserts, 1, text, 256);
    SetDlgItemTextW(window, IDC_SCHEDULE_MESSAGE, text);
    MessageBeep(MB_ICONWARNING);
    SetFocus(GetDlgItem(window, field));
}

/* A court name is never cut without a word: one too long is named. */
static int courtsFit(HWND window, HMODULE module, const WCHAR *courts)
{
    WCHAR court[COURT_CAPACITY];
    int length;
    for (const WCHAR *list = courts; nextCourtName(&list, court, &length);) {
        if (length >= COURT_CAPACITY) {
            complain(window, module, IDS_SCHEDULE_LONG_COURT, court, IDC_SCHEDULE_COURTS);
            return 0;
        }
    }
    return 1;
}

static void confirmSchedule(HWND window, ScheduleChoice *choice)
{
    HMODULE module = choice->bracket->resourceModule;
    ScheduleRequest *request = &choice->request;
    BOOL read = FALSE;
    UINT minutes = GetDlgItemInt(window, IDC_SCHEDULE_MINUTES, &read, FALSE);
    if (!read || minutes < 1 || minutes > MAX_MINUTES_PER_MATCH) {
        complain(window, module, IDS_SCHEDULE_BAD_MINUTES, L"", IDC_SCHEDULE_MINUTES);
        return;
    }
    choice->courts[0] = 0;
    GetDlgItemTextW(window, IDC_SCHEDULE_COURTS, choice->courts, ARRAYSIZE(choice->courts));
    if (!courtsFit(window, module, choice->courts))
        return;
    HWND rounds = GetDlgItem(window, IDC_SCHEDULE_ROUND);
    LRESULT index = SendMessageW(rounds, CB_GETCURSEL, 0, 0);
    request->round = index == CB_ERR ? SCHEDULE_READY_MATCHES
                                     : (int)SendMessageW(rounds, CB_GETITEMDATA, (WPARAM)index, 0);
    readPickerTime(GetDlgItem(window, IDC_SCHEDULE_START), request->start);
    request->minutes = (int)minutes;
    request->courts = choice->courts;
    request->replace = IsDlgButtonChecked(window, IDC_SCHEDULE_REPLACE) == BST_CHECKED;
    EndDialog(window, IDOK);
}

static INT_PTR CALLBACK scheduleDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ScheduleChoice *choice = (ScheduleChoice *)dialogRecord(window, message, lParam);
    if (!choice)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG: initScheduleDialog(window, choice); break;
    case WM_COMMAND:
        switch (wParam) {
        case IDOK: confirmSchedule(window, choice); break;
        case IDCANCEL: EndDialog(window, IDCANCEL); break;
        }
        break;
    }
    return FALSE;
}

int runScheduleDialog(HWND owner, ScheduleChoice *choice)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    HMODULE module = choice->bracket->resourceModule;
    /* A satellite made before scheduling existed has no such template. */
    INT_PTR answer = -1;
    if (module && FindResourceW(module, MAKEINTRESOURCEW(IDD_SCHEDULE), (LPCWSTR)RT_DIALOG))
        answer = DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_SCHEDULE), owner, scheduleDialogProc, (LPARAM)choice);
    if (answer == -1)
        answer = DialogBoxParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_SCHEDULE), owner, scheduleDialogProc,
                                 (LPARAM)choice);
    return answer == IDOK;
}

void scheduleMatchesCommand(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    if (!bracket->slotCount || !bracket->depth)
        return;
    ScheduleChoice choice = {};
    choice.bracket = bracket;
    if (!runScheduleDialog(window, &choice) || !bracket->slotCount)
        return;
    beginUndoStep(bracket, 0);
    scheduleMatches(bracket, &choice.request);
    endUndoStep(bracket);
}
