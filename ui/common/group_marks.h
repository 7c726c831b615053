/* The short texts a group match shows in a cross table, wherever the
 * table is drawn: the result read from one entrant's side, with its
 * outcome's mark, and a mark on a result the standings could not read. */
#ifndef DUELMARK_UI_COMMON_GROUP_MARKS_H
#define DUELMARK_UI_COMMON_GROUP_MARKS_H

#include "model/group_stage.h"
#include "ui/common/match_marks.h"

/* The pairs of a result turned to the other side ("11:7 9:11" becomes
 * "7:11 11:9"); anything that is not a pair is copied as written. into
 * holds RESULT_CAPACITY units. */
void turnResultAround(const WCHAR *result, WCHAR *into);

/* The cell of entrant number side (1 .. count) against its opponent in
 * match: empty until decided; the result from that side with the
 * outcome's mark; a word for a win, loss or draw given without a result;
 * an unreadable result marked. text holds MARK_CAPACITY units. */
void groupCellText(Bracket *bracket, const StageGroup *group, int match, int side, WCHAR *text);

#endif
