#include "ui/dialogs/choice_question.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"

enum { TEMPLATE_CAPACITY = 512, INSERT_CAPACITY = 512, MESSAGE_CAPACITY = 2048, INSERT_SLOTS = 9 };

/* What the dialog shows; the answer is the dialog's result. */
struct ChoiceQuestion {
    const WCHAR *text;
};

/* String id with numbered inserts. Every insert a translation may name
 * (%1 to %9) has an argument, the missing ones empty, so a satellite's
 * text can never make the formatting read past the list. */
static void formatMessage(HMODULE module, UINT id, const WCHAR *first, const WCHAR *second, WCHAR *message,
                          int capacity)
{
    WCHAR format[TEMPLATE_CAPACITY];
    DWORD_PTR arguments[INSERT_SLOTS];
    for (int i = 0; i < INSERT_SLOTS; i++)
        arguments[i] = (DWORD_PTR)L"";
    arguments[0] = (DWORD_PTR)first;
    arguments[1] = (DWORD_PTR)second;
    if (!loadStringWithFallback(module, id, format, TEMPLATE_CAPACITY) ||
        !FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, format, 0, 0, message,
                        capacity, (va_list *)arguments))
        lstrcpynW(message, first, capacity);
}

/* Only the dialog's buttons end it, each with its own id; the whole wParam
 * is matched, so only a click (notification 0) counts. */
static INT_PTR CALLBACK choiceQuestionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        ChoiceQuestion *question = (ChoiceQuestion *)lParam;
        SetDlgItemTextW(dialog, IDC_CHOICE_TEXT, question->text);
        MessageBeep(MB_ICONWARNING);
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    switch (wParam) {
    case IDC_OVERWRITE:
    case IDC_SAVE_ELSEWHERE:
    case IDC_RESTORE:
    case IDC_DISCARD:
    case IDCANCEL: EndDialog(dialog, wParam); return TRUE;
    }
    return FALSE;
}

/* The template from module, or the executable's own when an older
 * satellite lacks it. A box that could not be shown answers Cancel. */
static int runChoiceQuestion(HWND window, HMODULE module, int dialogId, const WCHAR *text)
{
    ChoiceQuestion question = {text};
    INT_PTR answer = -1;
    if (module)
        answer = DialogBoxParamW(module, MAKEINTRESOURCEW(dialogId), window, choiceQuestionProc, (LPARAM)&question);
    if (answer == -1)
        answer = DialogBoxParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(dialogId), window, choiceQuestionProc,
                                 (LPARAM)&question);
    return answer <= 0 ? IDCANCEL : (int)answer;
}

int askAboutNewerFile(HWND window, HMODULE module, const WCHAR *path, int deleted)
{
    WCHAR message[MESSAGE_CAPACITY];
    formatMessage(module, deleted ? IDS_DISK_DELETED : IDS_DISK_CHANGED, path, L"", message, MESSAGE_CAPACITY);
    return runChoiceQuestion(window, module, IDD_DISK_CHANGED, message);
}

int askAboutRestoredFile(HWND window, HMODULE module, const WCHAR *path)
{
    WCHAR message[MESSAGE_CAPACITY];
    formatMessage(module, IDS_RESTORED_SAVE, path, L"", message, MESSAGE_CAPACITY);
    return runChoiceQuestion(window, module, IDD_DISK_CHANGED, message);
}

/* The local date and time in the user's own formats. */
static void formatWhen(const FILETIME *written, WCHAR *when, int capacity)
{
    FILETIME local;
    SYSTEMTIME time;
    when[0] = 0;
    if (!FileTimeToLocalFileTime(written, &local) || !FileTimeToSystemTime(&local, &time))
        return;
    int used = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, NULL, when, capacity);
    if (used <= 0 || used >= capacity - 2)
        return;
    when[used - 1] = L' ';
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, NULL, when + used, capacity - used);
}

int askToRestoreRecovery(HWND window, HMODULE module, const WCHAR *owner, const WCHAR *title,
                         const FILETIME *written)
{
    WCHAR label[INSERT_CAPACITY];
    WCHAR when[128];
    WCHAR message[MESSAGE_CAPACITY];
    if (owner[0])
        lstrcpynW(label, owner, INSERT_CAPACITY);
    else
        formatMessage(module, IDS_RECOVERY_UNTITLED, title, L"", label, INSERT_CAPACITY);
    formatWhen(written, when, 128);
    formatMessage(module, IDS_RECOVERY_FOUND, label, when, message, MESSAGE_CAPACITY);
    return runChoiceQuestion(window, module, IDD_RECOVERY_OFFER, message);
}
