/* Changes that may take away results already played (a decided pick
 * changed, two entrants swapped) are made only after the user was told
 * which results go. */
#ifndef DUELMARK_UI_EDITING_RESULT_CHANGE_QUESTION_H
#define DUELMARK_UI_EDITING_RESULT_CHANGE_QUESTION_H

#include "ui/common/document_state.h"

/* A change to the open bracket that also shows itself in the window. */
typedef void (*BracketChange)(HWND window, Bracket *bracket, void *context);

/* Makes change as one undo step. When it took away the result of a match
 * other than spared (NULL: none is spared), and picksCount is set or one
 * of those results carries a score or an outcome, the step is taken back and the
 * user is asked with question, a string whose %1 is how many results go,
 * %2 the list of them and %3, %4 the inserts given; Yes makes the change
 * again, No leaves the bracket, the window and the history as they were.
 * Returns 1 when the change stands. */
int changeAskingFirst(HWND window, DocumentState *state, BracketNode *spared, BracketChange change,
                      void *context, UINT question, const WCHAR *const *inserts, int insertCount, int picksCount);

/* CBN_SELCHANGE from a pick of the winners' bracket: the new pick, asked
 * first when it clears later results. */
void recordPickChange(HWND window, DocumentState *state, HWND control);

/* The same for a pick of the losers' bracket or the grand final. */
void recordLosersPickChange(HWND window, DocumentState *state, HWND control);

#endif
