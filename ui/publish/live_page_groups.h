/* The groups' standings as the live page's tables: one a group, headed by
 * the group's name and the standings' column words of the Groups page, in
 * the language of the editor's resources. */
#ifndef DUELMARK_UI_PUBLISH_LIVE_PAGE_GROUPS_H
#define DUELMARK_UI_PUBLISH_LIVE_PAGE_GROUPS_H

#include "file/published_page.h"
#include "model/bracket.h"
#include "model/group_draw.h"
#include "model/round_robin.h"

enum { STANDINGS_COLUMNS_SHOWN = 9, STANDINGS_NUMBER_CAPACITY = 24 };

/* The texts of every group's table; the entrants' names are pointed to in
 * the bracket, which must outlive the tables. Some 100 KiB: on the heap. */
struct GroupTables {
    WCHAR headingText[256];
    const WCHAR *headings[STANDINGS_COLUMNS_SHOWN];
    WCHAR captions[MAX_GROUP_COUNT][64];
    WCHAR numbers[MAX_GROUP_COUNT][MAX_GROUP_SIZE][STANDINGS_COLUMNS_SHOWN][STANDINGS_NUMBER_CAPACITY];
    const WCHAR *cells[MAX_GROUP_COUNT][MAX_GROUP_SIZE * STANDINGS_COLUMNS_SHOWN];
    PublishedTable tables[MAX_GROUP_COUNT];
};

/* Fills tables from the bracket's groups; returns how many tables there
 * are (0 without a group stage). */
int fillGroupTables(Bracket *bracket, GroupTables *tables);

#endif
