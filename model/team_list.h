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

/* One name of a list and where it stands: its line, counted from 1 with
 * blank lines included, and whether it was longer than a name holds. */
struct ListEntry {
    WCHAR name[NAME_CAPACITY];
    int line;
    int cut;
};

/* As nextListName, telling also where the name stands. *line is the line
 * *cursor is on (1 at the start of the text) and moves with the cursor. */
int nextListEntry(const WCHAR **cursor, int *line, ListEntry *entry);

/* The first name the list gives again (names that differ only in case or
 * outer spaces count as one), cut as it will be kept: its text into name
 * (NAME_CAPACITY units) and the lines that give it, in order, into lines
 * (at most capacity of them). Returns how many lines give it; 0 when no
 * name repeats. */
int findRepeatedListName(const WCHAR *text, WCHAR *name, int *lines, int capacity);

/* The lines whose name is cut to fit, in order, into lines (at most
 * capacity of them). Returns how many lines that is. */
int findCutListLines(const WCHAR *text, int *lines, int capacity);

/* A name that two base slots hold, case and outer spaces aside, or NULL
 * when no two share one. */
const WCHAR *repeatedBaseName(Bracket *bracket);

/* Another base slot whose name is node's, case and outer spaces aside, or
 * NULL when node's name is its own (or empty). */
BracketNode *baseNameTwin(Bracket *bracket, const BracketNode *node);

/* Puts the list's names into first and the base slots after it, left to
 * right, each with the cascade of applySlotText; byes are passed over and
 * extra names are ignored.
 * Returns the number of slots given a name. */
int fillBaseSlotsFromList(Bracket *bracket, BracketNode *first, const WCHAR *text);

#endif
