#include "model/played_results.h"
#include "model/entrant_name.h"
#include "model/heap.h"
#include "model/match_outcome.h"
#include "model/match_schedule.h"

static int isPlayedBetweenTwo(Bracket *bracket, BracketNode *match)
{
    if (!isMatchDecided(bracket, match))
        return 0;
    const WCHAR *first, *second;
    matchEntrants(bracket, match, &first, &second);
    return first[0] && second[0];
}

static void noteIfPlayed(Bracket *bracket, BracketNode *match, PlayedResults *results)
{
    if (!isPlayedBetweenTwo(bracket, match))
        return;
    PlayedResult *noted = &results->items[results->count++];
    noted->match = match;
    lstrcpynW(noted->winner, match->name, NAME_CAPACITY);
    lstrcpynW(noted->result, match->result, RESULT_CAPACITY);
    noted->outcome = match->details.outcome;
}

int notePlayedResults(Bracket *bracket, PlayedResults *results)
{
    *results = PlayedResults{};
    if (!bracket->slotCount)
        return 1;
    int tree = 2 * bracket->slotCount - 1;
    int losers = bracket->losers.on && bracket->losers.matches ? bracket->slotCount : 0;
    results->items = (PlayedResult *)allocBlock((SIZE_T)(tree + 1 + losers) * sizeof(PlayedResult));
    if (!results->items)
        return 0;
    for (int i = bracket->slotCount; i < tree; i++)
        noteIfPlayed(bracket, bracket->nodeTable[i], results);
    if (bracket->thirdPlaceOn)
        noteIfPlayed(bracket, &bracket->thirdPlace, results);
    for (int k = 0; k < losers; k++)
        noteIfPlayed(bracket, &bracket->losers.matches[k], results);
    return 1;
}

static int stillStands(const PlayedResult *noted)
{
    const BracketNode *match = noted->match;
    return sameName(match->name, noted->winner) && sameName(match->result, noted->result) &&
           match->details.outcome == noted->outcome;
}

int lostPlayedResults(PlayedResults *results, const BracketNode *spared)
{
    int lost = 0;
    for (int i = 0; i < results->count; i++) {
        if (results->items[i].match == spared || stillStands(&results->items[i]))
            continue;
        PlayedResult moved = results->items[i];
        for (int j = i; j > lost; j--)
            results->items[j] = results->items[j - 1];
        results->items[lost++] = moved;
    }
    return lost;
}

int anyScoredResult(const PlayedResults *results, int count)
{
    for (int i = 0; i < count && i < results->count; i++) {
        if (results->items[i].result[0] || results->items[i].outcome != OUTCOME_PLAYED)
            return 1;
    }
    return 0;
}

void freePlayedResults(PlayedResults *results)
{
    freeBlock(results->items);
    *results = PlayedResults{};
}
