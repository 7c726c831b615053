#include "model/undo_history.h"
#include "model/entrant_name.h"
#include "model/bracket.h"
#include "model/heap.h"

/* A step is one heap block: this header, then one entry per value that
 * changed, named by its value id (below). */
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

static int nodeCount(Bracket *bracket)
{
    return 2 * bracket->slotCount - 1;
}

/* Value ids: 0 the title; then, for each kind of slot value below, one id
 * per slot (1 .. M for the names, M = 2N-1, then M+1 .. 2M for the
 * results, and so on); then the third-place match's values; then the
 * format's; then, once the losers' nodes are made, one id per losers' node
 * for each kind of slot value. Ids of a step stay valid when the losers'
 * nodes come, since theirs are the last. Outcomes and flags are numbers,
 * held in steps as their decimal text. */
enum SlotValue { SLOT_NAME, SLOT_RESULT, SLOT_OUTCOME, SLOT_COURT, SLOT_TIME, SLOT_VALUE_COUNT };
enum ThirdValue { THIRD_ON, THIRD_NAME, THIRD_RESULT, THIRD_OUTCOME, THIRD_COURT, THIRD_TIME, THIRD_VALUE_COUNT };
enum FormatValue { FORMAT_DOUBLE, FORMAT_RESET, FORMAT_VALUE_COUNT };

/* A value id taken apart: the title, one value of one slot (a losers' node
 * included), one of the third-place match or one of the format. */
struct ValueRef {
    int title;
    int slotValue;       /* a SlotValue, or -1 */
    BracketNode *slot;
    int thirdValue;      /* a ThirdValue, or -1 */
    int formatValue;     /* a FormatValue, or -1 */
    int losers;          /* the slot is a losers' node */
};

static UINT fixedValueCount(Bracket *bracket)
{
    return 1 + SLOT_VALUE_COUNT * (UINT)nodeCount(bracket) + THIRD_VALUE_COUNT + FORMAT_VALUE_COUNT;
}

static UINT losersNodeCount(Bracket *bracket)
{
    return bracket->losers.matches ? (UINT)bracket->slotCount : 0;
}

static UINT valueCount(Bracket *bracket)
{
    return fixedValueCount(bracket) + SLOT_VALUE_COUNT * losersNodeCount(bracket);
}

static ValueRef valueRef(Bracket *bracket, UINT id)
{
    ValueRef ref = {id == 0, -1, NULL, -1, -1, 0};
    if (id == 0)
        return ref;
    UINT nodes = (UINT)nodeCount(bracket);
    UINT index = id - 1;
    if (index < SLOT_VALUE_COUNT * nodes) {
        ref.slotValue = (int)(index / nodes);
        ref.slot = bracket->nodeTable[index % nodes];
        return ref;
    }
    index -= SLOT_VALUE_COUNT * nodes;
    if (index < THIRD_VALUE_COUNT) {
        ref.thirdValue = (int)index;
        return ref;
    }
    index -= THIRD_VALUE_COUNT;
    if (index < FORMAT_VALUE_COUNT) {
        ref.formatValue = (int)index;
        return ref;
    }
    index -= FORMAT_VALUE_COUNT;
    UINT losers = losersNodeCount(bracket);
    ref.slotValue = (int)(index / losers);
    ref.slot = &bracket->losers.matches[index % losers];
    ref.losers = 1;
    return ref;
}

/* The text buffer a value lives in, or NULL for the numbers. */
static WCHAR *valueOf(Bracket *bracket, UINT id)
{
    ValueRef ref = valueRef(bracket, id);
    ThirdPlaceMatch *third = &bracket->thirdPlace;
    if (ref.title)
        return bracket->title;
    switch (ref.slotValue) {
    case SLOT_NAME: return ref.slot->name;
    case SLOT_RESULT: return ref.slot->result;
    case SLOT_COURT: return ref.slot->details.court;
    case SLOT_TIME: return ref.slot->details.time;
    }
    switch (ref.thirdValue) {
    case THIRD_NAME: return third->name;
    case THIRD_RESULT: return third->result;
    case THIRD_COURT: return third->details.court;
    case THIRD_TIME: return third->details.time;
    }
    return NULL;
}

/* The number a value stands for, when it is one. */
static int *numberOf(Bracket *bracket, UINT id)
{
    ValueRef ref = valueRef(bracket, id);
    if (ref.slotValue == SLOT_OUTCOME)
        return &ref.slot->details.outcome;
    if (ref.thirdValue == THIRD_OUTCOME)
        return &bracket->thirdPlace.details.outcome;
    if (ref.thirdValue == THIRD_ON)
        return &bracket->thirdPlace.on;
    if (ref.formatValue == FORMAT_DOUBLE)
        return &bracket->losers.on;
    if (ref.formatValue == FORMAT_RESET)
        return &bracket->losers.reset;
    return NULL;
}

/* Numbers are small (an outcome, a flag): one digit, 0 as the empty text,
 * so a value never set takes no room in a step. */
static const WCHAR *const NUMBER_TEXT[] = {L"", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"};

static const WCHAR *readValue(Bracket *bracket, UINT id)
{
    WCHAR *value = valueOf(bracket, id);
    if (value)
        return value;
    int number = *numberOf(bracket, id);
    return number >= 0 && number <= 9 ? NUMBER_TEXT[number] : L"";
}

static int kindCapacity(int slotValue)
{
    switch (slotValue) {
    case SLOT_NAME: return NAME_CAPACITY;
    case SLOT_RESULT: return RESULT_CAPACITY;
    case SLOT_COURT: return COURT_CAPACITY;
    case SLOT_TIME: return MATCH_TIME_CAPACITY;
    }
    return 2;
}

static int capacityOf(Bracket *bracket, UINT id)
{
    ValueRef ref = valueRef(bracket, id);
    if (ref.title)
        return TITLE_CAPACITY;
    if (ref.formatValue >= 0)
        return 2;
    return kindCapacity(ref.slotValue >= 0 ? ref.slotValue : ref.thirdValue - 1);
}

static void writeValue(Bracket *bracket, UINT id, const WCHAR *text, int length)
{
    int capacity = capacityOf(bracket, id);
    if (length >= capacity)
        length = capacity - 1;
    WCHAR *value = valueOf(bracket, id);
    if (!value) {
        *numberOf(bracket, id) = length > 0 ? text[0] - L'0' : 0;
        return;
    }
    for (int k = 0; k < length; k++)
        value[k] = text[k];
    value[length] = 0;
}

/* Units of the slot values of one slot, and of the third-place match. */
static SIZE_T slotUnits(void)
{
    return NAME_CAPACITY + RESULT_CAPACITY + 2 + COURT_CAPACITY + MATCH_TIME_CAPACITY;
}

static SIZE_T thirdUnits(void)
{
    return 2 + slotUnits();
}

/* Units the "before" buffer needs for the bracket as it is. */
static SIZE_T snapshotUnits(Bracket *bracket)
{
    return TITLE_CAPACITY + (SIZE_T)nodeCount(bracket) * slotUnits() + thirdUnits() + 2 * FORMAT_VALUE_COUNT +
           (SIZE_T)losersNodeCount(bracket) * slotUnits();
}

/* One slot value among count slots laid out kind after kind. */
static WCHAR *slotSnapshot(WCHAR *at, SIZE_T count, int slotValue, SIZE_T index)
{
    for (int k = 0; k < slotValue; k++)
        at += count * (SIZE_T)kindCapacity(k);
    return at + index * (SIZE_T)kindCapacity(slotValue);
}

/* Where a value stands in the "before" buffer: every value at its
 * capacity, in id order. */
static WCHAR *snapshotOf(Bracket *bracket, WCHAR *before, UINT id)
{
    if (id == 0)
        return before;
    SIZE_T nodes = (SIZE_T)nodeCount(bracket);
    ValueRef ref = valueRef(bracket, id);
    WCHAR *at = before + TITLE_CAPACITY;
    if (ref.slotValue >= 0 && !ref.losers)
        return slotSnapshot(at, nodes, ref.slotValue, (id - 1) % nodes);
    at += nodes * slotUnits();
    if (ref.thirdValue >= 0) {
        UINT firstThird = 1 + SLOT_VALUE_COUNT * (UINT)nodes;
        for (UINT third = firstThird; third < id; third++)
            at += capacityOf(bracket, third);
        return at;
    }
    at += thirdUnits();
    if (ref.formatValue >= 0)
        return at + 2 * ref.formatValue;
    at += 2 * FORMAT_VALUE_COUNT;
    UINT losers = losersNodeCount(bracket);
    return slotSnapshot(at, losers, ref.slotValue, (id - fixedValueCount(bracket)) % losers);
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
    int values = (int)valueCount(bracket);
    if (history->before && history->beforeValues != values) {
        freeBlock(history->before);
        history->before = NULL;
    }
    if (!history->before) {
        SIZE_T units = snapshotUnits(bracket);
        history->before = (WCHAR *)allocBlock(units * sizeof(WCHAR));
        if (!history->before)
            return 0;
        history->beforeValues = values;
    }
    for (UINT id = 0; id < valueCount(bracket); id++)
        lstrcpynW(snapshotOf(bracket, history->before, id), readValue(bracket, id), capacityOf(bracket, id));
    return 1;
}

/* The difference between the "before" buffer and the bracket as a step.
 * Returns 1 with *step NULL when nothing changed, 0 when out of memory. */
static int diffStep(Bracket *bracket, UndoStep **step)
{
    WCHAR *before = bracket->history.before;
    UINT values = valueCount(bracket);
    SIZE_T bytes = sizeof(UndoStep);
    int entries = 0;
    for (UINT id = 0; id < values; id++) {
        const WCHAR *was = snapshotOf(bracket, before, id);
        const WCHAR *now = readValue(bracket, id);
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
        const WCHAR *was = snapshotOf(bracket, before, id);
        const WCHAR *now = readValue(bracket, id);
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
        ValueRef ref = valueRef(bracket, entry->id);
        if (ref.title) {
            told(bracket, NULL, context);
        } else if (ref.slot) {
            told(bracket, ref.slot, context);
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
    if (history->beforeMissing || !diffStep(bracket, &step)) {
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
        writeValue(bracket, entry->id, text, after ? entry->afterLength : entry->beforeLength);
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
    if (bracket->slotCount == 0 || history->openSteps || history->replaying || history->position == 0)
        return 0;
    history->position--;
    replayStep(bracket, history->steps[history->position], 0, shown, context);
    return 1;
}

int redoStep(Bracket *bracket, UndoSlotShown shown, void *context)
{
    UndoHistory *history = &bracket->history;
    if (bracket->slotCount == 0 || history->openSteps || history->replaying || history->position == history->count)
        return 0;
    history->position++;
    replayStep(bracket, history->steps[history->position - 1], 1, shown, context);
    return 1;
}

void discardUndoHistory(Bracket *bracket)
{
    UndoHistory *history = &bracket->history;
    if (history->steps)
        freeSteps(history, 0);
    freeBlock(history->steps);
    freeBlock(history->before);
    UndoHistory empty = {};
    *history = empty;
}
