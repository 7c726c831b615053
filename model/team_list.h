/* A team list pasted as text, one name per line (a spreadsheet column, a
 * list): the names it holds and how they fill the base slots. */
#ifndef DUELMARK_MODEL_TEAM_LIST_H
#define DUELMARK_MODEL_TEAM_LIST_H

#include "model/bracket.h"

/* The number of lines of text that hold a name; a single line is what an
 * edit pastes on its own. */
int countListLines(const WCHAR *text);

/* The next name at *cursor: lines end at CR or LF, cells at a tab; outer
 * spaces go, blank ones are skipped, and a name is cut to 127 units without
 * splitting a surrogate pair. Returns 1 with name filled (NAME_CAPACITY
 * units) and *cursor moved past it, 0 when no name is left. */
int nextListName(const WCHAR **cursor, WCHAR *name);

/* Puts the list's names into first and the base slots after it, left to
 * right, each with the cascade of applySlotText; byes are passed over and
 * extra names are ignored.
 * Returns the number of slots given a name. */
int fillBaseSlotsFromList(Bracket *bracket, BracketNode *first, const WCHAR *text);

#endif
