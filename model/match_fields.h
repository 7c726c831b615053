/* The fields every match carries, listed once: what undo keeps, what the
 * file writes and reads, and what the tests compare all come from this
 * table, so a new field on a match is one row here (and its record field)
 * plus what the user sees of it. */
#ifndef DUELMARK_MODEL_MATCH_FIELDS_H
#define DUELMARK_MODEL_MATCH_FIELDS_H

#include "model/bracket.h"

/* In the order the file writes them and undo numbers them. */
enum MatchField { FIELD_NAME, FIELD_RESULT, FIELD_OUTCOME, FIELD_COURT, FIELD_TIME, MATCH_FIELD_COUNT };

enum MatchFieldKind {
    KIND_TEXT,     /* free text, cut to its capacity */
    KIND_TIME,     /* text in the one time form; anything else is no time */
    KIND_OUTCOME   /* a MatchOutcome: a number, written as its status name */
};

struct MatchFieldRow {
    const WCHAR *attribute; /* its attribute in the file */
    int capacity;           /* UTF-16 units with the terminator; a number is held as one digit */
    int kind;               /* a MatchFieldKind */
};

extern const MatchFieldRow MATCH_FIELDS[MATCH_FIELD_COUNT];

/* Where one match keeps its fields: the node of any kind of match. */
struct MatchValues {
    WCHAR *name;
    WCHAR *result;
    MatchDetails *details;
};

MatchValues nodeValues(BracketNode *node);

/* The text of a field, or NULL for a number. */
WCHAR *matchFieldText(MatchValues match, int field);

/* The number of a field, or NULL for a text. */
int *matchFieldNumber(MatchValues match, int field);

#endif
