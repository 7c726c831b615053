/* Sizes and places the main window for a bracket of a given size: centred
 * in the work area, or spanning it in a direction where the bracket does
 * not fit, so the caption and menu stay on the screen. What does not fit is
 * then scrolled by scroll_view. */
#ifndef DUELMARK_UI_WINDOW_WINDOW_PLACEMENT_H
#define DUELMARK_UI_WINDOW_WINDOW_PLACEMENT_H

#include <windows.h>

/* Sizes the window so its client area shows contentWidth x contentHeight
 * pixels where the work area allows; says which directions do not fit
 * (and take a scroll bar). moved, when not NULL, is where the system moved
 * the window: the work area is that of its monitor and its corner stays. */
void placeMainWindow(HWND window, int contentWidth, int contentHeight, const RECT *moved, int *scrollsAcross,
                     int *scrollsDown);

#endif
