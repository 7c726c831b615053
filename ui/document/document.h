/* The open bracket and its file: the one place that puts another bracket
 * in the window (New, New from list, Open, a drop, a recent file, the
 * start-up file, a restored recovery copy) or empties it (Close). */
#ifndef DUELMARK_UI_DOCUMENT_DOCUMENT_H
#define DUELMARK_UI_DOCUMENT_DOCUMENT_H

#include "ui/common/document_state.h"

/* Makes the slots of a fresh bracket; 1 on success, 0 when it could not. */
typedef int (*FreshBracketBuilder)(Bracket *bracket, void *context);

/* Replaces the open bracket with the one build makes, titled title,
 * laid out editable, unsaved and without a file. When build fails the old
 * bracket is gone already, so the window falls back to the empty state
 * rather than show a bracket with no slots. Returns what build returned. */
int showFreshBracket(HWND window, DocumentState *state, const WCHAR *title, FreshBracketBuilder build,
                     void *context);

/* Replaces the open bracket with the file name (made full first), which
 * becomes the bracket's file and the newest recent file. Returns 1, or 0
 * after telling the user why, with everything as it was. */
int openDocument(HWND window, DocumentState *state, const WCHAR *name);

/* As openDocument, but the file stays out of the recent files: a restored
 * recovery copy is no file of the user's. */
int readDocument(HWND window, DocumentState *state, const WCHAR *name);

/* Empties the window: no bracket and no file. The caption, size and
 * position stay. */
void closeDocument(HWND window, DocumentState *state);

#endif
