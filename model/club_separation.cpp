#include "model/club_separation.h"
#include "model/seeding.h"

enum { DRAW_ATTEMPTS = 8, NO_SEED = MAX_TEAM_COUNT + 1 };

static int bitLength(UINT value)
{
    int length = 0;
    for (; value; value >>= 1)
        length++;
    return length;
}

static int depthOf(int slotCount)
{
    return bitLength((UINT)slotCount) - 1;
}

int meetingRound(int a, int b)
{
    return bitLength((UINT)(a ^ b));
}

/* The earliest round the club-mate ranked rank (from 1) may meet a
 * better-ranked one. */
static int allowedRound(int depth, int rank)
{
    int round = depth - (bitLength((UINT)rank) - 1);
    return round < 1 ? 1 : round;
}

/* Whether a ranks above b within their club. */
static int ranksAbove(const Entrant *field, int a, int b)
{
    int seedA = field[a].seed ? field[a].seed : NO_SEED, seedB = field[b].seed ? field[b].seed : NO_SEED;
    if (seedA != seedB)
        return seedA < seedB;
    if (field[a].rated != field[b].rated)
        return field[a].rated;
    if (field[a].rated && field[a].rating != field[b].rating)
        return field[a].rating > field[b].rating;
    return a < b;
}

/* Each entrant of the draw's club, as the place of the club's first
 * entrant in the field, and its rank within the club (0 for the best);
 * -1 for both when the entrant stands for no club or is not in the draw. */
struct ClubRanks {
    int club[MAX_TEAM_COUNT];
    int rank[MAX_TEAM_COUNT];
};

static void rankWithinClubs(const Entrant *field, int count, const int *inDraw, ClubRanks *ranks)
{
    for (int i = 0; i < count; i++) {
        ranks->club[i] = -1;
        for (int j = 0; j <= i && ranks->club[i] < 0 && inDraw[i]; j++) {
            if (inDraw[j] && sameClub(field[i].club, field[j].club))
                ranks->club[i] = j;
        }
    }
    for (int i = 0; i < count; i++) {
        ranks->rank[i] = ranks->club[i] < 0 ? -1 : 0;
        for (int j = 0; j < count && ranks->club[i] >= 0; j++)
            ranks->rank[i] += j != i && ranks->club[j] == ranks->club[i] && ranksAbove(field, j, i);
    }
}

static int clashesOf(const ClubRanks *ranks, int count, const int *entrantOfSlot, int slotCount,
                     SeparationClash *clashes)
{
    const int *rank = ranks->rank;
    int depth = depthOf(slotCount), found = 0;
    for (int s = 0; s < slotCount; s++) {
        int e = entrantOfSlot[s];
        if (e < 0 || e >= count || rank[e] <= 0)
            continue;
        SeparationClash worst = {e, -1, depth + 1, allowedRound(depth, rank[e])};
        for (int t = 0; t < slotCount; t++) {
            int m = entrantOfSlot[t];
            if (t == s || m < 0 || m >= count || rank[m] < 0 || rank[m] >= rank[e] ||
                ranks->club[m] != ranks->club[e])
                continue;
            int round = meetingRound(s, t);
            if (round < worst.round || (round == worst.round && rank[m] < rank[worst.mate])) {
                worst.mate = m;
                worst.round = round;
            }
        }
        if (worst.mate >= 0 && worst.round < worst.allowedRound)
            clashes[found++] = worst;
    }
    return found;
}

int findSeparationClashes(const Entrant *field, int count, const int *entrantOfSlot, int slotCount,
                          SeparationClash *clashes)
{
    int inDraw[MAX_TEAM_COUNT] = {};
    ClubRanks ranks;
    if (count > MAX_TEAM_COUNT)
        count = MAX_TEAM_COUNT;
    for (int s = 0; s < slotCount; s++) {
        if (entrantOfSlot[s] >= 0 && entrantOfSlot[s] < count)
            inDraw[entrantOfSlot[s]] = 1;
    }
    rankWithinClubs(field, count, inDraw, &ranks);
    return clashesOf(&ranks, count, entrantOfSlot, slotCount, clashes);
}

/* What one placement works on: which slots take an entrant, who is placed
 * already, and each entrant's rank in its club. */
struct Placement {
    int count;
    int slotCount;
    int depth;
    const int *open;        /* slotCount flags: the slot takes an entrant */
    const ClubRanks *ranks;
    const int *rank;        /* ranks->rank */
    int entrantOfSlot[MAX_TEAM_COUNT];
    RandomBelow random;
    void *context;
};

/* The slots of entrant e's placed better-ranked club-mates into mateSlots.
 * Returns how many. */
static int placedMates(const Placement *p, int e, int *mateSlots)
{
    int mates = 0;
    if (p->rank[e] <= 0)
        return 0;
    for (int t = 0; t < p->slotCount; t++) {
        int m = p->entrantOfSlot[t];
        if (m >= 0 && p->rank[m] >= 0 && p->rank[m] < p->rank[e] && p->ranks->club[m] == p->ranks->club[e])
            mateSlots[mates++] = t;
    }
    return mates;
}

/* Puts entrant e into a free slot: among the slots that keep the rule (or,
 * when none does, those that come nearest), down the halves, quarters, ...
 * that have more free slots, a lot deciding between equals, so clubs
 * placed later still find room. Returns 0 when the random source failed. */
static int placeEntrant(Placement *p, int e)
{
    /* meets: the first round each free slot would meet a club-mate in
     * (depth + 1 for none), 0 for a slot that is taken. */
    int meets[MAX_TEAM_COUNT], mateSlots[MAX_TEAM_COUNT], best = 0;
    int mates = placedMates(p, e, mateSlots);
    for (int s = 0; s < p->slotCount; s++) {
        meets[s] = 0;
        if (!p->open[s] || p->entrantOfSlot[s] >= 0)
            continue;
        meets[s] = p->depth + 1;
        for (int i = 0; i < mates; i++) {
            int round = meetingRound(s, mateSlots[i]);
            if (round < meets[s])
                meets[s] = round;
        }
        if (meets[s] > best)
            best = meets[s];
    }
    if (best == 0)
        return 1;
    int wanted = p->rank[e] > 0 ? allowedRound(p->depth, p->rank[e]) : 1;
    int enough = best < wanted ? best : wanted;
    int from = 0, size = p->slotCount;
    while (size > 1) {
        size /= 2;
        int fits[2] = {0, 0}, free[2] = {0, 0};
        for (int side = 0; side < 2; side++) {
            for (int s = from + side * size; s < from + (side + 1) * size; s++) {
                fits[side] |= meets[s] >= enough;
                free[side] += p->open[s] && p->entrantOfSlot[s] < 0;
            }
        }
        int side;
        if (fits[0] != fits[1]) {
            side = fits[1];
        } else if (free[0] != free[1]) {
            side = free[1] > free[0];
        } else {
            UINT lot;
            if (!p->random(2, &lot, p->context) || lot > 1)
                return 0;
            side = (int)lot;
        }
        from += side * size;
    }
    p->entrantOfSlot[from] = e;
    return 1;
}

/* The order entrants are placed in: the clubs with the most entrants
 * first, each best-ranked first, then entrants of no club. */
static int placingOrder(const Placement *p, const int *placeIt, int *order)
{
    int clubSize[MAX_TEAM_COUNT] = {}, n = 0;
    for (int i = 0; i < p->count; i++) {
        for (int j = 0; j < p->count && p->rank[i] >= 0; j++)
            clubSize[i] += p->ranks->club[j] == p->ranks->club[i];
    }
    int placed[MAX_TEAM_COUNT] = {};
    for (;;) {
        /* The next is the best-ranked unplaced entrant of the largest club
         * with one left (the club first met in the list among equals). */
        int next = -1;
        for (int i = 0; i < p->count; i++) {
            if (!placeIt[i] || placed[i])
                continue;
            if (next < 0 || clubSize[i] > clubSize[next] ||
                (clubSize[i] == clubSize[next] && p->ranks->club[i] == p->ranks->club[next] &&
                 p->rank[i] < p->rank[next]))
                next = i;
        }
        if (next < 0)
            return n;
        placed[next] = 1;
        order[n++] = next;
    }
}

/* Places the entrants placeIt names around those fixed already in
 * p->entrantOfSlot, trying again with fresh lots while club-mates can meet
 * too early and keeping the try with the fewest such. Returns 0 when the
 * random source failed. */
static int placeByRule(Placement *p, const int *placeIt, SeparatedDraw *draw)
{
    int order[MAX_TEAM_COUNT];
    int n = placingOrder(p, placeIt, order);
    int fixed[MAX_TEAM_COUNT];
    for (int s = 0; s < p->slotCount; s++)
        fixed[s] = p->entrantOfSlot[s];
    SeparatedDraw best;
    best.clashCount = -1;
    for (int attempt = 0; attempt < DRAW_ATTEMPTS && best.clashCount != 0; attempt++) {
        for (int s = 0; s < p->slotCount; s++)
            p->entrantOfSlot[s] = fixed[s];
        for (int i = 0; i < n; i++) {
            if (!placeEntrant(p, order[i]))
                return 0;
        }
        SeparationClash clashes[MAX_TEAM_COUNT];
        int found = clashesOf(p->ranks, p->count, p->entrantOfSlot, p->slotCount, clashes);
        if (best.clashCount < 0 || found < best.clashCount) {
            best.slotCount = p->slotCount;
            best.clashCount = found;
            for (int s = 0; s < p->slotCount; s++)
                best.entrantOfSlot[s] = p->entrantOfSlot[s];
            for (int c = 0; c < found; c++)
                best.clash[c] = clashes[c];
        }
    }
    *draw = best;
    return 1;
}

static int isPowerOfTwo(int value)
{
    return value >= 2 && value <= MAX_TEAM_COUNT && !(value & (value - 1));
}

/* The seeded and the random draw: byes on the seed lines above the field,
 * the seeded on their lines when keepSeeds. */
static int drawField(const Entrant *field, int count, int slotCount, int keepSeeds, RandomBelow random,
                     void *context, SeparatedDraw *draw)
{
    int seedOfSlot[MAX_TEAM_COUNT];
    if (count < MIN_ENTRANT_COUNT || count > slotCount || !isPowerOfTwo(slotCount) ||
        !seedPlacement(slotCount, seedOfSlot))
        return 0;
    int inDraw[MAX_TEAM_COUNT], open[MAX_TEAM_COUNT], placeIt[MAX_TEAM_COUNT];
    ClubRanks ranks;
    for (int i = 0; i < count; i++)
        inDraw[i] = placeIt[i] = 1;
    rankWithinClubs(field, count, inDraw, &ranks);
    Placement p = {count, slotCount, depthOf(slotCount), open, &ranks, ranks.rank, {}, random, context};
    for (int s = 0; s < slotCount; s++) {
        open[s] = seedOfSlot[s] <= count;
        p.entrantOfSlot[s] = -1;
    }
    if (keepSeeds) {
        /* Seeds take lines 1, 2, ... in their order, so a gap in the
         * numbers leaves no line empty. */
        int line = 1;
        for (int seed = 1; seed <= MAX_TEAM_COUNT; seed++) {
            for (int i = 0; i < count; i++) {
                if (field[i].seed != seed)
                    continue;
                for (int s = 0; s < slotCount; s++) {
                    if (seedOfSlot[s] == line)
                        p.entrantOfSlot[s] = i;
                }
                placeIt[i] = 0;
                line++;
            }
        }
    }
    return placeByRule(&p, placeIt, draw);
}

int drawSeededField(const Entrant *field, int count, int slotCount, RandomBelow random, void *context,
                    SeparatedDraw *draw)
{
    return drawField(field, count, slotCount, 1, random, context, draw);
}

int drawRandomField(const Entrant *field, int count, int slotCount, RandomBelow random, void *context,
                    SeparatedDraw *draw)
{
    return drawField(field, count, slotCount, 0, random, context, draw);
}

int redrawFirstRound(const Entrant *field, int count, const int *current, int slotCount, RandomBelow random,
                     void *context, SeparatedDraw *draw)
{
    if (!isPowerOfTwo(slotCount) || count > MAX_TEAM_COUNT)
        return 0;
    int inDraw[MAX_TEAM_COUNT] = {}, open[MAX_TEAM_COUNT];
    ClubRanks ranks;
    for (int s = 0; s < slotCount; s++) {
        open[s] = current[s] >= 0 && current[s] < count;
        if (open[s])
            inDraw[current[s]] = 1;
    }
    rankWithinClubs(field, count, inDraw, &ranks);
    Placement p = {count, slotCount, depthOf(slotCount), open, &ranks, ranks.rank, {}, random, context};
    for (int s = 0; s < slotCount; s++)
        p.entrantOfSlot[s] = -1;
    return placeByRule(&p, inDraw, draw);
}

/* One pot of the group snake being shared out among the groups the snake
 * gives it. */
struct PotMatch {
    const Entrant *field;
    const GroupDraw *earlier;    /* groups as the earlier pots left them */
    int potSize;
    int entrant[MAX_GROUP_COUNT];    /* the pot's entrants, best first */
    int group[MAX_GROUP_COUNT];      /* the groups the snake gives them */
    int holder[MAX_GROUP_COUNT];     /* per pot place of a group: entrant index in pot, or -1 */
    int visited[MAX_GROUP_COUNT];
};

static int holdsMate(const PotMatch *m, int g, int e)
{
    for (int i = 0; i < m->earlier->size[g]; i++) {
        if (sameClub(m->field[m->earlier->member[g][i]].club, m->field[e].club))
            return 1;
    }
    return 0;
}

/* Kuhn's augmenting path: gives the pot's entrant k a group among the
 * pot's that holds no club-mate from earlier pots, moving entrants already
 * given one when that frees a group. Returns 1 when it found one. */
static int augment(PotMatch *m, int k)
{
    /* The entrant's own snake group first, then the pot's others in snake order. */
    for (int step = 0; step < m->potSize; step++) {
        int place = (k + step) % m->potSize;
        if (m->visited[place] || holdsMate(m, m->group[place], m->entrant[k]))
            continue;
        m->visited[place] = 1;
        if (m->holder[place] < 0 || augment(m, m->holder[place])) {
            m->holder[place] = k;
            return 1;
        }
    }
    return 0;
}

/* The pots of base (each filling distinct groups) with their entrants
 * moved between the groups their pot fills, away from club-mates. */
static void separateGroups(const Entrant *field, int count, int groupCount, const GroupDraw *base,
                           GroupDraw *draw, int *clashes)
{
    int groupOf[MAX_TEAM_COUNT];
    for (int g = 0; g < base->groupCount; g++) {
        for (int i = 0; i < base->size[g]; i++)
            groupOf[base->member[g][i]] = g;
    }
    GroupDraw made = {};
    made.groupCount = groupCount;
    for (int first = 0; first < count; first += groupCount) {
        PotMatch m = {};
        m.field = field;
        m.earlier = &made;
        m.potSize = count - first < groupCount ? count - first : groupCount;
        for (int k = 0; k < m.potSize; k++) {
            m.entrant[k] = first + k;
            m.group[k] = groupOf[first + k];
            m.holder[k] = -1;
        }
        int matched[MAX_GROUP_COUNT] = {};
        for (int k = 0; k < m.potSize; k++) {
            for (int v = 0; v < m.potSize; v++)
                m.visited[v] = 0;
            augment(&m, k);
        }
        for (int place = 0; place < m.potSize; place++) {
            if (m.holder[place] >= 0)
                matched[m.holder[place]] = 1;
        }
        /* Who found no group free of club-mates takes what the pot leaves. */
        for (int k = 0; k < m.potSize; k++) {
            for (int place = 0; !matched[k] && place < m.potSize; place++) {
                if (m.holder[place] < 0) {
                    m.holder[place] = k;
                    matched[k] = 1;
                }
            }
        }
        /* Members join in pot order, as the snake lists them. */
        for (int k = 0; k < m.potSize; k++) {
            for (int place = 0; place < m.potSize; place++) {
                if (m.holder[place] == k) {
                    int g = m.group[place];
                    made.member[g][made.size[g]++] = m.entrant[k];
                }
            }
        }
    }
    int shared = 0;
    for (int g = 0; g < made.groupCount; g++) {
        for (int i = 0; i < made.size[g]; i++) {
            for (int j = i + 1; j < made.size[g]; j++)
                shared += sameClub(field[made.member[g][i]].club, field[made.member[g][j]].club);
        }
    }
    *draw = made;
    *clashes = shared;
}

int drawGroupsApart(const Entrant *field, int count, int groupCount, GroupDraw *draw, int *clashes)
{
    GroupDraw snake;
    if (!drawGroups(count, groupCount, PLACE_SEEDED, NULL, NULL, &snake))
        return 0;
    separateGroups(field, count, groupCount, &snake, draw, clashes);
    return 1;
}

int drawRandomGroupsApart(const Entrant *field, int count, int groupCount, RandomBelow random, void *context,
                          GroupDraw *draw, int *clashes)
{
    GroupDraw drawn;
    if (!drawGroups(count, groupCount, PLACE_RANDOM, random, context, &drawn))
        return 0;
    separateGroups(field, count, groupCount, &drawn, draw, clashes);
    return 1;
}
