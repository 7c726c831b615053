#include "ui/dialogs/schedule_dialog.h"

#include <commctrl.h>

#include "res/resource.h"
#include "ui/common/dialog_record.h"
#include "ui/common/message_text.h"
#include "ui/dialogs/time_picker.h"

static void fillRounds(HWND combo, const ScheduleChoice *choice)
{
    for (int i = 0; i < choice->roundCount; i++) {
        LRESULT index = SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)choice->rounds[i].name);
        if (index >= 0)
            SendMessageW(combo, CB_SETITEMDATA, (WPARAM)index, (LPARAM)choice->rounds[i].round);
    }
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

static void initScheduleDialog(HWND window, ScheduleChoice *choice)
{
    fillRounds(GetDlgItem(window, IDC_SCHEDULE_ROUND), choice);
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
    HMODULE module = choice->module;
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
    HMODULE module = choice->module;
    /* A satellite made before scheduling existed has no such template. */
    INT_PTR answer = -1;
    if (module && FindResourceW(module, MAKEINTRESOURCEW(IDD_SCHEDULE), (LPCWSTR)RT_DIALOG))
        answer = DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_SCHEDULE), owner, scheduleDialogProc, (LPARAM)choice);
    if (answer == -1)
        answer = DialogBoxParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_SCHEDULE), owner, scheduleDialogProc,
                                 (LPARAM)choice);
    return answer == IDOK;
}
