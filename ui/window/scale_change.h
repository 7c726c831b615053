/* A window moved to a monitor of another display scale lays its bracket out
 * again for that scale; one switched to or from Wide layout, for that. */
#ifndef DUELMARK_UI_WINDOW_SCALE_CHANGE_H
#define DUELMARK_UI_WINDOW_SCALE_CHANGE_H

#include "model/bracket.h"

/* WM_DPICHANGED: dpi is the new scale (the low word of wParam), suggested
 * the rectangle the system proposes (lParam). Every slot keeps its text,
 * the focus stays where it is and the view keeps its place in the bracket. */
void followDisplayScale(HWND window, Bracket *bracket, int dpi, const RECT *suggested);

/* Places the bracket's controls again for the window's scale and layout as
 * they are now, sizes and centres the window for them; every slot keeps its
 * text and the focus stays where it is, scrolled into view. */
void layOutAgain(HWND window, Bracket *bracket);

#endif
