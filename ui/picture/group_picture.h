/* The groups of an event played in groups first, laid out above its
 * knockout: one block a group, framed, holding its name, its cross table
 * (the entrants down and across, each played cell the score from its
 * row's side, the diagonal blank) and its standings under it. The blocks
 * stand in a grid of equal columns, an even number of them where there is
 * more than one, so that no block stands across the picture's middle. A
 * block's frame is a box holding the others: the hall display and print
 * read it as one piece never to be cut. */
#ifndef DUELMARK_UI_PICTURE_GROUP_PICTURE_H
#define DUELMARK_UI_PICTURE_GROUP_PICTURE_H

#include "ui/picture/picture_pieces.h"

/* Whether the picture shows groups: the event has a group stage. */
int groupPictureShown(Bracket *bracket);

/* The grid of blocks laid out in room units across: its width (which may
 * be more than room when not even one or two columns fit) and height. */
SIZE groupPictureExtent(Bracket *bracket, int room);

/* Lays the blocks out from top down, centred in the picture's width. */
void layoutGroupPicture(PictureLayout *layout, int top);

#endif
