/* Putting another bracket in the window: the empty state's parked button,
 * clearing the open bracket, and a fresh bracket in its place. */
#ifndef DUELMARK_UI_BRACKET_SWAP_H
#define DUELMARK_UI_BRACKET_SWAP_H

#include "ui/document_state.h"

/* The parked button is enabled exactly while no bracket is open. */
void setParkedButtonEnabled(HWND window, BOOL enabled);

/* resetBracket with the window drawn once afterwards rather than after
 * each of the hundreds of controls it destroys. */
void resetBracketQuietly(HWND window, Bracket *bracket);

/* Makes the slots of a fresh bracket; 1 on success, 0 when it could not. */
typedef int (*FreshBracketBuilder)(Bracket *bracket, void *context);

/* Replaces the open bracket with the one build makes, titled title,
 * laid out editable, unsaved and without a file. When build fails the old
 * bracket is gone already, so the window falls back to the empty state
 * rather than show a bracket with no slots. Returns what build returned. */
int showFreshBracket(HWND window, DocumentState *state, const WCHAR *title, FreshBracketBuilder build,
                     void *context);

#endif
