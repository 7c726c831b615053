/* What laying the knockout's picture out again keeps from the last time,
 * so that after a change only what the change touched is laid out afresh:
 * where each match's piece stands in the last picture, and which slots the
 * undo history told of since. A piece is one slot of the tree (its box,
 * name and marks, and the lines to it) or one losers' match (its two
 * entrants with their labels and marks, and the line to where its winner
 * goes). A piece shows its own slot and what it is fed from, nothing
 * downstream, so one whose slots no change reached is copied from the
 * last picture as it stands, without reading the bracket. The title, the
 * headings, the places and what stands around the champion are laid out
 * every time: a few dozen items. The result is item for item the picture
 * laid out afresh. */
#ifndef DUELMARK_UI_PICTURE_LAYOUT_MEMORY_H
#define DUELMARK_UI_PICTURE_LAYOUT_MEMORY_H

#include "file/picture_description.h"
#include "model/bracket.h"

/* What every piece depends on besides its own slots: when any of it
 * differs from the last layout's, nothing is copied. */
struct LayoutShape {
    int slotCount;
    int depth;
    int losersShown;
    int reset;
    int thirdPlaceShown;
    int withDate;
    HMODULE language;
    SIZE size;
};

/* Where a piece stands in the picture last laid out. */
struct PieceSpan {
    int first;
    int count;
};

/* Starts as {} (all zero). */
struct LayoutMemory {
    Bracket *watched;                   /* the record whose changes it hears, or NULL */
    const PictureDescription *laidOut;  /* the picture last laid out with it, or NULL */
    LayoutShape shape;                  /* ... what that picture was laid out for */
    PieceSpan *spans;                   /* by slot id - 1, where each piece is in laidOut */
    BYTE *touched;                      /* by slot id - 1: told of since, or fed by a slot that was */
    UINT *feeders;                      /* the slot ids feeding losers' match k at 2k - 2 and 2k - 1; 0: none */
    int slots;                          /* entries of spans and touched */
    int everything;                     /* told of a change that may reach any piece */
    int following;                      /* this layout copies from laidOut */
    int runFirst, runCount;             /* the items of laidOut still to be copied */
    int failed;                         /* a copy found no memory: the picture is short */
};

/* Before laying bracket out into picture (already reset to shape's size):
 * from now on memory hears of the record's changes, and this layout
 * copies what it can when the last one was laid out with memory into
 * another description, for the same shape, and the record was heard all
 * the while. */
void beginFollowing(LayoutMemory *memory, Bracket *bracket, const PictureDescription *picture,
                    const LayoutShape *shape);

/* 1 when the piece of slot id goes into picture from the last picture:
 * nothing to lay out. Copies wait to be made in one go, until the next
 * piece that is laid out or flushUntouchedPieces. 0 when the piece must be
 * laid out, followed by notePiece. memory may be NULL: nothing is kept. */
int copyUntouchedPiece(LayoutMemory *memory, PictureDescription *picture, UINT id);

/* Makes the copies still waiting: before anything but a piece is laid out
 * after pieces. 0 when memory ran out. */
int flushUntouchedPieces(LayoutMemory *memory, PictureDescription *picture);

/* node's piece was laid out into picture from item first on. */
void notePiece(LayoutMemory *memory, Bracket *bracket, const BracketNode *node, const PictureDescription *picture,
               int first);

/* After the layout, which was complete or not: a complete picture is what
 * the next one copies from, and must stay as it is until then. Returns
 * whether the picture is complete, copies included. */
int endFollowing(LayoutMemory *memory, PictureDescription *picture, int complete);

/* Frees what memory holds; the next layout with it is made afresh. The
 * record it heard keeps it among its watchers and tells it of changes it
 * no longer takes, so a memory lives as long as the records it lays out
 * (the live page's is static): forgetting never reaches back into a
 * record that may be gone by then. */
void forgetLayoutMemory(LayoutMemory *memory);

#endif
