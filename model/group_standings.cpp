#include "model/group_standings.h"
#include "model/match_score.h"

/* The state of one ranking: the group's matches, the whole group's tallies
 * and the order being built, with which neighbours the rules leave level. */
struct Ranking {
    int entrants;
    const GroupMatch *matches;
    int matchCount;
    int rules;
    StandingRow overall[MAX_GROUP_SIZE + 1];  /* by entrant number */
    int order[MAX_GROUP_SIZE];                /* entrant numbers, best first */
    int levelAfter[MAX_GROUP_SIZE];           /* order[i] and order[i + 1] are level */
};

/* Better than: > 0 when a ranks above b by one criterion, 0 level. */
typedef int (*Criterion)(const StandingRow *a, const StandingRow *b);

int groupRulesAllowDraws(int rules)
{
    return rules == RULES_FOOTBALL || rules == RULES_HEAD_TO_HEAD;
}

static int counts(const GroupMatch *match, int rules)
{
    if (match->winner == GROUP_HOME_WON || match->winner == GROUP_AWAY_WON)
        return 1;
    if (match->winner == GROUP_DRAWN)
        return groupRulesAllowDraws(rules);
    return match->outcome == OUTCOME_DOUBLE_WALKOVER;
}

/* A loss the loser did not play for: no match point in table tennis. */
static int lostUnplayed(int outcome)
{
    return outcome == OUTCOME_WALKOVER || outcome == OUTCOME_DISQUALIFIED;
}

static int winPoints(int rules)
{
    return rules == RULES_TABLE_TENNIS ? 2 : rules == RULES_BADMINTON ? 1 : 3;
}

static void addScore(StandingRow *side, StandingRow *other, const MatchScore *score)
{
    side->gamesFor += score->games[0];
    side->gamesAgainst += score->games[1];
    side->pointsFor += score->points[0];
    side->pointsAgainst += score->points[1];
    other->gamesFor += score->games[1];
    other->gamesAgainst += score->games[0];
    other->pointsFor += score->points[1];
    other->pointsAgainst += score->points[0];
}

/* The tallies over the matches both of whose entrants are in members (bit
 * e for entrant e), into rows by entrant number. */
static void tally(const Ranking *ranking, UINT members, StandingRow *rows)
{
    for (int e = 0; e <= ranking->entrants; e++) {
        StandingRow blank = {};
        rows[e] = blank;
        rows[e].entrant = e;
    }
    for (int i = 0; i < ranking->matchCount; i++) {
        const GroupMatch *match = &ranking->matches[i];
        if (!counts(match, ranking->rules) || !(members & (1u << match->home)) || !(members & (1u << match->away)))
            continue;
        StandingRow *home = &rows[match->home], *away = &rows[match->away];
        home->played++;
        away->played++;
        if (match->winner == GROUP_UNDECIDED) {
            home->lost++;
            away->lost++;
            continue;
        }
        /* A draw has no winner's side: it is read from the home side. */
        int homeSide = match->winner != GROUP_AWAY_WON;
        StandingRow *winner = homeSide ? home : away;
        StandingRow *loser = homeSide ? away : home;
        MatchScore score;
        if (readMatchScore(match->result, &score) == SCORE_UNREADABLE) {
            winner->unreadable++;
            if (match->winner == GROUP_DRAWN)
                loser->unreadable++;
        }
        addScore(winner, loser, &score);
        if (match->winner == GROUP_DRAWN) {
            home->drawn++;
            away->drawn++;
            home->matchPoints++;
            away->matchPoints++;
            continue;
        }
        winner->won++;
        loser->lost++;
        winner->matchPoints += winPoints(ranking->rules);
        if (ranking->rules == RULES_TABLE_TENNIS && !lostUnplayed(match->outcome))
            loser->matchPoints++;
    }
}

static int sign(LONGLONG value)
{
    return value > 0 ? 1 : value < 0 ? -1 : 0;
}

/* won / lost with x/0 above every finite ratio; 0/0 (nothing scored either
 * way) counts as even, 1/1, so the order stays transitive. */
static int compareRatio(int wonA, int lostA, int wonB, int lostB)
{
    if (!wonA && !lostA)
        wonA = lostA = 1;
    if (!wonB && !lostB)
        wonB = lostB = 1;
    if (!lostA || !lostB)
        return !lostA && !lostB ? 0 : !lostA ? 1 : -1;
    return sign((LONGLONG)wonA * lostB - (LONGLONG)wonB * lostA);
}

static int byMatchPoints(const StandingRow *a, const StandingRow *b)
{
    return sign(a->matchPoints - b->matchPoints);
}

static int byGameRatio(const StandingRow *a, const StandingRow *b)
{
    return compareRatio(a->gamesFor, a->gamesAgainst, b->gamesFor, b->gamesAgainst);
}

static int byPointRatio(const StandingRow *a, const StandingRow *b)
{
    return compareRatio(a->pointsFor, a->pointsAgainst, b->pointsFor, b->pointsAgainst);
}

static int byGameDifference(const StandingRow *a, const StandingRow *b)
{
    return sign((a->gamesFor - a->gamesAgainst) - (b->gamesFor - b->gamesAgainst));
}

static int byPointDifference(const StandingRow *a, const StandingRow *b)
{
    return sign((a->pointsFor - a->pointsAgainst) - (b->pointsFor - b->pointsAgainst));
}

static int byGoalsScored(const StandingRow *a, const StandingRow *b)
{
    return sign(a->gamesFor - b->gamesFor);
}

/* Goal difference, then goals scored. */
static int byDifferenceThenScored(const StandingRow *a, const StandingRow *b)
{
    int difference = byGameDifference(a, b);
    return difference ? difference : byGoalsScored(a, b);
}

/* Points, then goal difference, then goals scored. */
static int byPointsDifferenceScored(const StandingRow *a, const StandingRow *b)
{
    int points = byMatchPoints(a, b);
    return points ? points : byDifferenceThenScored(a, b);
}

/* Sorts order[from .. to) best first by one criterion over rows (stable,
 * so earlier criteria's order survives among those it leaves level) and
 * says into how many runs of level entrants it falls. */
static int splitBy(Ranking *ranking, int from, int to, const StandingRow *rows, Criterion better)
{
    int *order = ranking->order;
    for (int i = from + 1; i < to; i++) {
        int held = order[i];
        int j = i;
        for (; j > from && better(&rows[held], &rows[order[j - 1]]) > 0; j--)
            order[j] = order[j - 1];
        order[j] = held;
    }
    int runs = to > from;
    for (int i = from + 1; i < to; i++)
        runs += better(&rows[order[i - 1]], &rows[order[i]]) != 0;
    return runs;
}

/* The end of the run of entrants level with order[from] by the criterion. */
static int runEnd(const Ranking *ranking, int from, int to, const StandingRow *rows, Criterion better)
{
    int end = from + 1;
    while (end < to && !better(&rows[ranking->order[from]], &rows[ranking->order[end]]))
        end++;
    return end;
}

static void markLevel(Ranking *ranking, int from, int to)
{
    for (int i = from; i + 1 < to; i++)
        ranking->levelAfter[i] = 1;
}

static UINT membersOf(const Ranking *ranking, int from, int to)
{
    UINT members = 0;
    for (int i = from; i < to; i++)
        members |= 1u << ranking->order[i];
    return members;
}

typedef void (*Resolver)(Ranking *ranking, int from, int to);

/* Applies resolve to every run of two or more that the criterion leaves. */
static void resolveRuns(Ranking *ranking, int from, int to, const StandingRow *rows, Criterion better,
                        Resolver resolve)
{
    for (int start = from; start < to;) {
        int end = runEnd(ranking, start, to, rows, better);
        if (end - start > 1)
            resolve(ranking, start, end);
        start = end;
    }
}

/* Tries the criteria in turn over rows; at the first that separates
 * anyone, each run it leaves level starts over through resolve. Returns 0
 * when none separated anyone. */
static int separateByFirst(Ranking *ranking, int from, int to, const StandingRow *rows, const Criterion *criteria,
                           int criterionCount, Resolver resolve)
{
    for (int c = 0; c < criterionCount; c++) {
        if (splitBy(ranking, from, to, rows, criteria[c]) > 1) {
            resolveRuns(ranking, from, to, rows, criteria[c], resolve);
            return 1;
        }
    }
    return 0;
}

/* Table tennis: only the matches between the level entrants, compared
 * again among the rest each time someone is separated. */
static void resolveTableTennis(Ranking *ranking, int from, int to)
{
    static const Criterion criteria[] = {byMatchPoints, byGameRatio, byPointRatio};
    StandingRow between[MAX_GROUP_SIZE + 1];
    tally(ranking, membersOf(ranking, from, to), between);
    if (!separateByFirst(ranking, from, to, between, criteria, 3, resolveTableTennis))
        markLevel(ranking, from, to);
}

/* The decided match between two entrants: > 0 when a won it, < 0 when b
 * did, 0 when there is none or it was drawn. */
static int matchBetween(const Ranking *ranking, int a, int b)
{
    for (int i = 0; i < ranking->matchCount; i++) {
        const GroupMatch *match = &ranking->matches[i];
        int home = match->home == a && match->away == b;
        int away = match->home == b && match->away == a;
        if (!home && !away)
            continue;
        if (match->winner == GROUP_HOME_WON)
            return home ? 1 : -1;
        if (match->winner == GROUP_AWAY_WON)
            return home ? -1 : 1;
    }
    return 0;
}

/* Badminton: two level by their match; more by game, then point difference
 * over the whole group, until only two are left level. */
static void resolveBadminton(Ranking *ranking, int from, int to)
{
    if (to - from == 2) {
        int result = matchBetween(ranking, ranking->order[from], ranking->order[from + 1]);
        if (result < 0) {
            int held = ranking->order[from];
            ranking->order[from] = ranking->order[from + 1];
            ranking->order[from + 1] = held;
        } else if (result == 0) {
            markLevel(ranking, from, to);
        }
        return;
    }
    static const Criterion criteria[] = {byGameDifference, byPointDifference};
    if (!separateByFirst(ranking, from, to, ranking->overall, criteria, 2, resolveBadminton))
        markLevel(ranking, from, to);
}

/* Football: the matches between the teams still level after the whole
 * group's difference and goals, once. */
static void resolveFootball(Ranking *ranking, int from, int to)
{
    StandingRow between[MAX_GROUP_SIZE + 1];
    tally(ranking, membersOf(ranking, from, to), between);
    splitBy(ranking, from, to, between, byPointsDifferenceScored);
    for (int start = from; start < to;) {
        int end = runEnd(ranking, start, to, between, byPointsDifferenceScored);
        markLevel(ranking, start, end);
        start = end;
    }
}

/* Head-to-head first: the matches between the level teams, applied again
 * to those still level; when they separate nobody, the whole group's
 * difference and goals. */
static void resolveHeadToHead(Ranking *ranking, int from, int to)
{
    StandingRow between[MAX_GROUP_SIZE + 1];
    tally(ranking, membersOf(ranking, from, to), between);
    if (splitBy(ranking, from, to, between, byPointsDifferenceScored) > 1) {
        resolveRuns(ranking, from, to, between, byPointsDifferenceScored, resolveHeadToHead);
        return;
    }
    splitBy(ranking, from, to, ranking->overall, byDifferenceThenScored);
    for (int start = from; start < to;) {
        int end = runEnd(ranking, start, to, ranking->overall, byDifferenceThenScored);
        markLevel(ranking, start, end);
        start = end;
    }
}

/* The first sort over the whole group and what separates those it leaves
 * level, per rules. */
static void rank(Ranking *ranking)
{
    static const Criterion first[RULES_COUNT] = {byMatchPoints, byMatchPoints, byPointsDifferenceScored,
                                                 byMatchPoints};
    static const Resolver resolvers[RULES_COUNT] = {resolveTableTennis, resolveBadminton, resolveFootball,
                                                    resolveHeadToHead};
    splitBy(ranking, 0, ranking->entrants, ranking->overall, first[ranking->rules]);
    resolveRuns(ranking, 0, ranking->entrants, ranking->overall, first[ranking->rules], resolvers[ranking->rules]);
}

static int lotPosition(int entrant, const int *tied, int tiedCount)
{
    for (int i = 0; i < tiedCount; i++) {
        if (tied[i] == entrant)
            return i;
    }
    return -1;
}

/* Orders each level run the lots cover entirely; the rest stay level. */
static int applyLots(Ranking *ranking, const int *tied, int tiedCount, int *byLot)
{
    int awaiting = 0;
    for (int start = 0; start < ranking->entrants;) {
        int end = start + 1;
        while (end < ranking->entrants && ranking->levelAfter[end - 1])
            end++;
        int covered = end - start > 1;
        for (int i = start; i < end && covered; i++)
            covered = lotPosition(ranking->order[i], tied, tiedCount) >= 0;
        if (covered) {
            for (int i = start + 1; i < end; i++) {
                int held = ranking->order[i];
                int j = i;
                for (; j > start && lotPosition(held, tied, tiedCount) <
                                        lotPosition(ranking->order[j - 1], tied, tiedCount); j--)
                    ranking->order[j] = ranking->order[j - 1];
                ranking->order[j] = held;
            }
            for (int i = start; i < end; i++) {
                byLot[i] = 1;
                if (i + 1 < end)
                    ranking->levelAfter[i] = 0;
            }
        } else if (end - start > 1) {
            awaiting = 1;
        }
        start = end;
    }
    return awaiting;
}

/* Pairings with a decided match, each counted once. */
static int decidedPairings(const Ranking *ranking)
{
    UINT met[MAX_GROUP_SIZE + 1] = {};
    int decided = 0;
    for (int i = 0; i < ranking->matchCount; i++) {
        const GroupMatch *match = &ranking->matches[i];
        if (!counts(match, ranking->rules) || (met[match->home] & (1u << match->away)))
            continue;
        met[match->home] |= 1u << match->away;
        met[match->away] |= 1u << match->home;
        decided++;
    }
    return decided;
}

int computeStandings(int entrants, const GroupMatch *matches, int matchCount, int rules, const int *tied,
                     int tiedCount, GroupStandings *standings)
{
    if (entrants < MIN_GROUP_SIZE || entrants > MAX_GROUP_SIZE || rules < 0 || rules >= RULES_COUNT ||
        matchCount < 0)
        return 0;
    for (int i = 0; i < matchCount; i++) {
        const GroupMatch *match = &matches[i];
        if (match->home < 1 || match->home > entrants || match->away < 1 || match->away > entrants ||
            match->home == match->away)
            return 0;
    }
    Ranking ranking = {};
    ranking.entrants = entrants;
    ranking.matches = matches;
    ranking.matchCount = matchCount;
    ranking.rules = rules;
    tally(&ranking, ~0u, ranking.overall);
    for (int i = 0; i < entrants; i++)
        ranking.order[i] = i + 1;
    rank(&ranking);
    int byLot[MAX_GROUP_SIZE] = {};
    int awaiting = applyLots(&ranking, tied, tiedCount, byLot);

    GroupStandings made = {};
    made.count = entrants;
    made.decided = decidedPairings(&ranking);
    made.complete = made.decided == entrants * (entrants - 1) / 2;
    made.awaitingLots = awaiting;
    for (int i = 0; i < entrants; i++) {
        StandingRow *row = &made.rows[i];
        *row = ranking.overall[ranking.order[i]];
        row->level = (i > 0 && ranking.levelAfter[i - 1]) || ranking.levelAfter[i] || byLot[i];
        row->byLot = byLot[i];
        row->place = i > 0 && ranking.levelAfter[i - 1] ? made.rows[i - 1].place : i + 1;
    }
    *standings = made;
    return 1;
}
