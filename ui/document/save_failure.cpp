#include "ui/document/save_failure.h"
#include "file/bracket_writer.h"
#include "model/losers_bracket.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/common/system_error_text.h"

enum { TEMPLATE_CAPACITY = 512, SHOWN_CAPACITY = 1024, MESSAGE_CAPACITY = 2048 };

/* Appends text if it fits whole; returns 0 when it does not. */
static int appendShown(WCHAR *shown, int *used, const WCHAR *text)
{
    int length = lstrlenW(text);
    if (*used + length >= SHOWN_CAPACITY - 1)
        return 0;
    lstrcpyW(shown + *used, text);
    *used += length;
    return 1;
}

/* The name or title as the user should see it in the message: every unit
 * the file cannot carry is spelled out as [U+XXXX], since most of them
 * show as nothing at all. A text too long for the box ends in an ellipsis. */
static void spellOutUnwritable(const WCHAR *text, WCHAR *shown)
{
    int used = 0;
    shown[0] = 0;
    for (const WCHAR *p = text; *p; p++) {
        WCHAR unit[12] = {*p, 0};
        int pair = *p >= 0xD800 && *p <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF;
        if (pair) {
            unit[1] = p[1];
            unit[2] = 0;
        } else if (holdsUnwritableCharacter(unit)) {
            wsprintfW(unit, L"[U+%04X]", (unsigned)*p);
        }
        if (!appendShown(shown, &used, unit)) {
            appendShown(shown, &used, L"\x2026");
            return;
        }
        p += pair;
    }
}

void reportSaveFailure(HWND window, Bracket *bracket, const WCHAR *path, const SaveReport *report)
{
    UINT id = 0;
    WCHAR detail[SHOWN_CAPACITY];
    detail[0] = 0;
    switch (report->fault) {
    case SAVE_FAULT_TEXT:
        id = report->slotId ? IDS_SAVE_BAD_NAME : IDS_SAVE_BAD_TITLE;
        spellOutUnwritable(report->slotId ? bracket->nodeTable[report->slotId - 1]->name : bracket->title, detail);
        break;
    case SAVE_FAULT_RESULT:
        id = IDS_SAVE_BAD_RESULT;
        spellOutUnwritable(report->slotId ? bracketNodeOfId(bracket, report->slotId)->result : bracket->thirdPlace.result,
                           detail);
        break;
    case SAVE_FAULT_COURT:
        id = IDS_SAVE_BAD_COURT;
        spellOutUnwritable(report->slotId ? bracketNodeOfId(bracket, report->slotId)->details.court
                                          : bracket->thirdPlace.details.court,
                           detail);
        break;
    case SAVE_FAULT_UNREADABLE: id = IDS_SAVE_UNREADABLE; break;
    case SAVE_FAULT_SYSTEM:
        id = IDS_SAVE_FAILED;
        systemErrorText(bracket->resourceModule, report->error, detail, TEMPLATE_CAPACITY);
        break;
    default: return;
    }
    /* Numbered inserts, so a translation may put the file and the reason
     * in either order. */
    WCHAR caption[128];
    WCHAR message[MESSAGE_CAPACITY];
    const WCHAR *inserts[] = {path, detail};
    loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, caption, 128);
    if (!loadMessageText(bracket->resourceModule, id, inserts, 2, message, MESSAGE_CAPACITY))
        lstrcpynW(message, path, MESSAGE_CAPACITY);
    MessageBoxW(window, message, caption, MB_OK | MB_ICONERROR);
}
