/* A group's table: what each entrant played, won and scored, and the
 * places under the event's tiebreak rules, with the entrants the rules
 * leave level reported as level until the organiser's lots order them. */
#ifndef DUELMARK_MODEL_GROUP_STANDINGS_H
#define DUELMARK_MODEL_GROUP_STANDINGS_H

#include "model/bracket.h"
#include "model/round_robin.h"

enum GroupRules {
    RULES_TABLE_TENNIS, /* win 2, loss 1, loss not played 0; level ones by the matches between them */
    RULES_BADMINTON,    /* matches won; two level by their match, more by game and point difference */
    RULES_FOOTBALL,     /* win 3, draw 1; difference, scored, then the matches between them */
    RULES_HEAD_TO_HEAD, /* win 3, draw 1; the matches between them first, then difference, scored */
    RULES_COUNT
};

enum GroupMatchWinner {
    GROUP_UNDECIDED,  /* no winner: still to play, or both withdrew (outcome says which) */
    GROUP_HOME_WON,
    GROUP_AWAY_WON,
    GROUP_DRAWN       /* counted only where the rules allow draws */
};

/* One group match as the standings need it; any match record of the
 * model can be turned into this. */
struct GroupMatch {
    int home;                       /* entrant numbers 1 .. n */
    int away;
    int winner;                     /* a GroupMatchWinner */
    int outcome;                    /* a MatchOutcome (model/match_details.h) */
    WCHAR result[RESULT_CAPACITY];  /* read by model/match_score.h */
};

struct StandingRow {
    int entrant;        /* 1 .. n */
    int played, won, drawn, lost;
    int gamesFor, gamesAgainst;    /* goals, where a result is one pair */
    int pointsFor, pointsAgainst;
    int matchPoints;
    int unreadable;     /* results of its matches that counted for the winner only */
    int place;          /* 1 .. n; entrants left level share the best place of their run */
    int level;          /* the rules could not separate it from a neighbour ("=") */
    int byLot;          /* level, but placed by the organiser's order */
};

struct GroupStandings {
    int count;                         /* n */
    int decided;                       /* pairings with a decided match */
    int complete;                      /* every pairing decided */
    int awaitingLots;                  /* some run is level and the organiser's order does not cover it */
    StandingRow rows[MAX_GROUP_SIZE];  /* best first */
};

/* Whether the rules count a draw (football and head-to-head first). */
int groupRulesAllowDraws(int rules);

/* The table of a group of n entrants from its matches (each pairing at
 * most once; matches not decided are passed over, as are draws the rules
 * do not allow) under rules. tied lists entrant numbers in the order the
 * lots gave (tiedCount 0: none): a level run all of whose entrants it
 * names is ordered by it. A double walkover is played and lost by both.
 * Returns 1, or 0 for n or rules out of range or a match whose entrants
 * are out of range or the same. */
int computeStandings(int entrants, const GroupMatch *matches, int matchCount, int rules, const int *tied,
                     int tiedCount, GroupStandings *standings);

#endif
