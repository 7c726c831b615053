/* The losers' bracket of a double-elimination picture, laid out below the
 * winners' bracket and read left to right: under its heading one column
 * per losers' round holding its matches' entrants, as the winners'
 * columns do, with connectors to the next column, where each winner stands
 * with the match's marks; every entrant who drops in from the winners'
 * bracket carries a line saying which match it lost. Then the grand final
 * between the two brackets' champions, its reset while that is on, and the
 * tournament's champion with the first three places under it. */
#ifndef DUELMARK_UI_PICTURE_LOSERS_PICTURE_H
#define DUELMARK_UI_PICTURE_LOSERS_PICTURE_H

#include "ui/picture/picture_pieces.h"

/* Whether the picture has a losers' bracket: double elimination is on. */
int losersPictureShown(Bracket *bracket);

/* Where the losers' part laid out from top reaches: its right edge (cx)
 * and its bottom (cy), margins left out. */
SIZE losersPictureExtent(Bracket *bracket, int top);

/* Lays the losers' part out from top down, across the picture's width. */
void layoutLosersPicture(PictureLayout *layout, int top);

#endif
