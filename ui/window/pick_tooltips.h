/* A match's result shown as its pick's tooltip. One tooltip control per
 * laid-out bracket, one tool per pick; the text is asked for each time the
 * tip shows, so it always tells the result as it stands. */
#ifndef DUELMARK_UI_WINDOW_PICK_TOOLTIPS_H
#define DUELMARK_UI_WINDOW_PICK_TOOLTIPS_H

#include "model/bracket.h"

/* Gives the window's tooltip control (made on first use) one tool for every
 * slot control of the bracket, the third-place one included, in place of
 * the previous bracket's; a first-round box's relay waits for the pointer
 * (relayTipOnHover). */
void attachPickTooltips(HWND mainWindow, Bracket *bracket);

/* Adds one pick control to the window's tooltip control. */
void addPickTooltip(HWND mainWindow, HWND control);

/* WM_SETCURSOR naming the child under the pointer: a control whose tool
 * waits for the pointer gets its relay, so the mouse message that follows
 * already reaches the tooltip. */
void relayTipOnHover(HWND mainWindow, HWND control);

/* WM_PARENTNOTIFY of a control being destroyed: its tool goes while the
 * control still exists, so the tooltip can undo its subclassing (a tool
 * left to a destroyed control keeps that memory for good). */
void removePickTooltip(HWND mainWindow, HWND control);

/* A pick's list dropped (quiet 1) or closed up again (0): no tip shows
 * over the open list, and one showing goes at once. */
void quietPickTooltips(HWND mainWindow, int quiet);

/* WM_NOTIFY from the tooltip control: answers TTN_GETDISPINFOW with the
 * score and outcome of the match under the mouse once it is decided, else
 * with when and where it is played. Returns 1 when it answered. */
int answerPickTooltip(HWND mainWindow, Bracket *bracket, NMHDR *header);

#endif
