/* The guard before every command that replaces or drops the open bracket,
 * and the Save / Save As routine. */
#ifndef DUELMARK_UI_DOCUMENT_SAVE_PROMPT_H
#define DUELMARK_UI_DOCUMENT_SAVE_PROMPT_H

#include <windows.h>

#include "ui/common/document_state.h"

/* querySaveChanges' saveNow: ask first (and only when dirty), or save
 * without asking. */
enum { ASK_BEFORE_SAVING = 0, SAVE_WITHOUT_ASKING = 1 };
/* querySaveChanges' askName: ask for a name only when the bracket has no
 * file yet, or always. */
enum { NAME_WHEN_NEEDED = 0, ALWAYS_ASK_NAME = 1 };

/* Returns 1 when the caller may go on, 0 when it must stop. */
int querySaveChanges(HWND window, DocumentState *state, int saveNow, int askName);

/* The guard before replacing or dropping the open bracket: asks, and saves
 * on Yes, only when there are unsaved changes. */
int allowDiscardingChanges(HWND window, DocumentState *state);

#endif
