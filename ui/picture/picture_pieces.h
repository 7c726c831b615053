/* What pagination needs to know of the bracket picture, read from the
 * picture itself: where each box and text stands, so a page edge can pass
 * between them, and how small its smallest text is, so a page can keep it
 * legible. No size of the picture is written a second time. */
#ifndef DUELMARK_UI_PICTURE_PICTURE_PIECES_H
#define DUELMARK_UI_PICTURE_PICTURE_PIECES_H

#include <windows.h>

#include "model/bracket.h"

struct PicturePieces {
    SIZE size;            /* the picture's natural size, in picture units */
    RECT *pieces;         /* boxes and texts a cut should not pass through */
    int count;
    int smallestText;     /* height of the smallest text drawn, in picture units; 0: none */
    int piecesTop;        /* the top of the highest piece: what is above is title and margin */
};

/* Reads the pieces of the open bracket's picture. Returns 1 with pieces
 * filled in (free them with releasePicturePieces), or 0 with nothing to
 * free when no bracket is open or memory ran out. */
int readPicturePieces(Bracket *bracket, PicturePieces *pieces);

void releasePicturePieces(PicturePieces *pieces);

#endif
