#include "ui/document/open_failure.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/common/system_error_text.h"
#include "ui/document/group_file_fault.h"

enum { REASON_CAPACITY = 512, MESSAGE_CAPACITY = 2048 };

void reportOpenFailure(HWND window, HMODULE module, const WCHAR *name, const OpenReport *report)
{
    UINT id = 0;
    WCHAR reason[REASON_CAPACITY];
    reason[0] = 0;
    switch (report->fault) {
    case OPEN_FAULT_NOT_FOUND: id = IDS_OPEN_NOT_FOUND; break;
    case OPEN_FAULT_UNREADABLE:
        id = IDS_OPEN_UNREADABLE;
        systemErrorText(module, report->error, reason, REASON_CAPACITY);
        break;
    case OPEN_FAULT_NOT_BRACKET: id = IDS_OPEN_NOT_BRACKET; break;
    case OPEN_FAULT_TOO_LARGE: id = IDS_OPEN_TOO_LARGE; break;
    case OPEN_FAULT_NAME_TOO_LONG: id = IDS_OPEN_NAME_TOO_LONG; break;
    case OPEN_FAULT_GROUPS:
        id = IDS_OPEN_GROUPS;
        groupFileFaultText(module, report, reason, REASON_CAPACITY);
        break;
    default: return;
    }
    WCHAR caption[128];
    WCHAR message[MESSAGE_CAPACITY];
    const WCHAR *inserts[] = {name ? name : L"", reason};
    if (!loadStringWithFallback(module, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    if (!loadMessageText(module, id, inserts, 2, message, MESSAGE_CAPACITY))
        formatMessageText(L"%1\n\n%2", inserts, 2, message, MESSAGE_CAPACITY);
    MessageBoxW(window, message, caption, MB_OK | MB_ICONERROR);
}
