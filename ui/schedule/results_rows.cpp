#include "ui/schedule/results_rows.h"

#include "model/heap.h"
#include "model/losers_rounds.h"
#include "model/match_outcome.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/string_parts.h"

static void fillLine(Bracket *bracket, BracketNode *node, int number, ResultLine *line)
{
    OrderEntry entry = {node, 0, 0};
    orderFieldsOf(bracket, &entry, ORDER_TIMES_FIXED, &line->fields);
    wsprintfW(line->number, L"%d", number);
    const MatchDetails *details = matchDetailsOf(bracket, node);
    line->outcome[0] = 0;
    if (node->name[0] || details->outcome == OUTCOME_DOUBLE_WALKOVER)
        loadStringWithFallback(bracket->resourceModule, IDS_OUTCOME_PLAYED + details->outcome, line->outcome, 64);
    const WCHAR *cells[RESULT_COLUMN_COUNT] = {line->fields.round, line->number, line->fields.first,
                                               line->fields.second, node->name, node->result,
                                               line->outcome, line->fields.court, line->fields.time};
    for (int c = 0; c < RESULT_COLUMN_COUNT; c++)
        line->row.cell[c] = cells[c];
}

int collectResultLines(Bracket *bracket, ResultLine **lines)
{
    /* The tree's matches, the third-place match, the losers' matches and
     * both grand finals: never more than twice the slots. */
    int capacity = 2 * bracket->slotCount + 2;
    *lines = (ResultLine *)allocBlock(sizeof(ResultLine) * (SIZE_T)capacity);
    if (!*lines)
        return -1;
    int count = 0;
    for (int level = bracket->depth - 1; level >= 0; level--) {
        int number = 0;
        for (BracketNode *node = leftmostAtLevel(bracket, level); node; node = nextInLevel(node)) {
            number++;
            if (node->left->bye || node->right->bye)
                continue;
            fillLine(bracket, node, number, &(*lines)[count++]);
        }
    }
    if (bracket->thirdPlaceOn && bracket->depth >= 2)
        fillLine(bracket, &bracket->thirdPlace, 1, &(*lines)[count++]);
    if (bracket->losers.on && grandFinal(bracket)) {
        for (int k = 1; k <= losersMatchCount(bracket); k++) {
            int round, position;
            losersRoundOf(bracket, k, &round, &position);
            fillLine(bracket, losersMatch(bracket, k), position, &(*lines)[count++]);
        }
        fillLine(bracket, grandFinal(bracket), 1, &(*lines)[count++]);
        if (bracket->losers.reset)
            fillLine(bracket, grandFinalReset(bracket), 1, &(*lines)[count++]);
    }
    return count;
}

void resultHeadings(HMODULE module, WCHAR headings[RESULT_COLUMN_COUNT][RESULT_HEADING_CAPACITY])
{
    static const WCHAR *const ENGLISH[RESULT_COLUMN_COUNT] = {L"Round",  L"Match",   L"Entrant",
                                                              L"Entrant", L"Winner", L"Result",
                                                              L"Outcome", L"Court",  L"Time"};
    for (int c = 0; c < RESULT_COLUMN_COUNT; c++)
        loadStringPart(module, IDS_RESULT_COLUMNS, c, ENGLISH[c], headings[c], RESULT_HEADING_CAPACITY);
}
