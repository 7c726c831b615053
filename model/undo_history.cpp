#include "model/undo_history.h"
#include "model/entrant_name.h"
#include "model/bracket.h"
#include "model/heap.h"
#include "model/undo_values.h"

/* A step is one heap block: this header, then one entry per value that
 * changed, named by its value id (model/undo_values.h). */
struct UndoStep {
    int entryCount;
};

struct StepEntry {
    UINT id;
    USHORT beforeLength;
    USHORT afterLength;
    /* followed by the before text and the after text, unterminated */
};

static WCHAR *entryText(StepEntry *entry)
{
    return (WCHAR *)(entry + 1);
}

/* Entries keep the header's 4-byte alignment. */
static SIZE_T entrySize(int beforeLength, int afterLength)
{
    SIZE_T bytes = sizeof(StepEntry) + (SIZE_T)(beforeLength + afterLength) * sizeof(WCHAR);
    return (bytes + 3) & ~(SIZE_T)3;
}

static StepEntry *nextEntry(StepEntry *entry)
{
    return (StepEntry *)((BYTE *)entry + entrySize(entry->beforeLength, entry->afterLength));
}

static StepEntry *firstEntry(UndoStep *step)
{
    return (StepEntry *)(step + 1);
}

static void freeSteps(UndoHistory *history, int from)
{
    for (int i = from; i < history->count; i++)
        freeBlock(history->steps[i]);
    history->count = from;
}

/* A failed allocation: the change is made already, so only the history
 * goes. What stands now matches the file only when nothing is unsaved. */
static void dropHistory(Bracket *bracket)
{
    UndoHistory *history = &bracket->history;
    if (history->steps)
        freeSteps(history, 0);
    history->position = 0;
    history->savePoint = 0;
    history->savePointLost = bracket->dirty != 0;
    history->typingSlot = 0;
    history->typingStepHeld = 0;
}

/* Copies every value into the "before" buffer. Returns 0 when the buffer
 * cannot be had. */
static int takeSnapshot(Bracket *bracket)
{
    UndoHistory *history = &bracket->history;
    int values = (int)undoValueCount(bracket);
    if (history->before && history->beforeValues != values) {
        freeBlock(history->before);
        history->before = NULL;
    }
    if (!history->before) {
        SIZE_T units = undoSnapshotUnits(bracket);
        history->before = (WCHAR *)allocBlock(units * sizeof(WCHAR));
        if (!history->before)
            return 0;
        history->beforeValues = values;
    }
    for (UINT id = 0; id < undoValueCount(bracket); id++)
        lstrcpynW(undoSnapshotOf(bracket, history->before, id), readUndoValue(bracket, id),
                  undoValueCapacity(bracket, id));
    return 1;
}

/* The difference between the "before" buffer and the bracket as a step.
 * Returns 1 with *step NULL when nothing changed, 0 when out of memory. */
static int diffStep(Bracket *bracket, UndoStep **step)
{
    WCHAR *before = bracket->history.before;
    UINT values = undoValueCount(bracket);
    SIZE_T bytes = sizeof(UndoStep);
    int entries = 0;
    for (UINT id = 0; id < values; id++) {
        const WCHAR *was = undoSnapshotOf(bracket, before, id);
        const WCHAR *now = readUndoValue(bracket, id);
        if (!sameName(was, now)) {
            bytes += entrySize(lstrlenW(was), lstrlenW(now));
            entries++;
        }
    }
    *step = NULL;
    if (!entries)
        return 1;
    UndoStep *made = (UndoStep *)allocBlock(bytes);
    if (!made)
        return 0;
    made->entryCount = entries;
    StepEntry *entry = firstEntry(made);
    for (UINT id = 0; id < values; id++) {
        const WCHAR *was = undoSnapshotOf(bracket, before, id);
        const WCHAR *now = readUndoValue(bracket, id);
        if (sameName(was, now))
            continue;
        entry->id = id;
        entry->beforeLength = (USHORT)lstrlenW(was);
        entry->afterLength = (USHORT)lstrlenW(now);
        WCHAR *text = entryText(entry);
        for (int i = 0; i < entry->beforeLength; i++)
            *text++ = was[i];
        for (int i = 0; i < entry->afterLength; i++)
            *text++ = now[i];
        entry = nextEntry(entry);
    }
    *step = made;
    return 1;
}

/* Adds a step at the position, dropping what could have been redone and,
 * beyond the limit, the oldest step. Returns 0 when out of memory. */
static int pushStep(UndoHistory *history, UndoStep *step)
{
    if (!history->steps) {
        history->steps = (UndoStep **)allocBlock(UNDO_STEP_LIMIT * sizeof(UndoStep *));
        if (!history->steps)
            return 0;
        history->count = 0;
    }
    if (history->savePoint > history->position)
        history->savePointLost = 1;
    freeSteps(history, history->position);
    if (history->count == UNDO_STEP_LIMIT) {
        freeBlock(history->steps[0]);
        for (int i = 1; i < history->count; i++)
            history->steps[i - 1] = history->steps[i];
        history->count--;
        if (--history->savePoint < 0)
            history->savePointLost = 1;
    }
    history->steps[history->count++] = step;
    history->position = history->count;
    return 1;
}

void beginUndoStep(Bracket *bracket, UINT typingSlot)
{
    UndoHistory *history = &bracket->history;
    if (history->replaying || bracket->slotCount == 0)
        return;
    if (history->openSteps++ > 0)
        return;
    /* The entrant list's names are values too: steps made for a list of
     * another length would put names in the wrong places. */
    if (history->entrantCount != bracket->entrants.count) {
        dropHistory(bracket);
        history->entrantCount = bracket->entrants.count;
    }
    /* Further keystrokes in the same slot: the buffer still holds the
     * bracket as the first keystroke found it. */
    if (typingSlot && typingSlot == history->typingSlot && !history->beforeMissing)
        return;
    history->typingSlot = typingSlot;
    history->typingStepHeld = 0;
    history->beforeMissing = !takeSnapshot(bracket);
}

/* The typing step replaces itself as the keystrokes go on; a typing step
 * that came back to where it started goes away. */
static void recordTyping(Bracket *bracket, UndoStep *step)
{
    UndoHistory *history = &bracket->history;
    if (history->typingStepHeld) {
        freeBlock(history->steps[history->position - 1]);
        if (step) {
            history->steps[history->position - 1] = step;
        } else {
            history->position--;
            history->count--;
            history->typingStepHeld = 0;
        }
        return;
    }
    if (!step)
        return;
    if (!pushStep(history, step)) {
        freeBlock(step);
        dropHistory(bracket);
        return;
    }
    history->typingStepHeld = 1;
}

/* Each slot a step holds, once per value; the third-place match and the
 * format once each. */
static void tellSlots(Bracket *bracket, UndoStep *step, UndoSlotShown told, void *context)
{
    int thirdPlaceTold = 0, formatTold = 0;
    StepEntry *entry = firstEntry(step);
    for (int i = 0; told && i < step->entryCount; i++, entry = nextEntry(entry)) {
        ValueRef ref = undoValueRef(bracket, entry->id);
        if (ref.title) {
            told(bracket, NULL, context);
        } else if (ref.slot) {
            told(bracket, ref.slot, context);
        } else if (ref.entrant >= 0) {
            /* A listed entrant's name shows only where a slot shows it. */
        } else if (ref.formatValue >= 0) {
            if (!formatTold)
                told(bracket, UNDO_FORMAT_SHOWN, context);
            formatTold = 1;
        } else if (!thirdPlaceTold) {
            thirdPlaceTold = 1;
            told(bracket, UNDO_THIRD_PLACE_SHOWN, context);
        }
    }
}

static void tellWatchers(Bracket *bracket, UndoStep *step)
{
    for (UndoWatcher &watcher : bracket->watchers)
        if (step && watcher.told)
            tellSlots(bracket, step, watcher.told, watcher.context);
}

int watchUndoSteps(Bracket *bracket, UndoSlotShown watcher, void *context)
{
    for (UndoWatcher &place : bracket->watchers)
        if (!place.told) {
            place.told = watcher;
            place.context = context;
            return 1;
        }
    return 0;
}

int isWatchingUndoSteps(Bracket *bracket, UndoSlotShown watcher, void *context)
{
    for (UndoWatcher &place : bracket->watchers)
        if (place.told == watcher && place.context == context)
            return 1;
    return 0;
}

void unwatchUndoSteps(Bracket *bracket, UndoSlotShown watcher, void *context)
{
    for (UndoWatcher &place : bracket->watchers)
        if (place.told == watcher && place.context == context)
            place = UndoWatcher{};
}

void tellUndoWatchers(Bracket *bracket, BracketNode *node)
{
    for (UndoWatcher &watcher : bracket->watchers)
        if (watcher.told)
            watcher.told(bracket, node, watcher.context);
}

void endUndoStep(Bracket *bracket)
{
    UndoHistory *history = &bracket->history;
    if (history->replaying || bracket->slotCount == 0 || history->openSteps == 0)
        return;
    if (--history->openSteps > 0)
        return;
    UndoStep *step = NULL;
    if (history->entrantCount != bracket->entrants.count)
        history->beforeMissing = 1;
    if (history->beforeMissing || !diffStep(bracket, &step)) {
        history->entrantCount = bracket->entrants.count;
        dropHistory(bracket);
        history->beforeMissing = 0;
        tellUndoWatchers(bracket, UNDO_ALL_SHOWN);
        return;
    }
    /* Told before the step is kept: keeping it may fail and free it. A
     * typing step holds what differs from before the first keystroke, so
     * a value this keystroke put back as it was is only in the step it
     * replaces. */
    if (history->typingSlot && history->typingStepHeld)
        tellWatchers(bracket, history->steps[history->position - 1]);
    tellWatchers(bracket, step);
    if (history->typingSlot) {
        recordTyping(bracket, step);
    } else if (step && !pushStep(history, step)) {
        freeBlock(step);
        dropHistory(bracket);
    }
}

void endUndoTyping(Bracket *bracket)
{
    bracket->history.typingSlot = 0;
    bracket->history.typingStepHeld = 0;
}

void markUndoSavePoint(Bracket *bracket)
{
    UndoHistory *history = &bracket->history;
    endUndoTyping(bracket);
    history->savePoint = history->position;
    history->savePointLost = 0;
}

void forgetUndoSavePoint(Bracket *bracket)
{
    bracket->history.savePointLost = 1;
}

/* Writes one side of a step into the model first, then tells the caller
 * about each value, so that notifications raised while controls follow
 * find the model complete. */
static void replayStep(Bracket *bracket, UndoStep *step, int after, UndoSlotShown shown, void *context)
{
    UndoHistory *history = &bracket->history;
    endUndoTyping(bracket);
    history->replaying = 1;
    StepEntry *entry = firstEntry(step);
    for (int i = 0; i < step->entryCount; i++, entry = nextEntry(entry)) {
        const WCHAR *text = entryText(entry) + (after ? entry->beforeLength : 0);
        writeUndoValue(bracket, entry->id, text, after ? entry->afterLength : entry->beforeLength);
    }
    bracket->dirty = history->savePointLost || history->position != history->savePoint;
    /* The third-place match is told once, whatever of it changed. */
    tellSlots(bracket, step, shown, context);
    tellWatchers(bracket, step);
    history->replaying = 0;
}

int undoStep(Bracket *bracket, UndoSlotShown shown, void *context)
{
    UndoHistory *history = &bracket->history;
    if (history->entrantCount != bracket->entrants.count && !history->openSteps) {
        dropHistory(bracket);
        history->entrantCount = bracket->entrants.count;
        return 0;
    }
    if (bracket->slotCount == 0 || history->openSteps || history->replaying || history->position == 0)
        return 0;
    history->position--;
    replayStep(bracket, history->steps[history->position], 0, shown, context);
    return 1;
}

int redoStep(Bracket *bracket, UndoSlotShown shown, void *context)
{
    UndoHistory *history = &bracket->history;
    if (history->entrantCount != bracket->entrants.count && !history->openSteps) {
        dropHistory(bracket);
        history->entrantCount = bracket->entrants.count;
        return 0;
    }
    if (bracket->slotCount == 0 || history->openSteps || history->replaying || history->position == history->count)
        return 0;
    history->position++;
    replayStep(bracket, history->steps[history->position - 1], 1, shown, context);
    return 1;
}

void dropRedoSteps(Bracket *bracket)
{
    UndoHistory *history = &bracket->history;
    if (!history->steps || history->position == history->count)
        return;
    if (history->savePoint > history->position)
        history->savePointLost = 1;
    freeSteps(history, history->position);
}

void discardUndoHistory(UndoHistory *history)
{
    if (history->steps)
        freeSteps(history, 0);
    freeBlock(history->steps);
    freeBlock(history->before);
    UndoHistory empty = {};
    *history = empty;
}
