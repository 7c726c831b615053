/* Holds back the drawing of a shown window while many of its child
 * controls come or go, so that each one does not repaint on its own and the
 * window is drawn once, whole, afterwards. */
#ifndef DUELMARK_UI_WINDOW_DRAWING_PAUSE_H
#define DUELMARK_UI_WINDOW_DRAWING_PAUSE_H

#include <windows.h>

/* Suspends drawing of window when it is shown. Returns 1 when it did; a
 * hidden window is left alone (turning drawing back on marks a window
 * visible, and one still being set up must be shown by its dialog), and so
 * is a window whose drawing is suspended already. */
int pauseDrawing(HWND window);

/* After a pauseDrawing that returned 1: turns drawing back on and has the
 * whole window, frame and controls, repainted once. */
void resumeDrawing(HWND window, int paused);

#endif
