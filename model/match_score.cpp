#include "model/match_score.h"

enum { MAX_SIDE_DIGITS = 5 };

static int isDigit(WCHAR c)
{
    return c >= L'0' && c <= L'9';
}

static int isGap(WCHAR c)
{
    return c == L' ' || c == L'\t' || c == L',' || c == L';';
}

/* An en dash is what a word processor makes of "11-7". */
static int isPairMark(WCHAR c)
{
    return c == L':' || c == L'-' || c == 0x2013;
}

/* The mark between two sides, spaces allowed around it ("3 : 1"). */
static int readPairMark(const WCHAR **cursor)
{
    const WCHAR *p = *cursor;
    while (*p == L' ')
        p++;
    if (!isPairMark(*p))
        return 0;
    p++;
    while (*p == L' ')
        p++;
    *cursor = p;
    return 1;
}

/* Digits at *cursor into *value. Returns 0 for none or too many. */
static int readSide(const WCHAR **cursor, int *value)
{
    const WCHAR *p = *cursor;
    int sum = 0, digits = 0;
    while (isDigit(*p)) {
        if (++digits > MAX_SIDE_DIGITS)
            return 0;
        sum = sum * 10 + (*p++ - L'0');
    }
    *cursor = p;
    *value = sum;
    return digits > 0;
}

int readMatchScore(const WCHAR *text, MatchScore *score)
{
    MatchScore read = {};
    int pairs = 0, firstA = 0, firstB = 0;
    const WCHAR *p = text ? text : L"";
    for (;;) {
        while (isGap(*p))
            p++;
        if (!*p)
            break;
        int a, b;
        if (!readSide(&p, &a) || !readPairMark(&p) || !readSide(&p, &b) || (*p && !isGap(*p))) {
            *score = MatchScore{SCORE_UNREADABLE, {0, 0}, {0, 0}};
            return SCORE_UNREADABLE;
        }
        if (pairs++ == 0) {
            firstA = a;
            firstB = b;
        }
        /* A level game is no game won: neither side counts it. */
        read.games[0] += a > b;
        read.games[1] += b > a;
        read.points[0] += a;
        read.points[1] += b;
    }
    if (pairs == 0) {
        read.points[0] = read.points[1] = 0;
        read.reading = SCORE_NONE;
    } else if (pairs == 1) {
        read.games[0] = firstA;
        read.games[1] = firstB;
        read.points[0] = read.points[1] = 0;
        read.reading = SCORE_GAMES;
    } else {
        read.reading = SCORE_POINTS;
    }
    *score = read;
    return read.reading;
}
