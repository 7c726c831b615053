/* The third-place match in the window: a heading and a drop-down in the
 * middle column under the final's two slots, there only while the match is
 * on. The window grows only by what they need; no other control moves. */
#ifndef DUELMARK_UI_WINDOW_THIRD_PLACE_VIEW_H
#define DUELMARK_UI_WINDOW_THIRD_PLACE_VIEW_H

#include "ui/window/slot_geometry.h"

/* Creates the heading and drop-down when the match is on and they are
 * missing, destroys them when it is off, places them for the slots'
 * geometry (scale and font), and shows the pick. Returns 1 when controls
 * came or went (the window must then be fitted again). */
int placeThirdPlaceControls(HWND mainWindow, Bracket *bracket, const SlotGeometry *geometry);

/* The match was turned on or off, or a step put its state back: the
 * controls follow and the window is fitted to the bracket again. */
void showThirdPlaceMatch(HWND mainWindow, Bracket *bracket);

/* The bracket was emptied: its drop-down went with it, and the heading
 * over it goes too. */
void removeThirdPlaceHeading(HWND mainWindow);

/* CBN_DROPDOWN: the two semi-final losers known so far. */
void fillThirdPlaceChoices(HWND control, Bracket *bracket);

#endif
