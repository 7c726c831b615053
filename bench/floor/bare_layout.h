/* The floor of a bracket layout: exactly the platform calls the layout must
 * make, in the same order, with nothing of the editor's own around them. */
#ifndef DUELMARK_BENCH_FLOOR_BARE_LAYOUT_H
#define DUELMARK_BENCH_FLOOR_BARE_LAYOUT_H

#include <windows.h>

/* Creates the 2N-1 slot controls of the benchmark bracket (bench_bracket.h)
 * on window and fits, centres and captions it; controls receives the
 * handles in creation order. editable selects editable base slots. */
void bareLayout(HWND window, int teams, int editable, HWND *controls);
/* Destroys the 2N-1 controls bareLayout made. */
void bareTeardown(HWND *controls, int teams);

/* Creates N more pick controls, the losers' bracket of a double-elimination
 * bracket, below the 2N-1 of bareLayout, and grows the window by as much. */
void bareLosersLayout(HWND window, int teams, HWND *controls);
/* Destroys the N controls bareLosersLayout made. */
void bareLosersTeardown(HWND *controls, int teams);

#endif
