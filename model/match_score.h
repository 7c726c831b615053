/* A match's result text read for a group's standings, from the winner's
 * side (from the home side for a draw): several "a:b" or "a-b" pairs are
 * games with their points ("11:7 9:11 11:5": games 2-1, points 31-23); a
 * single pair is games, or goals ("3:1"). */
#ifndef DUELMARK_MODEL_MATCH_SCORE_H
#define DUELMARK_MODEL_MATCH_SCORE_H

#include <windows.h>

enum ScoreReading {
    SCORE_NONE,       /* no result given */
    SCORE_GAMES,      /* one pair: games or goals, no points */
    SCORE_POINTS,     /* several pairs: games counted, points summed */
    SCORE_UNREADABLE  /* text that is no list of pairs: counts for the winner only */
};

struct MatchScore {
    int reading;    /* a ScoreReading */
    int games[2];   /* first side (the winner's), second side */
    int points[2];  /* SCORE_POINTS only; 0 otherwise */
};

/* Reads text into score. Pairs are separated by spaces, commas or
 * semicolons; a side is at most five digits. Returns score->reading. */
int readMatchScore(const WCHAR *text, MatchScore *score);

#endif
