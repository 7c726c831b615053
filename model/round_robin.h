/* Who meets whom, and in which round, inside a group: the Berger tables.
 * The group's entrants are numbered 1 .. n in the order they stand in the
 * group; with an odd n the table for n + 1 is played and whoever would
 * meet the phantom n + 1 sits that round out. */
#ifndef DUELMARK_MODEL_ROUND_ROBIN_H
#define DUELMARK_MODEL_ROUND_ROBIN_H

enum {
    MIN_GROUP_SIZE = 3,
    MAX_GROUP_SIZE = 8,
    MAX_GROUP_ROUNDS = MAX_GROUP_SIZE,  /* an odd group plays one round more */
    MAX_ROUND_PAIRINGS = MAX_GROUP_SIZE / 2,
    MAX_GROUP_MATCHES = MAX_GROUP_SIZE * (MAX_GROUP_SIZE - 1) / 2
};

/* One match of the table: entrant numbers 1 .. n, home first. */
struct Pairing {
    int home;
    int away;
};

/* Where a pairing stands in the table. */
struct PairingPlace {
    int round;  /* 1 .. rounds */
    int board;  /* 0-based among the round's matches, the bye left out */
    int match;  /* 0-based in table order */
    int home;   /* 1 when the pairing was asked for home first */
};

/* The rounds a group of n entrants plays: n - 1, or n when n is odd.
 * Returns 0 for n outside MIN_GROUP_SIZE .. MAX_GROUP_SIZE. */
int roundRobinRounds(int entrants);

/* The matches of round 1 .. rounds, board by board, into pairings
 * (MAX_ROUND_PAIRINGS room). Returns how many, 0 for a round or n out of
 * range. */
int roundRobinRound(int entrants, int round, Pairing *pairings);

/* The entrant who sits the round out: 0 when n is even or out of range. */
int roundRobinSitsOut(int entrants, int round);

/* Every match of the group in table order (round by round, board by
 * board), into pairings (MAX_GROUP_MATCHES room): the order a file lists
 * them in. Returns n (n - 1) / 2, or 0 for n out of range. */
int roundRobinMatches(int entrants, Pairing *pairings);

/* Where entrants a and b meet, whichever is home. Returns 1 with place
 * filled, or 0 when a or b is out of range or they are the same. */
int findPairing(int entrants, int a, int b, PairingPlace *place);

#endif
