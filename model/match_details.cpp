#include "model/match_details.h"

/* count ASCII digits from text as a number; 0 when any is no digit. */
static int readDigits(const WCHAR *text, int count, int *value)
{
    *value = 0;
    for (int i = 0; i < count; i++) {
        if (text[i] < L'0' || text[i] > L'9')
            return 0;
        *value = *value * 10 + (text[i] - L'0');
    }
    return 1;
}

int parseMatchTime(const WCHAR *text, SYSTEMTIME *time)
{
    SYSTEMTIME parsed = {};
    int year, month, day, hour, minute;
    if (!text || lstrlenW(text) != MATCH_TIME_CAPACITY - 1 || text[4] != L'-' || text[7] != L'-' ||
        text[10] != L'T' || text[13] != L':' || !readDigits(text, 4, &year) || !readDigits(text + 5, 2, &month) ||
        !readDigits(text + 8, 2, &day) || !readDigits(text + 11, 2, &hour) || !readDigits(text + 14, 2, &minute))
        return 0;
    static const int DAYS[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (year < 1601 || month < 1 || month > 12 || day < 1 || day > DAYS[month - 1] ||
        (month == 2 && day == 29 && !leap) || hour > 23 || minute > 59)
        return 0;
    parsed.wYear = (WORD)year;
    parsed.wMonth = (WORD)month;
    parsed.wDay = (WORD)day;
    parsed.wHour = (WORD)hour;
    parsed.wMinute = (WORD)minute;
    *time = parsed;
    return 1;
}

void formatMatchTime(const SYSTEMTIME *time, WCHAR *text)
{
    wsprintfW(text, L"%04u-%02u-%02uT%02u:%02u", time->wYear, time->wMonth, time->wDay, time->wHour,
              time->wMinute);
}

int addMinutesToMatchTime(const WCHAR *text, int minutes, WCHAR *later)
{
    SYSTEMTIME time;
    FILETIME file;
    if (!parseMatchTime(text, &time) || !SystemTimeToFileTime(&time, &file))
        return 0;
    ULARGE_INTEGER ticks;
    ticks.LowPart = file.dwLowDateTime;
    ticks.HighPart = file.dwHighDateTime;
    ticks.QuadPart += (ULONGLONG)(LONGLONG)minutes * 60 * 10000000;
    file.dwLowDateTime = ticks.LowPart;
    file.dwHighDateTime = ticks.HighPart;
    if (!FileTimeToSystemTime(&file, &time) || time.wYear > 9999)
        return 0;
    formatMatchTime(&time, later);
    return 1;
}
