/* The bracket picture laid out from the model (never captured from the
 * slot controls): the title on top, one column of boxes per round with its
 * heading, mirrored like the window around the champion, with connector
 * lines from each pair of feeders to the match they feed, each result and
 * outcome mark under its winner, each open match's time and court above
 * it, and the places and the third-place match under the champion. In
 * double elimination the losers' bracket, the grand final and the places
 * stand below (ui/picture/losers_picture.h). An event played in groups
 * first shows its groups' blocks above the knockout
 * (ui/picture/group_picture.h). */
#ifndef DUELMARK_UI_PICTURE_PICTURE_LAYOUT_H
#define DUELMARK_UI_PICTURE_PICTURE_LAYOUT_H

#include "file/picture_description.h"
#include "model/bracket.h"
#include "ui/picture/layout_memory.h"
#include "ui/picture/picture_pieces.h"

/* The picture's natural size; grows with the bracket. An empty record
 * (N = 0) gives 0 x 0. */
SIZE bracketPictureSize(Bracket *bracket);

/* Lays the open bracket's picture out into picture (freed by the caller
 * with freePictureDescription, whatever the result). Returns 1, or 0 when
 * no bracket is open or memory ran out. */
int describeBracketPicture(Bracket *bracket, PictureDescription *picture);

/* The same into a description that holds an earlier picture (or none,
 * from initPictureDescription), reusing its memory. */
int describeBracketPictureAgain(Bracket *bracket, PictureDescription *picture);

/* The same, copying from the picture last laid out with memory whatever
 * no change since touched (ui/picture/layout_memory.h); that picture must
 * be another description than picture, left as it was. */
int describeBracketPictureFollowing(Bracket *bracket, PictureDescription *picture, LayoutMemory *memory);

#endif
