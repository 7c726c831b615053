/* A match's result shown as its pick's tooltip. One tooltip control per
 * laid-out bracket, one tool per pick; the text is asked for each time the
 * tip shows, so it always tells the result as it stands. */
#ifndef DUELMARK_UI_PICK_TOOLTIPS_H
#define DUELMARK_UI_PICK_TOOLTIPS_H

#include "model/bracket.h"

/* Replaces the window's tooltip control with a fresh one holding a tool for
 * every pick control of the bracket (the third-place one included). */
void attachPickTooltips(Bracket *bracket, HWND mainWindow);

/* Adds one pick control to the window's tooltip control. */
void addPickTooltip(HWND mainWindow, HWND control);

/* WM_NOTIFY from the tooltip control: answers TTN_GETDISPINFOW with the
 * result of the pick under the mouse. Returns 1 when it answered. */
int answerPickTooltip(Bracket *bracket, HWND mainWindow, NMHDR *header);

#endif
