#include "ui/picture/layout_memory.h"

#include "model/heap.h"
#include "model/losers_rounds.h"
#include "model/undo_history.h"

/* The tree's slots 1 .. 2N-1, then the losers' matches and the grand
 * final's reset, 2N .. 3N-1. */
/* A slot's mark in touched: told of itself, read by the match above, or
 * (a losers' match) fed by a touched slot. */
enum { TOLD = 1, READ_ABOVE = 2, FED = 4 };

static int slotsOf(const Bracket *bracket)
{
    return 3 * bracket->slotCount;
}

/* Told of every value a step changed, often hundreds for one step: it only
 * marks the slot. The title, the places and the third-place match are laid
 * out every time, so neither needs a mark. */
static void noteTouchedSlot(Bracket *bracket, BracketNode *node, void *context)
{
    LayoutMemory *memory = (LayoutMemory *)context;
    if (bracket != memory->watched || !node || node == &bracket->thirdPlace)
        return;
    if (node == UNDO_ALL_SHOWN || node == UNDO_FORMAT_SHOWN || node == UNDO_THIRD_PLACE_SHOWN) {
        memory->everything = 1;
        return;
    }
    if (node->id >= 1 && (int)node->id <= memory->slots && memory->touched)
        memory->touched[node->id - 1] |= TOLD;
    else
        memory->everything = 1;
}

static int sameShape(const LayoutShape *a, const LayoutShape *b)
{
    return a->slotCount == b->slotCount && a->depth == b->depth && a->losersShown == b->losersShown &&
           a->reset == b->reset && a->thirdPlaceShown == b->thirdPlaceShown && a->withDate == b->withDate &&
           a->language == b->language && a->size.cx == b->size.cx && a->size.cy == b->size.cy;
}

static void clearTouched(LayoutMemory *memory)
{
    for (int i = 0; i < memory->slots; i++)
        memory->touched[i] = 0;
    memory->everything = 0;
}

static void freeRoom(LayoutMemory *memory)
{
    freeBlock(memory->spans);
    freeBlock(memory->touched);
    freeBlock(memory->feeders);
    memory->spans = NULL;
    memory->touched = NULL;
    memory->feeders = NULL;
    memory->slots = 0;
}

/* Room for the bracket's slots; what the last picture kept is gone. */
static int makeRoom(LayoutMemory *memory, Bracket *bracket)
{
    freeRoom(memory);
    int slots = slotsOf(bracket);
    memory->spans = (PieceSpan *)allocBlock((SIZE_T)slots * sizeof(PieceSpan));
    memory->touched = (BYTE *)allocBlock((SIZE_T)slots);
    memory->feeders = (UINT *)allocBlock((SIZE_T)bracket->slotCount * 2 * sizeof(UINT));
    if (!memory->spans || !memory->touched || !memory->feeders) {
        freeRoom(memory);
        return 0;
    }
    memory->slots = slots;
    clearTouched(memory);
    return 1;
}

void beginFollowing(LayoutMemory *memory, Bracket *bracket, const PictureDescription *picture,
                    const LayoutShape *shape)
{
    memory->following = 0;
    memory->runCount = 0;
    memory->failed = 0;
    if (memory->watched != bracket || !isWatchingUndoSteps(bracket, noteTouchedSlot, memory)) {
        /* Whatever changed before now went unheard. */
        memory->laidOut = NULL;
        memory->watched = isWatchingUndoSteps(bracket, noteTouchedSlot, memory) ||
                                  watchUndoSteps(bracket, noteTouchedSlot, memory)
                              ? bracket
                              : NULL;
    }
    if (!memory->watched || (memory->slots != slotsOf(bracket) && !makeRoom(memory, bracket))) {
        memory->laidOut = NULL;
        return;
    }
    memory->following = memory->laidOut && memory->laidOut != picture && !memory->everything &&
                        sameShape(&memory->shape, shape);
    memory->shape = *shape;
    /* The losers' match a tree match's loser drops into reads that match's
     * two entrants as well (who lost, whether one was a bye): the match
     * above a told slot counts as touched, and no further up. */
    int treeSlots = 2 * bracket->slotCount - 1;
    for (int id = 1; memory->following && id <= treeSlots; id++) {
        BracketNode *parent = memory->touched[id - 1] & TOLD ? bracket->nodeTable[id - 1]->parent : NULL;
        if (parent)
            memory->touched[parent->id - 1] |= READ_ABOVE;
    }
}

/* A losers' match reads its feeders, which come before it: they are
 * settled by the time it is asked about. Of a match of the tree it shows
 * the loser (or the winner of the final): that match's slots, marked above.
 * Of a losers' match it shows the winner and the marks, that match's own
 * fields: a piece fed by one that was merely laid out again is not
 * touched. */
static int pieceTouched(LayoutMemory *memory, UINT id)
{
    UINT treeSlots = 2 * (UINT)memory->shape.slotCount - 1;
    if (id > treeSlots && !memory->touched[id - 1]) {
        const UINT *from = &memory->feeders[2 * (id - treeSlots - 1)];
        for (int side = 0; side < 2; side++) {
            UINT feeder = from[side];
            if (feeder > (UINT)memory->slots ||
                (feeder && (memory->touched[feeder - 1] & (feeder <= treeSlots ? TOLD | READ_ABOVE : TOLD))))
                memory->touched[id - 1] |= FED;
        }
    }
    return memory->touched[id - 1];
}

int flushUntouchedPieces(LayoutMemory *memory, PictureDescription *picture)
{
    if (!memory || !memory->runCount)
        return 1;
    int copied = addPictureItemsFrom(picture, memory->laidOut, memory->runFirst, memory->runCount);
    memory->runCount = 0;
    if (!copied) {
        memory->following = 0;
        memory->failed = 1;
    }
    return copied;
}

int copyUntouchedPiece(LayoutMemory *memory, PictureDescription *picture, UINT id)
{
    if (!memory || !memory->following)
        return 0;
    if (id < 1 || (int)id > memory->slots || pieceTouched(memory, id)) {
        flushUntouchedPieces(memory, picture);
        return 0;
    }
    PieceSpan *span = &memory->spans[id - 1];
    int joins = memory->runFirst + memory->runCount == span->first;
    if (memory->runCount && !joins && !flushUntouchedPieces(memory, picture))
        return 0;
    if (!memory->runCount)
        memory->runFirst = span->first;
    /* Where it will stand once the run is copied. */
    span->first = picture->count + memory->runCount;
    memory->runCount += span->count;
    return 1;
}

void notePiece(LayoutMemory *memory, Bracket *bracket, const BracketNode *node, const PictureDescription *picture,
               int first)
{
    if (!memory || !memory->spans || node->id < 1 || (int)node->id > memory->slots)
        return;
    memory->spans[node->id - 1].first = first;
    memory->spans[node->id - 1].count = picture->count - first;
    int k = (int)node->id - (2 * bracket->slotCount - 1);
    if (k >= 1 && k <= bracket->slotCount) {
        LosersFeeder feeders[2];
        losersFeeders(bracket, k, feeders);
        for (int side = 0; side < 2; side++)
            memory->feeders[2 * k - 2 + side] = feeders[side].match ? feeders[side].match->id : 0;
    }
}

int endFollowing(LayoutMemory *memory, PictureDescription *picture, int complete)
{
    flushUntouchedPieces(memory, picture);
    /* A copy that failed for want of memory left the picture short. */
    complete = complete && !memory->failed;
    memory->failed = 0;
    memory->laidOut = complete && memory->watched && memory->spans ? picture : NULL;
    memory->following = 0;
    memory->runCount = 0;
    if (memory->touched)
        clearTouched(memory);
    return complete;
}

void forgetLayoutMemory(LayoutMemory *memory)
{
    freeRoom(memory);
    *memory = {};
}
