/* The third-place match in the window: a heading and a drop-down in the
 * middle column under the final's two slots, there only while the match is
 * on. The window grows only by what they need; no other control moves. */
#ifndef DUELMARK_UI_THIRD_PLACE_VIEW_H
#define DUELMARK_UI_THIRD_PLACE_VIEW_H

#include "model/bracket.h"
#include "ui/layout.h"

/* Client height the open bracket needs, the third-place controls included. */
int bracketClientHeight(Bracket *bracket);

/* Creates the heading and drop-down when the match is on and they are
 * missing, destroys them when it is off, places them for the slots'
 * geometry (scale and font), and shows the pick. Returns 1 when controls
 * came or went (the window must then be fitted again). */
int placeThirdPlaceControls(Bracket *bracket, HWND mainWindow, const SlotGeometry *geometry);

/* The match was turned on or off, or a step put its state back: the
 * controls follow and the window is fitted to the bracket again. */
void showThirdPlaceMatch(Bracket *bracket, HWND mainWindow);

/* CBN_DROPDOWN: the two semi-final losers known so far. */
void fillThirdPlaceChoices(Bracket *bracket, HWND control);

/* CBN_SELCHANGE: the chosen loser becomes the pick, as one undo step. */
void recordThirdPlaceChange(Bracket *bracket, HWND control);

/* The Third-place match command: turns the match on or off as one step. */
void toggleThirdPlaceMatch(HWND mainWindow, Bracket *bracket);

#endif
