#include "model/group_consequences.h"

#include "model/entrant_name.h"
#include "model/group_results.h"
#include "model/group_stage.h"
#include "model/heap.h"
#include "model/losers_rounds.h"
#include "model/undo_values.h"

/* A copy with no controls, no watchers and no history, to try a change on. */
static Bracket *scratchCopy(Bracket *bracket)
{
    Bracket *copy = (Bracket *)allocBlock(sizeof(Bracket));
    if (!copy)
        return NULL;
    initBracket(copy, bracket->resourceModule);
    GroupStage *stage = &bracket->groups;
    int sizes[MAX_GROUP_COUNT];
    for (int g = 0; g < stage->groupCount; g++)
        sizes[g] = stage->groups[g].count;
    if (!buildBracket(copy, bracket->slotCount) || (bracket->losers.matches && !prepareLosersBracket(copy)) ||
        !prepareGroupStage(copy, stage->groupCount, sizes, stage->rules, stage->advancing)) {
        freeBracket(copy);
        return NULL;
    }
    for (int g = 0; g < stage->groupCount; g++)
        for (int k = 0; k < MAX_GROUP_SIZE; k++) {
            lstrcpyW(copy->groups.groups[g].entrant[k], stage->groups[g].entrant[k]);
            copy->groups.groups[g].seed[k] = stage->groups[g].seed[k];
        }
    for (int i = 0; i < 2 * bracket->slotCount - 1; i++) {
        copy->nodeTable[i]->bye = bracket->nodeTable[i]->bye;
        copy->nodeTable[i]->seed = bracket->nodeTable[i]->seed;
    }
    UINT count = undoValueCount(bracket);
    for (UINT id = 0; id < count; id++) {
        const WCHAR *value = readUndoValue(bracket, id);
        writeUndoValue(copy, id, value, lstrlenW(value));
    }
    return copy;
}

/* The node of bracket a value of the knockout belongs to, or NULL for a
 * value outside the knockout's matches. */
static BracketNode *knockoutMatchOf(Bracket *bracket, UINT id)
{
    ValueRef ref = undoValueRef(bracket, id);
    if (ref.field < 0 || ref.groupValue >= 0)
        return NULL;
    if (ref.thirdPlace)
        return &bracket->thirdPlace;
    int group, match;
    if (!ref.slot || findGroupMatch(&bracket->groups, ref.slot, &group, &match) || (!ref.slot->left && !losersNumberOf(bracket, ref.slot)))
        return NULL;
    return ref.slot;
}

int knockoutResultsCleared(Bracket *bracket, int group, int match, int winner, const WCHAR *result, int outcome,
                           BracketNode **cleared, int capacity)
{
    Bracket *copy = scratchCopy(bracket);
    if (!copy)
        return -1;
    if (!setGroupMatchResult(copy, group, match, winner, result, outcome)) {
        freeBracket(copy);
        return -1;
    }
    int count = 0;
    UINT values = undoValueCount(bracket);
    for (UINT id = 1; id < values; id++) {
        BracketNode *node = knockoutMatchOf(bracket, id);
        if (!node || sameName(readUndoValue(bracket, id), readUndoValue(copy, id)))
            continue;
        int held = node->name[0] || node->result[0] || node->details.outcome != OUTCOME_PLAYED;
        int listed = 0;
        for (int k = 0; k < count && k < capacity; k++)
            listed |= cleared[k] == node;
        if (held && !listed) {
            if (count < capacity)
                cleared[count] = node;
            count++;
        }
    }
    freeBracket(copy);
    return count;
}
