/* The event drawn on the main window's background around the slot
 * controls, in the slots' font and placed from where the controls stand,
 * so it scales and scrolls with them: the round names over the columns,
 * each seed beside its first-round box, the score and outcome mark under
 * each decided pick, and when and where each undecided match is played
 * above it. No control is added for any of it. */
#ifndef DUELMARK_UI_WINDOW_WINDOW_MARKS_H
#define DUELMARK_UI_WINDOW_WINDOW_MARKS_H

#include "model/bracket.h"

/* WM_PAINT of the main window: paints the background and the marks.
 * Returns TRUE, the message's dialog result. */
INT_PTR paintWindowMarks(HWND window, Bracket *bracket);

/* From the window's creation to its end: every change to the bracket it
 * shows (undo and redo included, another bracket too) redraws the marks
 * it touched at once. */
void followWindowMarks(HWND window, Bracket *bracket);
void forgetWindowMarks(HWND window, Bracket *bracket);

/* The marks alone, drawn into dc (the window's client coordinates) where
 * they touch area; the background is the caller's. */
void drawWindowMarks(HWND window, Bracket *bracket, HDC dc, const RECT *area);

#endif
