/* Holds back the drawing of a shown window while many of its child
 * controls come or go, so that each one does not repaint on its own and the
 * window is drawn once, whole, afterwards. Such work can take seconds for
 * the largest brackets: while the hold lasts the wait cursor shows, and the
 * work lets the window be drawn as it stands every so often. */
#ifndef DUELMARK_UI_WINDOW_DRAWING_PAUSE_H
#define DUELMARK_UI_WINDOW_DRAWING_PAUSE_H

#include <windows.h>

/* Suspends drawing of window when it is shown, after drawing what it has
 * pending, and shows the wait cursor. Returns 1 when it did; a hidden
 * window is left alone (turning drawing back on marks a window visible, and
 * one still being set up must be shown by its dialog), and so is a window
 * whose drawing is suspended already. */
int pauseDrawing(HWND window);

/* Called from long work under a hold, as often as it likes, with the
 * control it just made or NULL: once the window has gone undrawn for longer
 * than a blink, draws it as it stands (the whole window the first time,
 * then the controls made since) and holds it again. Does nothing when no
 * hold is in force. */
void keepHeldWindowDrawn(HWND made);

/* After a pauseDrawing that returned 1: turns drawing back on, has the
 * whole window, frame and controls, repainted once, and puts back the
 * cursor the user had. */
void resumeDrawing(HWND window, int paused);

#endif
