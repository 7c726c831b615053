#include "ui/picture/layout_memory.h"

#include "model/heap.h"
#include "model/losers_rounds.h"
#include "model/undo_history.h"

/* The tree's slots 1 .. 2N-1, then the losers' matches and the grand
 * final's reset, 2N .. 3N-1. */
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
        memory->touched[node->id - 1] = 1;
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

/* Room for the bracket's slots; what the last picture kept is gone. */
static int makeRoom(LayoutMemory *memory, Bracket *bracket)
{
    freeBlock(memory->spans);
    freeBlock(memory->touched);
    memory->slots = slotsOf(bracket);
    memory->spans = (PieceSpan *)allocBlock((SIZE_T)memory->slots * sizeof(PieceSpan));
    memory->touched = (BYTE *)allocBlock((SIZE_T)memory->slots);
    if (!memory->spans || !memory->touched) {
        freeBlock(memory->spans);
        freeBlock(memory->touched);
        memory->spans = NULL;
        memory->touched = NULL;
        memory->slots = 0;
        return 0;
    }
    clearTouched(memory);
    return 1;
}

void beginFollowing(LayoutMemory *memory, Bracket *bracket, const PictureDescription *picture,
                    const LayoutShape *shape)
{
    memory->following = 0;
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
    /* A slot of the tree is read by its own piece only; marking the slots
     * above it too costs a few pieces and keeps the rule simple. Ids grow
     * from the first round to the final, so one pass carries each mark up. */
    int treeSlots = 2 * bracket->slotCount - 1;
    for (int id = 1; memory->following && id <= treeSlots; id++) {
        BracketNode *parent = memory->touched[id - 1] ? bracket->nodeTable[id - 1]->parent : NULL;
        if (parent)
            memory->touched[parent->id - 1] = 1;
    }
}

/* A losers' match reads its feeders, which come before it: they are
 * settled by the time it is asked about. */
static int pieceTouched(LayoutMemory *memory, Bracket *bracket, const BracketNode *node)
{
    int id = (int)node->id, treeSlots = 2 * bracket->slotCount - 1;
    if (id > treeSlots && !memory->touched[id - 1]) {
        LosersFeeder feeders[2];
        losersFeeders(bracket, id - treeSlots, feeders);
        for (int side = 0; side < 2; side++) {
            /* No feeder is read for nobody: the shape says where none is. */
            if (!feeders[side].match)
                continue;
            int from = (int)feeders[side].match->id;
            if (from < 1 || from > memory->slots || memory->touched[from - 1])
                memory->touched[id - 1] = 1;
        }
    }
    return memory->touched[id - 1];
}

int copyUntouchedPiece(LayoutMemory *memory, Bracket *bracket, PictureDescription *picture, const BracketNode *node)
{
    if (!memory || !memory->following || node->id < 1 || (int)node->id > memory->slots ||
        pieceTouched(memory, bracket, node))
        return 0;
    PieceSpan *span = &memory->spans[node->id - 1];
    int first = picture->count;
    if (!addPictureItemsFrom(picture, memory->laidOut, span->first, span->count))
        return 0;
    span->first = first;
    return 1;
}

void notePiece(LayoutMemory *memory, const BracketNode *node, const PictureDescription *picture, int first)
{
    if (!memory || !memory->spans || node->id < 1 || (int)node->id > memory->slots)
        return;
    memory->spans[node->id - 1].first = first;
    memory->spans[node->id - 1].count = picture->count - first;
}

void endFollowing(LayoutMemory *memory, const PictureDescription *picture, int complete)
{
    memory->laidOut = complete && memory->watched && memory->spans ? picture : NULL;
    memory->following = 0;
    if (memory->touched)
        clearTouched(memory);
}

void forgetLayoutMemory(LayoutMemory *memory)
{
    freeBlock(memory->spans);
    freeBlock(memory->touched);
    *memory = {};
}
