/* The hall display's parts: a picture too large to show whole with its
 * names readable from the back of the hall is shown a part at a time.
 * Parts follow the draw (the halves, then quarters and so on, the final,
 * the losers' bracket), found in the picture's own description: a part's
 * edge never cuts a match (two feeders and the line that joins them) or
 * any box or name, and rows holding nothing but the lines that join
 * far-apart feeders are folded shut, so a late round's matches come close
 * enough to show at the same size as the first round's. Pure: the
 * description and a size in, the parts out. */
#ifndef DUELMARK_UI_PICTURE_HALL_PARTS_H
#define DUELMARK_UI_PICTURE_HALL_PARTS_H

#include "file/picture_description.h"

/* The height to which a fold closes, in picture units. */
enum { HALL_FOLD_KEPT = 12 };

/* Rows from..to of the picture shown as HALL_FOLD_KEPT units. */
struct HallFold {
    int from, to;
};

struct HallPart {
    RECT area;        /* the picture's rectangle the part shows */
    SIZE size;        /* its size once folded, in picture units */
    int firstFold;    /* its folds in HallParts.folds, top to bottom */
    int foldCount;
    int live;         /* holds a match whose two entrants are known and whose winner is not */
};

struct HallParts {
    int count;
    HallPart *parts;  /* in the draw's order: left before right, top before bottom */
    HallFold *folds;
    int foldCount;
    int foldCapacity;
};

/* Cuts picture into parts that each fit room (pixels) with every name at
 * least nameHeight pixels tall; one part, the whole picture unfolded, when
 * it fits as it is. A part no cut can make smaller is kept whole however
 * large. Returns 1, or 0 when memory ran out (parts is then empty). */
int cutHallParts(const PictureDescription *picture, SIZE room, int nameHeight, HallParts *parts);

/* What part index shows, as a description of its own (folded, from its
 * area's corner), for drawing like any picture. The caller frees it with
 * freePictureDescription whatever the result. Returns 1, or 0 when memory
 * ran out. */
int describeHallPart(const PictureDescription *picture, const HallParts *parts, int index, PictureDescription *part);

/* Whether parts cut from a are the parts of b: the same size and faces,
 * every box, line and mark in the same place, texts inside boxes aside. A
 * pick changes only those, a score changed where one stood only a text in
 * place, and the cut, the slowest step of following the editor, need not
 * be made again. */
int sameHallGeometry(const PictureDescription *a, const PictureDescription *b);

/* Marks again which parts hold a match ready to be played, for a picture
 * of the same geometry as the one they were cut from. Returns 1, or 0 when
 * memory ran out (the marks are then as they were). */
int markLiveHallParts(const PictureDescription *picture, HallParts *parts);

void releaseHallParts(HallParts *parts);

#endif
