/* Every match of the bracket as a row of the results file: round, match
 * number, both entrants, winner, result, outcome, court and time, worded
 * as the order of play words them. */
#ifndef DUELMARK_UI_PICTURE_RESULTS_ROWS_H
#define DUELMARK_UI_PICTURE_RESULTS_ROWS_H

#include "file/results_csv.h"
#include "ui/schedule/order_of_play.h"

enum { RESULT_HEADING_CAPACITY = 64 };

/* One match's row with the texts its cells point into. */
struct ResultLine {
    ResultRow row;
    OrderFields fields;           /* round, court, entrants and the time in the fixed form */
    WCHAR number[16];
    WCHAR outcome[64];
};

/* The rows of every match, round by round from the first round (a match a
 * bye decides left out), then the third-place match, then the losers'
 * bracket and the grand final, in a heap block the caller frees (*lines).
 * Returns how many, or -1 when memory ran out. */
int collectResultLines(Bracket *bracket, ResultLine **lines);

/* The column headings in the module's words. */
void resultHeadings(HMODULE module, WCHAR headings[RESULT_COLUMN_COUNT][RESULT_HEADING_CAPACITY]);

#endif
