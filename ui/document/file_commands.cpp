#include "ui/document/file_commands.h"

#include "model/heap.h"
#include "ui/dialogs/common_dialogs.h"
#include "ui/document/document.h"
#include "ui/document/dropped_files.h"
#include "ui/document/recent_files.h"
#include "ui/document/save_prompt.h"
#include "ui/dialogs/setup_dialog.h"

static int buildFromSetup(Bracket *bracket, void *setup)
{
    return buildBracket(bracket, ((BracketSetup *)setup)->teamCount);
}

/* A new bracket from the setup dialog: editable, unsaved and without a file. */
void newBracket(HWND window, DocumentState *state)
{
    BracketSetup setup;
    setup.title[0] = 0;
    if (!runSetupDialog(window, state->bracket->resourceModule, &setup))
        return;
    showFreshBracket(window, state, setup.title, buildFromSetup, &setup);
}

/* A cancelled Open dialog or a file the reader refuses changes nothing. */
void openBracket(HWND window, DocumentState *state)
{
    WCHAR buffer[PATH_CAPACITY];
    OPENFILENAMEW dialog;
    fillBracketFileDialog(&dialog, window, buffer, OPEN_DIALOG_FLAGS);
    if (!showOpenFileDialog(&dialog, state->bracket->resourceModule))
        return;
    openDocument(window, state, buffer);
}

void closeBracket(HWND window, DocumentState *state)
{
    closeDocument(window, state);
}

/* Save writes even when nothing changed; it asks for a name only when the
 * bracket has no file yet. Save As always asks. */
void saveBracket(HWND window, DocumentState *state)
{
    querySaveChanges(window, state, SAVE_WITHOUT_ASKING, NAME_WHEN_NEEDED);
}

void saveBracketAs(HWND window, DocumentState *state)
{
    querySaveChanges(window, state, SAVE_WITHOUT_ASKING, ALWAYS_ASK_NAME);
}

/* Exit, the close box and Esc. */
void exitEditor(HWND window, DocumentState *)
{
    EndDialog(window, 0);
}

/* One that is gone was reported and dropped already, so there is nothing
 * to ask about. */
void openRecentFile(HWND window, DocumentState *state, int index)
{
    WCHAR path[PATH_CAPACITY];
    if (!recentFileToOpen(window, state->bracket, index, path) || !allowDiscardingChanges(window, state))
        return;
    openDocument(window, state, path);
}

/* Only the first file counts, however many were dropped. While any dialog
 * or question of the program is open the window is disabled (modal loops
 * disable their owner), and a drop then would replace the very bracket
 * that dialog is working on: it is let go unread. */
void openDroppedFile(HWND window, DocumentState *state, HDROP drop)
{
    if (!IsWindowEnabled(window)) {
        releaseDrop(drop);
        return;
    }
    WCHAR *name = takeFirstDroppedFile(drop);
    if (name && allowDiscardingChanges(window, state))
        openDocument(window, state, name);
    freeBlock(name);
}

/* Yes saves (a failed save keeps the session), No lets it end, Cancel
 * keeps it. The answer goes back through the dialog's message result. */
INT_PTR answerEndSessionQuery(HWND window, DocumentState *state)
{
    SetWindowLongPtrW(window, DWLP_MSGRESULT, allowDiscardingChanges(window, state) ? TRUE : FALSE);
    return TRUE;
}

/* The query settled the unsaved work already, so the window ends without
 * asking anything more. */
void endSession(HWND window, BOOL ending)
{
    if (ending)
        EndDialog(window, 0);
}
