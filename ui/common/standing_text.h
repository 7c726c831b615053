/* The texts of a group's standings row, wherever the table is shown (the
 * Groups page's list, the live page, the picture): the columns of
 * IDS_STANDINGS_HEADINGS in their order. */
#ifndef DUELMARK_UI_COMMON_STANDING_TEXT_H
#define DUELMARK_UI_COMMON_STANDING_TEXT_H

#include "model/group_stage.h"

enum {
    STANDING_COLUMN_PLACE,
    STANDING_COLUMN_ENTRANT,
    STANDING_COLUMN_COUNT = 9,   /* place, entrant, played, won, drawn, lost, games, points, match points */
    STANDING_TEXT_CAPACITY = 24  /* room for every column's text but the entrant's */
};

/* The text of column (not STANDING_COLUMN_ENTRANT, whose name is the
 * group's) for row: "=" before the place of entrants the rules left
 * level, games and points as "for:against". */
void standingCellText(const StandingRow *row, int column, WCHAR *text);

#endif
