#include "model/losers_rounds.h"

#include "model/heap.h"
#include "model/match_record.h"

int losersAllowed(const Bracket *bracket)
{
    return bracket->slotCount >= 4;
}

int prepareLosersBracket(Bracket *bracket)
{
    LosersBracket *losers = &bracket->losers;
    if (!losersAllowed(bracket))
        return 0;
    if (losers->matches)
        return 1;
    int count = bracket->slotCount;
    BracketNode *matches = (BracketNode *)allocBlock((SIZE_T)count * sizeof(BracketNode));
    UINT *pairings = (UINT *)allocBlock((SIZE_T)count * sizeof(UINT));
    if (!matches || !pairings) {
        freeBlock(matches);
        freeBlock(pairings);
        return 0;
    }
    for (int k = 1; k <= count; k++) {
        emptyMatch(&matches[k - 1], NULL, (UINT)(2 * count - 1 + k));
        pairings[k - 1] = 0;
    }
    losers->matches = matches;
    losers->pairings = pairings;
    return 1;
}

void freeLosersBracket(LosersBracket *losers)
{
    freeBlock(losers->matches);
    freeBlock(losers->pairings);
    losers->matches = NULL;
    losers->pairings = NULL;
}

int losersMatchCount(const Bracket *bracket)
{
    return losersAllowed(bracket) ? bracket->slotCount - 2 : 0;
}

BracketNode *losersMatch(Bracket *bracket, int k)
{
    if (!bracket->losers.matches || k < 1 || k > bracket->slotCount)
        return NULL;
    return &bracket->losers.matches[k - 1];
}

BracketNode *grandFinal(Bracket *bracket)
{
    return losersMatch(bracket, bracket->slotCount - 1);
}

BracketNode *grandFinalReset(Bracket *bracket)
{
    return losersMatch(bracket, bracket->slotCount);
}

BracketNode *bracketNodeOfId(Bracket *bracket, int id)
{
    int tree = 2 * bracket->slotCount - 1;
    if (id >= 1 && id <= tree)
        return bracket->nodeTable[id - 1];
    return losersMatch(bracket, id - tree);
}

int losersNumberOf(const Bracket *bracket, const BracketNode *node)
{
    const BracketNode *first = bracket->losers.matches;
    if (!first || !node || node < first || node >= first + bracket->slotCount)
        return 0;
    return (int)(node - first) + 1;
}

int losersRoundCount(const Bracket *bracket)
{
    return losersAllowed(bracket) ? 2 * bracket->depth - 2 : 0;
}

/* Round 1 and round 2 have N/4 matches; every two rounds after halve it. */
int losersRoundSize(const Bracket *bracket, int round)
{
    if (round < 1 || round > losersRoundCount(bracket))
        return 0;
    if (round == 1)
        return bracket->slotCount >> 2;
    return round % 2 == 0 ? bracket->slotCount >> (round / 2 + 1) : bracket->slotCount >> ((round - 1) / 2 + 2);
}

/* The number of the first match of a round. */
static int firstOfRound(const Bracket *bracket, int round)
{
    int k = 1;
    for (int r = 1; r < round; r++)
        k += losersRoundSize(bracket, r);
    return k;
}

void losersRoundOf(const Bracket *bracket, int k, int *round, int *position)
{
    *round = 0;
    *position = 0;
    int first = 1;
    for (int r = 1; r <= losersRoundCount(bracket); r++) {
        int size = losersRoundSize(bracket, r);
        if (k < first + size) {
            if (k >= first) {
                *round = r;
                *position = k - first + 1;
            }
            return;
        }
        first += size;
    }
}

/* Winners' round j (1 .. R) has N/2^j picks, numbered on from N + 1. */
static BracketNode *winnersMatch(Bracket *bracket, int round, int position)
{
    int id = bracket->slotCount;
    for (int j = 1; j < round; j++)
        id += bracket->slotCount >> j;
    return bracket->nodeTable[id + position - 1];
}

void winnersRoundOf(const Bracket *bracket, const BracketNode *node, int *round, int *position)
{
    *round = 0;
    *position = 0;
    int first = bracket->slotCount + 1;
    for (int j = 1; j <= bracket->depth; j++) {
        int size = bracket->slotCount >> j;
        if ((int)node->id < first + size) {
            if ((int)node->id >= first) {
                *round = j;
                *position = (int)node->id - first + 1;
            }
            return;
        }
        first += size;
    }
}

/* Match k's feeders within the rounds (k .. N-2). */
static void losersRoundFeeders(Bracket *bracket, int k, LosersFeeder feeders[2])
{
    int count = bracket->slotCount;
    int round, i;
    losersRoundOf(bracket, k, &round, &i);
    if (round == 1) {
        feeders[0].match = winnersMatch(bracket, 1, 2 * i - 1);
        feeders[1].match = winnersMatch(bracket, 1, 2 * i);
        feeders[0].loser = feeders[1].loser = 1;
    } else if (round % 2 == 0) {
        int m = round / 2;
        int dropping = count >> (m + 1);
        feeders[0].match = losersMatch(bracket, firstOfRound(bracket, round - 1) + i - 1);
        feeders[1].match = winnersMatch(bracket, m + 1, dropping + 1 - i);
        feeders[1].loser = 1;
    } else {
        int before = firstOfRound(bracket, round - 1);
        feeders[0].match = losersMatch(bracket, before + 2 * i - 2);
        feeders[1].match = losersMatch(bracket, before + 2 * i - 1);
    }
}

void losersFeeders(Bracket *bracket, int k, LosersFeeder feeders[2])
{
    feeders[0].match = feeders[1].match = NULL;
    feeders[0].loser = feeders[1].loser = 0;
    int count = bracket->slotCount;
    if (k >= count - 1) {
        feeders[0].match = &bracket->root;
        feeders[1].match = losersMatch(bracket, count - 2);
    } else {
        losersRoundFeeders(bracket, k, feeders);
    }
    for (int side = 0; side < 2; side++)
        feeders[side].number = losersNumberOf(bracket, feeders[side].match);
}
