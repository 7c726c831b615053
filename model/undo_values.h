/* The values undo keeps of a bracket, each named by an id: the title, every
 * field of every match (model/match_fields.h), the third-place match's
 * switch, the format's two, each first-round slot's seed, the name of each
 * entrant of the entrant list and what the groups keep beside their
 * matches. A step of model/undo_history.h is a list of
 * such values before and after. */
#ifndef DUELMARK_MODEL_UNDO_VALUES_H
#define DUELMARK_MODEL_UNDO_VALUES_H

#include "model/bracket.h"

/* A value id taken apart: the title, one field of one match, the
 * third-place match's switch or one of the format's values. */
struct ValueRef {
    int title;
    int field;           /* a MatchField of the match below, or -1 */
    BracketNode *slot;   /* the match, or NULL for the title, format and third place */
    int thirdPlace;      /* the value belongs to the third-place match */
    int formatValue;     /* a FormatValue, or -1 */
    int seed;            /* the value is the seed of the first-round slot above */
    int entrant;         /* the value is the name of this entrant of the list, or -1 */
    int groupValue;      /* a GroupValue of the group match slot or of group below, or -1 */
    int group;           /* the group of a GROUP_TIED or GROUP_VALUE_ENTRANT value */
    int place;           /* the entrant's place in that group for GROUP_VALUE_ENTRANT */
};

enum FormatValue { FORMAT_DOUBLE, FORMAT_RESET, FORMAT_VALUE_COUNT };

/* What a group keeps beside its matches' fields: whether a match was drawn
 * (slot is the match, field -1), the organiser's order for the level
 * ones and each entrant's name (slot is the group's first match, standing
 * for the group). */
enum GroupValue { GROUP_VALUE_DRAWN, GROUP_VALUE_TIED, GROUP_VALUE_ENTRANT };

UINT undoValueCount(Bracket *bracket);
ValueRef undoValueRef(Bracket *bracket, UINT id);

/* The value as text (a number as its one digit, 0 as the empty text). */
const WCHAR *readUndoValue(Bracket *bracket, UINT id);

/* Puts the first length units of text back, cut to the value's capacity. */
void writeUndoValue(Bracket *bracket, UINT id, const WCHAR *text, int length);

int undoValueCapacity(Bracket *bracket, UINT id);

/* Units a buffer needs to hold every value at its capacity, and where a
 * value stands in such a buffer. */
SIZE_T undoSnapshotUnits(Bracket *bracket);
WCHAR *undoSnapshotOf(Bracket *bracket, WCHAR *before, UINT id);

#endif
