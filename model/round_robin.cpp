#include "model/round_robin.h"

/* The table's size: odd groups play the table of the next even number. */
static int tableSize(int entrants)
{
    return entrants + (entrants & 1);
}

int roundRobinRounds(int entrants)
{
    if (entrants < MIN_GROUP_SIZE || entrants > MAX_GROUP_SIZE)
        return 0;
    return tableSize(entrants) - 1;
}

/* Every board of a round, the phantom's included. The highest number m
 * stays on the first board, home in even rounds, and faces the entrant
 * (r - 1) m/2 mod (m - 1) + 1; the others follow that entrant round the
 * circle 1 .. m - 1, the k-th after it at home against the k-th before
 * it. This reproduces the published tables (round 2 of six: 6-4, 5-3, 1-2). */
static int fullRound(int entrants, int round, Pairing *boards)
{
    int rounds = roundRobinRounds(entrants);
    if (!rounds || round < 1 || round > rounds)
        return 0;
    int m = tableSize(entrants);
    int circle = m - 1;
    int first = (round - 1) * (m / 2) % circle;  /* 0-based place on the circle */
    if (round % 2) {
        boards[0].home = first + 1;
        boards[0].away = m;
    } else {
        boards[0].home = m;
        boards[0].away = first + 1;
    }
    for (int k = 1; k < m / 2; k++) {
        boards[k].home = (first + k) % circle + 1;
        boards[k].away = (first + circle - k) % circle + 1;
    }
    return m / 2;
}

int roundRobinRound(int entrants, int round, Pairing *pairings)
{
    Pairing boards[MAX_ROUND_PAIRINGS];
    int count = fullRound(entrants, round, boards);
    int kept = 0;
    for (int k = 0; k < count; k++) {
        if (boards[k].home <= entrants && boards[k].away <= entrants)
            pairings[kept++] = boards[k];
    }
    return kept;
}

int roundRobinSitsOut(int entrants, int round)
{
    Pairing boards[MAX_ROUND_PAIRINGS];
    if (!(entrants & 1) || !fullRound(entrants, round, boards))
        return 0;
    return boards[0].home > entrants ? boards[0].away : boards[0].home;
}

int roundRobinMatches(int entrants, Pairing *pairings)
{
    int rounds = roundRobinRounds(entrants);
    int count = 0;
    for (int round = 1; round <= rounds; round++)
        count += roundRobinRound(entrants, round, pairings + count);
    return count;
}

int findPairing(int entrants, int a, int b, PairingPlace *place)
{
    int rounds = roundRobinRounds(entrants);
    if (!rounds || a < 1 || b < 1 || a > entrants || b > entrants || a == b)
        return 0;
    int match = 0;
    for (int round = 1; round <= rounds; round++) {
        Pairing pairings[MAX_ROUND_PAIRINGS];
        int count = roundRobinRound(entrants, round, pairings);
        for (int board = 0; board < count; board++, match++) {
            const Pairing *p = &pairings[board];
            if ((p->home == a && p->away == b) || (p->home == b && p->away == a)) {
                place->round = round;
                place->board = board;
                place->match = match;
                place->home = p->home == a;
                return 1;
            }
        }
    }
    return 0;
}
