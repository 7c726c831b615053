#include "model/match_details.h"

#include "model/bracket.h"
#include "model/pick_rules.h"
#include "model/third_place.h"

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
    if (year < 1601 || month < 1 || month > 12 || day < 1 || hour > 23 || minute > 59)
        return 0;
    parsed.wYear = (WORD)year;
    parsed.wMonth = (WORD)month;
    parsed.wDay = (WORD)day;
    parsed.wHour = (WORD)hour;
    parsed.wMinute = (WORD)minute;
    /* The system refuses days a month does not have, leap years included. */
    FILETIME check;
    if (!SystemTimeToFileTime(&parsed, &check))
        return 0;
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

MatchDetails *matchDetailsOf(Bracket *bracket, BracketNode *node)
{
    return node ? &node->details : &bracket->thirdPlace.details;
}

int isMatchDecided(Bracket *bracket, BracketNode *node)
{
    const WCHAR *pick = node ? node->name : bracket->thirdPlace.name;
    return pick[0] || matchDetailsOf(bracket, node)->outcome == OUTCOME_DOUBLE_WALKOVER;
}

/* The third-place match has nobody after it: its double walkover is a mark
 * and an empty pick, nothing more. */
static int setThirdPlaceOutcome(Bracket *bracket, const WCHAR *winner, const WCHAR *result, int outcome)
{
    MatchDetails *details = &bracket->thirdPlace.details;
    if (!setMatchResult(bracket, NULL, winner, result))
        return 0;
    if (details->outcome != outcome) {
        details->outcome = outcome;
        bracket->dirty = 1;
    }
    return 1;
}

int setMatchOutcome(Bracket *bracket, BracketNode *node, const WCHAR *winner, const WCHAR *result, int outcome)
{
    if (bracket->slotCount == 0 || outcome < 0 || outcome >= OUTCOME_COUNT || (node && !node->left))
        return 0;
    if (outcome == OUTCOME_DOUBLE_WALKOVER) {
        winner = L"";
        result = L"";
    } else if (!winner[0]) {
        outcome = OUTCOME_PLAYED;
    }
    if (!node)
        return setThirdPlaceOutcome(bracket, winner, result, outcome);
    if (winner[0] && lstrcmpW(winner, node->left->name) != 0 && lstrcmpW(winner, node->right->name) != 0)
        return 0;
    if (outcome == OUTCOME_DOUBLE_WALKOVER)
        return setMatchWithdrawn(bracket, node, 1);
    if (!setMatchWithdrawn(bracket, node, 0) || !setMatchResult(bracket, node, winner, result))
        return 0;
    if (node->details.outcome != outcome) {
        node->details.outcome = outcome;
        bracket->dirty = 1;
    }
    return 1;
}

int setMatchSchedule(Bracket *bracket, BracketNode *node, const WCHAR *court, const WCHAR *time)
{
    SYSTEMTIME parsed;
    if (bracket->slotCount == 0 || (node && !node->left) || (time[0] && !parseMatchTime(time, &parsed)))
        return 0;
    MatchDetails *details = matchDetailsOf(bracket, node);
    int length = 0;
    while (court[length] && length < COURT_CAPACITY - 1)
        length++;
    if (court[length] && length > 0 && court[length - 1] >= 0xD800 && court[length - 1] <= 0xDBFF)
        length--;
    WCHAR taken[COURT_CAPACITY];
    lstrcpynW(taken, court, length + 1);
    if (lstrcmpW(taken, details->court) != 0 || lstrcmpW(time, details->time) != 0)
        bracket->dirty = 1;
    lstrcpyW(details->court, taken);
    lstrcpynW(details->time, time, MATCH_TIME_CAPACITY);
    return 1;
}
