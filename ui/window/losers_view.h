/* The losers' bracket in the window: a drop-down per losers' match, the
 * grand final and its reset, under the winners' bracket and there only in
 * double elimination. */
#ifndef DUELMARK_UI_WINDOW_LOSERS_VIEW_H
#define DUELMARK_UI_WINDOW_LOSERS_VIEW_H

#include "ui/window/slot_geometry.h"

/* Creates the drop-downs that are missing (the reset's only while it is
 * on; with withTips each with its tooltip, which a layout gives them all at
 * once instead), destroys those no longer wanted, places them all for the
 * geometry and shows each pick. Returns 1 when controls came or went. */
int placeLosersControls(HWND mainWindow, Bracket *bracket, const SlotGeometry *geometry, int withTips);

/* The format or the reset was turned on or off, or a step put it back:
 * the controls follow and the window is fitted to the bracket again. */
void showLosersBracket(HWND mainWindow, Bracket *bracket);

/* Shows a losers' match's pick in its drop-down. */
void showLosersPick(BracketNode *match);

/* CBN_DROPDOWN: the match's entrants known so far. */
void fillLosersChoices(Bracket *bracket, HWND control);

#endif
