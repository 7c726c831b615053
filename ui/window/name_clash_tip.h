/* The balloon under a base slot's edit that says at once when the name
 * typed into it is another entrant's already. Typing is never refused: the
 * user may be halfway through renaming one of the two. */
#ifndef DUELMARK_UI_WINDOW_NAME_CLASH_TIP_H
#define DUELMARK_UI_WINDOW_NAME_CLASH_TIP_H

#include "model/bracket.h"

/* After a base slot's edit gave its slot a name: shows the balloon under
 * edit when another base slot has that name (case and outer spaces aside),
 * else hides the balloon if edit carries it. */
void tellNameClash(HWND edit, Bracket *bracket);

/* Hides the balloon of mainWindow, wherever it stands. */
void hideNameClashTip(HWND mainWindow);

/* WM_PARENTNOTIFY of a control being destroyed: a balloon pointing at it
 * goes with it. */
void forgetNameClashTip(HWND mainWindow, HWND control);

#endif
