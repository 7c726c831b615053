/* The commands that change the losers' bracket: the format, the grand
 * final's reset, and a pick made in a losers' drop-down. */
#ifndef DUELMARK_UI_EDITING_LOSERS_COMMAND_H
#define DUELMARK_UI_EDITING_LOSERS_COMMAND_H

#include "ui/common/document_state.h"

/* Edit > Double elimination: turns the losers' bracket on or off as one
 * undo step, the window following. */
void toggleDoubleElimination(HWND window, DocumentState *state);

/* Edit > Grand final reset: on or off, the reset's drop-down following. */
void toggleGrandFinalReset(HWND window, DocumentState *state);

#endif
