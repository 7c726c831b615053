/* A window moved to a monitor of another display scale lays its bracket out
 * again for that scale. */
#ifndef DUELMARK_UI_WINDOW_SCALE_CHANGE_H
#define DUELMARK_UI_WINDOW_SCALE_CHANGE_H

#include "model/bracket.h"

/* WM_DPICHANGED: dpi is the new scale (the low word of wParam), suggested
 * the rectangle the system proposes (lParam). Every slot keeps its text,
 * the focus stays where it is and the view keeps its place in the bracket. */
void followDisplayScale(HWND window, Bracket *bracket, int dpi, const RECT *suggested);

#endif
