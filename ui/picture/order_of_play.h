/* The order of play: every match still to be played whose two entrants
 * are known (the third-place match included), sorted by time (unscheduled
 * last), then court, then round (the earlier first), then position in the
 * bracket. Copied as tab-separated text and printed as pages. */
#ifndef DUELMARK_UI_PICTURE_ORDER_OF_PLAY_H
#define DUELMARK_UI_PICTURE_ORDER_OF_PLAY_H

#include "model/bracket.h"
#include "ui/common/document_state.h"

enum { ORDER_CAPACITY = MAX_TEAM_COUNT / 2 + 1 };  /* no entrant plays two open matches */

struct OrderEntry {
    BracketNode *node;  /* NULL: the third-place match */
    int round;          /* larger for earlier rounds */
    int position;       /* within the round, top to bottom, left half first */
};

/* The texts of one line: time as "YYYY-MM-DD HH:MM" (empty when not
 * scheduled), court, round name, the upper entrant, the lower one. */
struct OrderFields {
    WCHAR time[MATCH_TIME_CAPACITY];
    const WCHAR *court;
    WCHAR round[64];
    const WCHAR *first;
    const WCHAR *second;
};

/* Fills entries (ORDER_CAPACITY) in order. Returns how many. */
int collectOrderOfPlay(Bracket *bracket, OrderEntry *entries);

void orderFieldsOf(Bracket *bracket, const OrderEntry *entry, OrderFields *fields);

/* The header line and one line per match, fields separated by tabs, every
 * line ended by CR LF: a heap block the caller frees, or NULL. */
WCHAR *orderOfPlayText(Bracket *bracket);

/* Edit > Copy order of play: the text as Unicode on the clipboard. */
void copyOrderOfPlay(HWND window, DocumentState *state);

#endif
