#include "ui/document/document.h"

#include "file/safe_replace.h"
#include "model/undo_history.h"
#include "res/resource.h"
#include "ui/document/document_path.h"
#include "ui/window/drawing_pause.h"
#include "ui/window/layout.h"
#include "ui/document/open_bracket.h"
#include "ui/document/open_failure.h"
#include "ui/editing/paste_team_list.h"
#include "ui/document/recent_files.h"
#include "ui/window/scroll_view.h"
#include "ui/window/third_place_view.h"

/* The parked button is enabled exactly while no bracket is open. */
static void setParkedButtonEnabled(HWND window, BOOL enabled)
{
    EnableWindow(GetDlgItem(window, IDC_PARKED_BUTTON), enabled);
}

/* resetBracket with the window drawn once afterwards rather than after
 * each of the hundreds of controls it destroys. */
static void resetBracketQuietly(HWND window, Bracket *bracket)
{
    int paused = pauseDrawing(window);
    resetBracket(bracket);
    removeThirdPlaceHeading(window);
    resumeDrawing(window, paused);
}

static void forgetFile(DocumentState *state)
{
    state->path[0] = 0;
    state->disk = FileFingerprint{};
}

int showFreshBracket(HWND window, DocumentState *state, const WCHAR *title, FreshBracketBuilder build,
                     void *context)
{
    Bracket *bracket = state->bracket;
    setParkedButtonEnabled(window, FALSE);
    resetBracketQuietly(window, bracket);
    forgetFile(state);
    if (!build(bracket, context)) {
        setParkedButtonEnabled(window, TRUE);
        tellUndoWatchers(bracket, UNDO_ALL_SHOWN);
        return 0;
    }
    lstrcpynW(bracket->title, title, TITLE_CAPACITY);
    layoutBracket(bracket, window, 1);
    watchBaseSlotPastes(bracket);
    bracket->dirty = 1;
    forgetUndoSavePoint(bracket);
    tellUndoWatchers(bracket, UNDO_ALL_SHOWN);
    return 1;
}

/* On failure the loader left everything as it was, so there is nothing to
 * undo here, only the reason to tell. The name is made full first, so the
 * path kept is the file that was read wherever the folder moves. */
int readDocument(HWND window, DocumentState *state, const WCHAR *name)
{
    WCHAR path[PATH_CAPACITY];
    OpenReport report;
    if (!makeFullPath(name, path)) {
        report.error = GetLastError();
        report.fault = report.error == ERROR_FILENAME_EXCED_RANGE ? OPEN_FAULT_NAME_TOO_LONG : OPEN_FAULT_NOT_FOUND;
        reportOpenFailure(window, state->bracket->resourceModule, name, &report);
        return 0;
    }
    if (!loadBracketFileReporting(state->bracket, window, path, &report)) {
        reportOpenFailure(window, state->bracket->resourceModule, path, &report);
        return 0;
    }
    setParkedButtonEnabled(window, FALSE);
    watchBaseSlotPastes(state->bracket);
    lstrcpynW(state->path, path, PATH_CAPACITY);
    takeFileFingerprint(path, &state->disk);
    return 1;
}

int openDocument(HWND window, DocumentState *state, const WCHAR *name)
{
    if (!readDocument(window, state, name))
        return 0;
    /* A save killed part-way leaves its temporary file beside the file. */
    removeLeftTemporaryFiles(state->path);
    rememberRecentFile(window, state->path);
    return 1;
}

void closeDocument(HWND window, DocumentState *state)
{
    setParkedButtonEnabled(window, TRUE);
    resetBracketQuietly(window, state->bracket);
    resetScrollView(window);
    forgetFile(state);
    tellUndoWatchers(state->bracket, UNDO_ALL_SHOWN);
}
