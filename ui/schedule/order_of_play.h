/* The order of play: every match still to be played whose two entrants
 * are known (the third-place match and the groups' matches included), sorted by time (unscheduled
 * last), then court, then round (the earlier first), then position in the
 * bracket. Copied as tab-separated text and printed as pages. */
#ifndef DUELMARK_UI_SCHEDULE_ORDER_OF_PLAY_H
#define DUELMARK_UI_SCHEDULE_ORDER_OF_PLAY_H

#include "model/bracket.h"
#include "model/group_draw.h"
#include "model/round_robin.h"
#include "ui/common/document_state.h"
#include "ui/common/match_marks.h"

/* No entrant plays two open matches of the knockout; a group's matches
 * may all be open at once. */
enum { ORDER_CAPACITY = MAX_TEAM_COUNT / 2 + 1 + MAX_GROUP_COUNT * MAX_GROUP_MATCHES };

struct OrderEntry {
    BracketNode *node;  /* the match, of any kind */
    int round;          /* larger for earlier rounds */
    int position;       /* within the round, top to bottom, left half first */
};

/* How a line's time reads: as the window shows it (the user's formats,
 * with the date when the matches span days), or in the one fixed form
 * "YYYY-MM-DD HH:MM" a spreadsheet sorts and reads whatever the region. */
enum OrderTimes { ORDER_TIMES_SHOWN, ORDER_TIMES_FIXED };

/* The texts of one line: time (empty when not scheduled), court, round
 * name, the upper entrant, the lower one. */
struct OrderFields {
    WCHAR time[MARK_CAPACITY];
    const WCHAR *court;
    WCHAR round[64];
    const WCHAR *first;
    const WCHAR *second;
};

/* Fills entries (ORDER_CAPACITY) in order. Returns how many. */
int collectOrderOfPlay(Bracket *bracket, OrderEntry *entries);

void orderFieldsOf(Bracket *bracket, const OrderEntry *entry, int times, OrderFields *fields);

/* The header line and one line per match, fields separated by tabs, every
 * line ended by CR LF, times in the fixed form; a tab or a line break
 * within a field reads as a space. A heap block the caller frees, or
 * NULL. */
WCHAR *orderOfPlayText(Bracket *bracket);

/* Edit > Copy order of play: the text as Unicode on the clipboard. */
void copyOrderOfPlay(HWND window, DocumentState *state);

#endif
