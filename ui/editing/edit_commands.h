/* The Edit menu's commands on the bracket as a whole: locking the
 * first-round slots, clearing and validating picks, and the title. */
#ifndef DUELMARK_UI_EDITING_EDIT_COMMANDS_H
#define DUELMARK_UI_EDITING_EDIT_COMMANDS_H

#include "ui/common/document_state.h"

void lockBaseSlots(HWND window, DocumentState *state);
void unlockBaseSlots(HWND window, DocumentState *state);
void clearPicks(HWND window, DocumentState *state);
void validateAllPicks(HWND window, DocumentState *state);
void editTitle(HWND window, DocumentState *state);

#endif
