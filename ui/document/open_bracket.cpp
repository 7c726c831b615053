#include "ui/document/open_bracket.h"
#include "file/bracket_reader.h"
#include "model/adopt_bracket.h"
#include "model/undo_history.h"
#include "ui/window/drawing_pause.h"
#include "ui/document/invalid_picks_prompt.h"
#include "ui/window/layout.h"

int loadBracketFileReporting(Bracket *bracket, HWND window, const WCHAR *path, OpenReport *report)
{
    /* The largest files take a while to read as well as to lay out: the
     * wait cursor shows from the start. */
    HCURSOR cursorBefore = SetCursor(LoadCursorW(NULL, IDC_WAIT));
    /* Read aside first: a refused file must leave the open bracket alone. */
    Bracket staged;
    staged.resourceModule = bracket->resourceModule;
    initBracket(&staged, NULL);
    if (!readBracketFile(path, &staged, report)) {
        SetCursor(cursorBefore);
        return 0;
    }
    /* Hundreds of controls go and come: the window is drawn once, after. */
    int paused = pauseDrawing(window);
    adoptStagedBracket(bracket, &staged);
    layoutBracket(bracket, window, 0);
    resumeDrawing(window, paused);
    SetCursor(cursorBefore);
    tellUndoWatchers(bracket, UNDO_ALL_SHOWN);
    /* Asked once the new bracket is on screen, so the user sees what the
     * question is about; the history starts at the file as it is, so the
     * clearing can be undone. */
    settleInvalidPicks(window, bracket);
    return 1;
}

int loadBracketFile(Bracket *bracket, HWND window, const WCHAR *path)
{
    OpenReport report;
    return loadBracketFileReporting(bracket, window, path, &report);
}
