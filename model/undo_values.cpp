#include "model/undo_values.h"
#include "model/group_stage.h"
#include "model/match_fields.h"

static int nodeCount(Bracket *bracket)
{
    return 2 * bracket->slotCount - 1;
}

/* Value ids: 0 the title; then, for each match field, one id per slot
 * (1 .. M for the names, M = 2N-1, then M+1 .. 2M for the results, and so
 * on); then the third-place match's switch and its fields; then the
 * format's; then each base slot's seed (1 .. N); then each listed entrant's
 * name; then the groups' (for each field one id per group match, then
 * each match's draw, then each group's order of the level ones, then
 * MAX_GROUP_SIZE names per group, so a rename reaches them); then,
 * once the losers' nodes are made, one id per losers' node for each field.
 * Ids of a step stay valid when the losers' nodes come, since theirs are
 * the last; the groups come and go only with the tree, so theirs stand
 * before. */
enum { THIRD_VALUE_COUNT = 1 + MATCH_FIELD_COUNT, TIED_CAPACITY = MAX_GROUP_SIZE + 1 };

static UINT groupMatches(Bracket *bracket)
{
    return (UINT)groupMatchTotal(&bracket->groups);
}

static UINT groupValueCount(Bracket *bracket)
{
    return (MATCH_FIELD_COUNT + 1) * groupMatches(bracket) + (UINT)bracket->groups.groupCount * (1 + MAX_GROUP_SIZE);
}

static UINT fixedValueCount(Bracket *bracket)
{
    return 1 + MATCH_FIELD_COUNT * (UINT)nodeCount(bracket) + THIRD_VALUE_COUNT + FORMAT_VALUE_COUNT +
           (UINT)bracket->slotCount + (UINT)bracket->entrants.count + groupValueCount(bracket);
}

/* Group match k (0-based over all groups) and its group. */
static BracketNode *groupMatchAt(Bracket *bracket, UINT k, int *group)
{
    for (int g = 0; g < bracket->groups.groupCount; g++) {
        StageGroup *found = &bracket->groups.groups[g];
        if (k < (UINT)found->matchCount) {
            *group = g;
            return &found->match[k];
        }
        k -= (UINT)found->matchCount;
    }
    return NULL;
}

/* The groups' values, index 0 .. groupValueCount-1. */
static void groupRef(Bracket *bracket, UINT index, ValueRef *ref)
{
    UINT matches = groupMatches(bracket);
    int group = 0;
    if (index < MATCH_FIELD_COUNT * matches) {
        ref->field = (int)(index / matches);
        ref->slot = groupMatchAt(bracket, index % matches, &group);
        return;
    }
    index -= MATCH_FIELD_COUNT * matches;
    if (index < matches) {
        ref->groupValue = GROUP_VALUE_DRAWN;
        ref->slot = groupMatchAt(bracket, index, &group);
        ref->group = group;
        return;
    }
    index -= matches;
    ref->groupValue = GROUP_VALUE_TIED;
    if (index >= (UINT)bracket->groups.groupCount) {
        index -= (UINT)bracket->groups.groupCount;
        ref->groupValue = GROUP_VALUE_ENTRANT;
        ref->place = (int)(index % MAX_GROUP_SIZE);
        index /= MAX_GROUP_SIZE;
    }
    ref->group = (int)index;
    ref->slot = &bracket->groups.groups[ref->group].match[0];
}

static UINT losersNodeCount(Bracket *bracket)
{
    return bracket->losers.matches ? (UINT)bracket->slotCount : 0;
}

UINT undoValueCount(Bracket *bracket)
{
    return fixedValueCount(bracket) + MATCH_FIELD_COUNT * losersNodeCount(bracket);
}

ValueRef undoValueRef(Bracket *bracket, UINT id)
{
    ValueRef ref = {id == 0, -1, NULL, 0, -1, 0, -1, -1, 0, 0};
    if (id == 0)
        return ref;
    UINT nodes = (UINT)nodeCount(bracket);
    UINT index = id - 1;
    if (index < MATCH_FIELD_COUNT * nodes) {
        ref.field = (int)(index / nodes);
        ref.slot = bracket->nodeTable[index % nodes];
        return ref;
    }
    index -= MATCH_FIELD_COUNT * nodes;
    if (index < THIRD_VALUE_COUNT) {
        ref.thirdPlace = 1;
        ref.field = (int)index - 1;  /* -1: the switch */
        return ref;
    }
    index -= THIRD_VALUE_COUNT;
    if (index < FORMAT_VALUE_COUNT) {
        ref.formatValue = (int)index;
        return ref;
    }
    index -= FORMAT_VALUE_COUNT;
    if (index < (UINT)bracket->slotCount) {
        ref.seed = 1;
        ref.slot = bracket->nodeTable[index];
        return ref;
    }
    index -= (UINT)bracket->slotCount;
    if (index < (UINT)bracket->entrants.count) {
        ref.entrant = (int)index;
        return ref;
    }
    index -= (UINT)bracket->entrants.count;
    if (index < groupValueCount(bracket)) {
        groupRef(bracket, index, &ref);
        return ref;
    }
    index -= groupValueCount(bracket);
    UINT losers = losersNodeCount(bracket);
    ref.field = (int)(index / losers);
    ref.slot = &bracket->losers.matches[index % losers];
    return ref;
}

static MatchValues matchOf(Bracket *bracket, const ValueRef &ref)
{
    return ref.slot ? nodeValues(ref.slot) : nodeValues(&bracket->thirdPlace);
}

/* The text buffer a value lives in, or NULL for the numbers. */
static WCHAR *valueOf(Bracket *bracket, UINT id)
{
    ValueRef ref = undoValueRef(bracket, id);
    if (ref.seed)
        return NULL;
    if (ref.entrant >= 0)
        return bracket->entrants.items[ref.entrant].name;
    if (ref.title)
        return bracket->title;
    if (ref.groupValue == GROUP_VALUE_TIED)
        return bracket->groups.groups[ref.group].tied;
    if (ref.groupValue == GROUP_VALUE_ENTRANT)
        return bracket->groups.groups[ref.group].entrant[ref.place];
    return ref.field >= 0 ? matchFieldText(matchOf(bracket, ref), ref.field) : NULL;
}

/* The number a value stands for, when it is one. */
static int *numberOf(Bracket *bracket, UINT id)
{
    ValueRef ref = undoValueRef(bracket, id);
    if (ref.seed)
        return &ref.slot->seed;
    if (ref.field >= 0)
        return matchFieldNumber(matchOf(bracket, ref), ref.field);
    if (ref.groupValue == GROUP_VALUE_DRAWN)
        return &bracket->groups.groups[ref.group].drawn[ref.slot - bracket->groups.groups[ref.group].match];
    if (ref.thirdPlace)
        return &bracket->thirdPlaceOn;
    if (ref.formatValue == FORMAT_DOUBLE)
        return &bracket->losers.on;
    if (ref.formatValue == FORMAT_RESET)
        return &bracket->losers.reset;
    return NULL;
}

/* Numbers are small (an outcome, a flag): one digit, 0 as the empty text,
 * so a value never set takes no room in a step. */
static const WCHAR *const NUMBER_TEXT[] = {L"", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"};

/* A seed (up to MAX_TEAM_COUNT) is held as the one unit of its number;
 * the text lives until the next value is read. */
static WCHAR seedText[2];

const WCHAR *readUndoValue(Bracket *bracket, UINT id)
{
    WCHAR *value = valueOf(bracket, id);
    if (value)
        return value;
    if (undoValueRef(bracket, id).seed) {
        int seed = *numberOf(bracket, id);
        seedText[0] = seed > 0 && seed <= MAX_TEAM_COUNT ? (WCHAR)seed : 0;
        seedText[1] = 0;
        return seedText;
    }
    int number = *numberOf(bracket, id);
    return number >= 0 && number <= 9 ? NUMBER_TEXT[number] : L"";
}

int undoValueCapacity(Bracket *bracket, UINT id)
{
    ValueRef ref = undoValueRef(bracket, id);
    if (ref.title)
        return TITLE_CAPACITY;
    if (ref.entrant >= 0 || ref.groupValue == GROUP_VALUE_ENTRANT)
        return NAME_CAPACITY;
    if (ref.groupValue == GROUP_VALUE_TIED)
        return TIED_CAPACITY;
    return ref.field >= 0 ? MATCH_FIELDS[ref.field].capacity : 2;
}

void writeUndoValue(Bracket *bracket, UINT id, const WCHAR *text, int length)
{
    int capacity = undoValueCapacity(bracket, id);
    if (length >= capacity)
        length = capacity - 1;
    WCHAR *value = valueOf(bracket, id);
    if (!value && undoValueRef(bracket, id).seed) {
        *numberOf(bracket, id) = length > 0 ? text[0] : 0;
        return;
    }
    if (!value) {
        *numberOf(bracket, id) = length > 0 ? text[0] - L'0' : 0;
        return;
    }
    for (int k = 0; k < length; k++)
        value[k] = text[k];
    value[length] = 0;
}

/* Units of every field of one match. */
static SIZE_T matchUnits(void)
{
    SIZE_T units = 0;
    for (const MatchFieldRow &row : MATCH_FIELDS)
        units += (SIZE_T)row.capacity;
    return units;
}

static SIZE_T thirdUnits(void)
{
    return 2 + matchUnits();
}

static SIZE_T groupUnits(Bracket *bracket)
{
    return (SIZE_T)groupMatches(bracket) * (matchUnits() + 2) +
           (SIZE_T)bracket->groups.groupCount * (TIED_CAPACITY + MAX_GROUP_SIZE * NAME_CAPACITY);
}

SIZE_T undoSnapshotUnits(Bracket *bracket)
{
    return TITLE_CAPACITY + (SIZE_T)nodeCount(bracket) * matchUnits() + thirdUnits() + 2 * FORMAT_VALUE_COUNT +
           2 * (SIZE_T)bracket->slotCount + NAME_CAPACITY * (SIZE_T)bracket->entrants.count + groupUnits(bracket) +
           (SIZE_T)losersNodeCount(bracket) * matchUnits();
}

/* One field among count matches laid out field after field. */
static WCHAR *fieldSnapshot(WCHAR *at, SIZE_T count, int field, SIZE_T index)
{
    for (int k = 0; k < field; k++)
        at += count * (SIZE_T)MATCH_FIELDS[k].capacity;
    return at + index * (SIZE_T)MATCH_FIELDS[field].capacity;
}

/* Every value at its capacity, in id order. */
WCHAR *undoSnapshotOf(Bracket *bracket, WCHAR *before, UINT id)
{
    if (id == 0)
        return before;
    SIZE_T nodes = (SIZE_T)nodeCount(bracket);
    ValueRef ref = undoValueRef(bracket, id);
    WCHAR *at = before + TITLE_CAPACITY;
    if (id < 1 + MATCH_FIELD_COUNT * nodes)
        return fieldSnapshot(at, nodes, ref.field, (id - 1) % nodes);
    at += nodes * matchUnits();
    if (ref.thirdPlace)
        return ref.field < 0 ? at : fieldSnapshot(at + 2, 1, ref.field, 0);
    at += thirdUnits();
    if (ref.formatValue >= 0)
        return at + 2 * ref.formatValue;
    at += 2 * FORMAT_VALUE_COUNT;
    if (ref.seed)
        return at + 2 * (SIZE_T)(ref.slot->id - 1);
    at += 2 * (SIZE_T)bracket->slotCount;
    if (ref.entrant >= 0)
        return at + NAME_CAPACITY * (SIZE_T)ref.entrant;
    at += NAME_CAPACITY * (SIZE_T)bracket->entrants.count;
    UINT groupFirst = fixedValueCount(bracket) - groupValueCount(bracket);
    if (id < fixedValueCount(bracket)) {
        UINT index = id - groupFirst, matches = groupMatches(bracket);
        if (index < MATCH_FIELD_COUNT * matches)
            return fieldSnapshot(at, matches, ref.field, index % matches);
        at += (SIZE_T)matches * matchUnits();
        index -= MATCH_FIELD_COUNT * matches;
        if (index < matches)
            return at + 2 * (SIZE_T)index;
        at += 2 * (SIZE_T)matches;
        index -= matches;
        UINT groups = (UINT)bracket->groups.groupCount;
        if (index < groups)
            return at + (SIZE_T)index * TIED_CAPACITY;
        return at + (SIZE_T)groups * TIED_CAPACITY + (SIZE_T)(index - groups) * NAME_CAPACITY;
    }
    at += groupUnits(bracket);
    UINT losers = losersNodeCount(bracket);
    return fieldSnapshot(at, losers, ref.field, (id - fixedValueCount(bracket)) % losers);
}
