/* What a match carries besides its pick and score: how it ended (an
 * outcome that says why the loser did not finish, or that nobody won), and
 * where and when it is played. Every match has them: the picks of the
 * winners' bracket and the match for third place. */
#ifndef DUELMARK_MODEL_MATCH_DETAILS_H
#define DUELMARK_MODEL_MATCH_DETAILS_H

#include <windows.h>

enum MatchOutcome {
    OUTCOME_PLAYED,          /* played out, or still to be played */
    OUTCOME_WALKOVER,        /* the loser did not turn up */
    OUTCOME_RETIRED,         /* the loser stopped during the match */
    OUTCOME_DISQUALIFIED,    /* the loser was disqualified */
    OUTCOME_DOUBLE_WALKOVER, /* both withdrew: no winner, the pick stays empty */
    OUTCOME_COUNT
};

enum {
    COURT_CAPACITY = 32,      /* 31 UTF-16 units and the terminator */
    MATCH_TIME_CAPACITY = 17  /* "YYYY-MM-DDTHH:MM" and the terminator */
};

struct MatchDetails {
    int outcome;                     /* a MatchOutcome; a decided outcome needs a winner */
    WCHAR court[COURT_CAPACITY];     /* free text, empty when none is set */
    WCHAR time[MATCH_TIME_CAPACITY]; /* local time as "YYYY-MM-DDTHH:MM", or empty */
};

/* 1 with the fields (seconds 0) when text is exactly "YYYY-MM-DDTHH:MM" and
 * names a real date and time; 0 for anything else. */
int parseMatchTime(const WCHAR *text, SYSTEMTIME *time);

/* The time as "YYYY-MM-DDTHH:MM" into text (MATCH_TIME_CAPACITY units). */
void formatMatchTime(const SYSTEMTIME *time, WCHAR *text);

/* later = text plus minutes, in the same form. Returns 0 when text is no
 * time or the sum leaves the years 1601 to 9999. */
int addMinutesToMatchTime(const WCHAR *text, int minutes, WCHAR *later);

#endif
