/* The hall display's Now and next page: each court with the match on it
 * now and the one after, from the order of play (the schedule and the
 * results), in lettering read from the back of the hall. */
#ifndef DUELMARK_UI_PICTURE_NOW_AND_NEXT_H
#define DUELMARK_UI_PICTURE_NOW_AND_NEXT_H

#include <windows.h>

#include "model/bracket.h"

/* 1 when a match to be played stands on a court: the page has something
 * to say. */
int nowAndNextShown(Bracket *bracket);

/* Draws the page in area of dc, white paper included; no letters are less
 * than a fortieth of screenHeight tall. */
void drawNowAndNext(Bracket *bracket, HDC dc, RECT area, int screenHeight);

#endif
