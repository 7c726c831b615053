#include "model/undo_history.h"
#include "model/bracket.h"
#include "model/heap.h"

/* A step is one heap block: this header, then one entry per value that
 * changed. Id 0 stands for the title, 1 .. 2N-1 for the slots. */
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

/* Value ids: 0 the title, 1 .. M the slots' names (M = 2N-1), then M+1 ..
 * 2M the slots' results, then the third-place match's state ("1" when on),
 * pick and result. */
enum ValueKind { VALUE_TITLE, VALUE_NAME, VALUE_RESULT, VALUE_THIRD_ON, VALUE_THIRD_NAME, VALUE_THIRD_RESULT };

static UINT valueCount(Bracket *bracket)
{
    return 2 * (UINT)nodeCount(bracket) + 4;
}

static int kindOf(Bracket *bracket, UINT id)
{
    UINT nodes = (UINT)nodeCount(bracket);
    if (id == 0)
        return VALUE_TITLE;
    if (id <= nodes)
        return VALUE_NAME;
    if (id <= 2 * nodes)
        return VALUE_RESULT;
    return VALUE_THIRD_ON + (int)(id - 2 * nodes - 1);
}

/* The slot a name or result id belongs to, or NULL for the other values. */
static BracketNode *slotOf(Bracket *bracket, UINT id)
{
    int kind = kindOf(bracket, id);
    if (kind == VALUE_NAME)
        return bracket->nodeTable[id - 1];
    if (kind == VALUE_RESULT)
        return bracket->nodeTable[id - 1 - nodeCount(bracket)];
    return NULL;
}

static const WCHAR ON_TEXT[] = L"1";

/* The live value a step entry stands for; NULL for the on flag, which is
 * a number (readValue and writeValue turn it into text and back). */
static WCHAR *valueOf(Bracket *bracket, UINT id)
{
    switch (kindOf(bracket, id)) {
    case VALUE_TITLE: return bracket->title;
    case VALUE_NAME: return slotOf(bracket, id)->name;
    case VALUE_RESULT: return slotOf(bracket, id)->result;
    case VALUE_THIRD_NAME: return bracket->thirdPlace.name;
    case VALUE_THIRD_RESULT: return bracket->thirdPlace.result;
    }
    return NULL;
}

static const WCHAR *readValue(Bracket *bracket, UINT id)
{
    WCHAR *value = valueOf(bracket, id);
    if (value)
        return value;
    return bracket->thirdPlace.on ? ON_TEXT : L"";
}

static int capacityOfKind(int kind)
{
    switch (kind) {
    case VALUE_TITLE: return TITLE_CAPACITY;
    case VALUE_NAME: case VALUE_THIRD_NAME: return NAME_CAPACITY;
    case VALUE_RESULT: case VALUE_THIRD_RESULT: return RESULT_CAPACITY;
    }
    return 2;
}

static int capacityOf(Bracket *bracket, UINT id)
{
    return capacityOfKind(kindOf(bracket, id));
}

static void writeValue(Bracket *bracket, UINT id, const WCHAR *text, int length)
{
    int capacity = capacityOf(bracket, id);
    if (length >= capacity)
        length = capacity - 1;
    WCHAR *value = valueOf(bracket, id);
    if (!value) {
        bracket->thirdPlace.on = length > 0;
        return;
    }
    for (int k = 0; k < length; k++)
        value[k] = text[k];
    value[length] = 0;
}

/* Units the "before" buffer needs for a tree of nodes slots. */
static SIZE_T snapshotUnits(int nodes)
{
    return TITLE_CAPACITY + (SIZE_T)nodes * (NAME_CAPACITY + RESULT_CAPACITY) + 2 + NAME_CAPACITY +
           RESULT_CAPACITY;
}

/* The value in the "before" buffer: every value at its capacity, in id
 * order. */
static WCHAR *snapshotOf(Bracket *bracket, WCHAR *before, UINT id)
{
    SIZE_T nodes = (SIZE_T)nodeCount(bracket);
    int kind = kindOf(bracket, id);
    if (kind == VALUE_TITLE)
        return before;
    if (kind == VALUE_NAME)
        return before + TITLE_CAPACITY + (SIZE_T)(id - 1) * NAME_CAPACITY;
    WCHAR *results = before + TITLE_CAPACITY + nodes * NAME_CAPACITY;
    if (kind == VALUE_RESULT)
        return results + (SIZE_T)(id - 1 - nodes) * RESULT_CAPACITY;
    WCHAR *third = results + nodes * RESULT_CAPACITY;
    if (kind == VALUE_THIRD_ON)
        return third;
    if (kind == VALUE_THIRD_NAME)
        return third + 2;
    return third + 2 + NAME_CAPACITY;
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
    int nodes = nodeCount(bracket);
    if (history->before && history->beforeNodes != nodes) {
        freeBlock(history->before);
        history->before = NULL;
    }
    if (!history->before) {
        SIZE_T units = snapshotUnits(nodes);
        history->before = (WCHAR *)allocBlock(units * sizeof(WCHAR));
        if (!history->before)
            return 0;
        history->beforeNodes = nodes;
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
        if (lstrcmpW(was, now) != 0) {
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
        if (lstrcmpW(was, now) == 0)
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
        return;
    }
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
    int thirdPlaceTold = 0;
    entry = firstEntry(step);
    for (int i = 0; shown && i < step->entryCount; i++, entry = nextEntry(entry)) {
        int kind = kindOf(bracket, entry->id);
        if (kind == VALUE_TITLE) {
            shown(bracket, NULL, context);
        } else if (kind == VALUE_NAME || kind == VALUE_RESULT) {
            shown(bracket, slotOf(bracket, entry->id), context);
        } else if (!thirdPlaceTold) {
            thirdPlaceTold = 1;
            shown(bracket, UNDO_THIRD_PLACE_SHOWN, context);
        }
    }
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
