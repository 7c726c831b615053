/* The File menu's commands that replace, empty or store the open bracket,
 * Exit, and the other ways a file arrives: a drop, a recent file, the end
 * of the session. Each that drops the open bracket has been allowed to by
 * the save-changes question before it runs. */
#ifndef DUELMARK_UI_DOCUMENT_FILE_COMMANDS_H
#define DUELMARK_UI_DOCUMENT_FILE_COMMANDS_H

#include "ui/common/document_state.h"

#include <shellapi.h>

void newBracket(HWND window, DocumentState *state);
void openBracket(HWND window, DocumentState *state);
void closeBracket(HWND window, DocumentState *state);
void saveBracket(HWND window, DocumentState *state);
void saveBracketAs(HWND window, DocumentState *state);
void exitEditor(HWND window, DocumentState *state);

/* The File menu's recent file at index (0 the newest). */
void openRecentFile(HWND window, DocumentState *state, int index);

/* WM_DROPFILES: the first file dropped opens as Open would open it. */
void openDroppedFile(HWND window, DocumentState *state, HDROP drop);

/* WM_QUERYENDSESSION and WM_ENDSESSION: log-off and shutdown ask what Exit
 * asks, and a session that really ends ends the window. */
INT_PTR answerEndSessionQuery(HWND window, DocumentState *state);
void endSession(HWND window, BOOL ending);

#endif
