/* The bracket picture laid out from the model (never captured from the
 * slot controls): the title on top, one column of boxes per round with its
 * heading, mirrored like the window around the champion, with connector
 * lines from each pair of feeders to the match they feed, results under
 * the winners, and the places and the third-place match under the
 * champion. */
#ifndef DUELMARK_UI_PICTURE_PICTURE_LAYOUT_H
#define DUELMARK_UI_PICTURE_PICTURE_LAYOUT_H

#include "file/picture_description.h"
#include "model/bracket.h"

/* Geometry in the picture's units (pixels at natural size). */
enum {
    PICTURE_MARGIN = 24,
    PICTURE_TITLE_BAND = 56,     /* title text, below the top margin */
    PICTURE_HEADING_BAND = 30,   /* round headings, below the title band */
    PICTURE_BOX_WIDTH = 150,
    PICTURE_BOX_HEIGHT = 26,
    PICTURE_COLUMN_GAP = 36,     /* room for the connector lines */
    PICTURE_ROW_PITCH = 34,      /* between first-round boxes */
    PICTURE_LINE_WIDTH = 2,      /* box borders and connectors */
    PICTURE_CHAMPION_LINE_WIDTH = 4
};

/* A font of the picture's face, height units tall: it scales with the
 * mapping of the device context it is drawn in. The caller deletes it. */
HFONT createPictureFont(int height, int weight);

/* The picture's natural size; grows with the bracket. An empty record
 * (N = 0) gives 0 x 0. */
SIZE bracketPictureSize(Bracket *bracket);

/* Lays the open bracket's picture out into picture (freed by the caller
 * with freePictureDescription, whatever the result). Returns 1, or 0 when
 * no bracket is open or memory ran out. */
int describeBracketPicture(Bracket *bracket, PictureDescription *picture);

#endif
