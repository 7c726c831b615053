/* The short texts that tell of a match wherever it is shown (the window,
 * the tooltips, the picture, the order of play): its round's name, its
 * score with the mark of its outcome, and when and where it is played. */
#ifndef DUELMARK_UI_COMMON_MATCH_MARKS_H
#define DUELMARK_UI_COMMON_MATCH_MARKS_H

#include "model/bracket.h"

enum { MARK_CAPACITY = 96 };  /* a score, a mark, a date, a time and a court */

/* "6:3 6:4 w/o": the score and the outcome's mark (either may be missing),
 * into text (MARK_CAPACITY units). Empty for a match played without a
 * score. */
void matchScoreText(HMODULE resources, const WCHAR *result, int outcome, WCHAR *text);

/* "14:30", the date before the time when withDate is set, in the user's
 * formats; empty when the match has no time. */
void matchTimeText(const MatchDetails *details, int withDate, WCHAR *text);

/* "14:30 · Court 2", the date before the time when withDate is set, in the
 * user's formats; empty when neither is set. */
void matchScheduleText(const MatchDetails *details, int withDate, WCHAR *text);

/* Whether the times set on the bracket's matches fall on more than one day. */
int bracketSpansDays(Bracket *bracket);

/* What a user should know of the match node decides (any kind):
 * its score line once it is decided (returns 1), else when and where it is
 * played, the date with the time when withDate is set (returns 0). Empty
 * when there is nothing to tell. */
int matchMarkText(Bracket *bracket, BracketNode *node, int withDate, WCHAR *text);

/* The name of the round whose entrants stand on level (0: the champion,
 * or with a losers' bracket the winners' bracket's winner; 1: the final,
 * 2: the semi-finals, ...), as the picture heads its column. */
void roundHeading(Bracket *bracket, int level, WCHAR *text, int capacity);

#endif
