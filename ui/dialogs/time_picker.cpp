#include "ui/dialogs/time_picker.h"

#include <commctrl.h>

#include "model/match_details.h"

/* The user's short date and time, so the picker reads as the rest of the
 * system does; the picker's own default would leave out the time. */
static void setPickerFormat(HWND picker)
{
    WCHAR date[40], time[40], format[84];
    if (!GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SSHORTDATE, date, 40) ||
        !GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SSHORTTIME, time, 40))
        return;
    lstrcpyW(format, date);
    lstrcatW(format, L" ");
    lstrcatW(format, time);
    SendMessageW(picker, DTM_SETFORMATW, 0, (LPARAM)format);
}

int showPickerTime(HWND picker, const WCHAR *time)
{
    setPickerFormat(picker);
    SYSTEMTIME shown;
    int given = time[0] && parseMatchTime(time, &shown);
    if (!given) {
        WCHAR now[MATCH_TIME_CAPACITY];
        GetLocalTime(&shown);
        shown.wMinute = 0;
        formatMatchTime(&shown, now);
        if (addMinutesToMatchTime(now, 60, now))
            parseMatchTime(now, &shown);
    }
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&shown);
    return given;
}

void readPickerTime(HWND picker, WCHAR *time)
{
    time[0] = 0;
    SYSTEMTIME shown;
    if (SendMessageW(picker, DTM_GETSYSTEMTIME, 0, (LPARAM)&shown) == GDT_VALID)
        formatMatchTime(&shown, time);
}
