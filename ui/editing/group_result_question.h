/* Before a group match's result changes who goes through to the knockout:
 * the question that names the knockout results it would clear. */
#ifndef DUELMARK_UI_EDITING_GROUP_RESULT_QUESTION_H
#define DUELMARK_UI_EDITING_GROUP_RESULT_QUESTION_H

#include <windows.h>

#include "model/bracket.h"
#include "model/group_results.h"

/* Asks, owned by window, when deciding match of group as given (see
 * setGroupMatchResult) would clear knockout results, and lists them.
 * Returns 1 to go ahead (nothing would be cleared, or the user agreed), 0
 * when the user declined or the question could not be worked out. */
int confirmGroupResult(HWND window, Bracket *bracket, int group, int match, int winner, const WCHAR *result,
                       int outcome);

#endif
