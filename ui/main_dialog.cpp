#include "ui/main_dialog.h"

#include "model/heap.h"
#include "model/pick_rules.h"
#include "res/resource.h"
#include "ui/bracket_swap.h"
#include "ui/command_state.h"
#include "ui/common_dialogs.h"
#include "ui/dialog_record.h"
#include "ui/display_scale.h"
#include "ui/document_path.h"
#include "ui/document_state.h"
#include "ui/draw_teams.h"
#include "ui/dropped_files.h"
#include "ui/edit_history.h"
#include "ui/keyboard_shortcuts.h"
#include "ui/layout.h"
#include "ui/match_result_dialog.h"
#include "ui/new_from_list.h"
#include "ui/open_bracket.h"
#include "ui/open_failure.h"
#include "ui/order_of_play.h"
#include "ui/paste_team_list.h"
#include "ui/pick_controls.h"
#include "ui/pick_tooltips.h"
#include "ui/picture_clipboard.h"
#include "ui/picture_export.h"
#include "ui/print_order_of_play.h"
#include "ui/print_picture.h"
#include "ui/recent_files.h"
#include "ui/recovery_copy.h"
#include "ui/save_prompt.h"
#include "ui/scale_change.h"
#include "ui/schedule_dialog.h"
#include "ui/scroll_view.h"
#include "ui/setup_dialog.h"
#include "ui/third_place_view.h"
#include "ui/window_marks.h"

/* On failure the loader left everything as it was, so there is nothing to
 * undo here, only the reason to tell. The name is made full first, so the
 * path kept is the file that was read wherever the folder moves. */
static int loadIntoWindow(HWND window, DocumentState *state, const WCHAR *name)
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
    rememberRecentFile(window, path);
    return 1;
}

/* The icon always comes from the executable, never from a satellite. A
 * start-up file that does not load leaves the empty window, after a word
 * on why. */
static void initMainWindow(HWND window, DocumentState *state)
{
    HICON icon = LoadIconW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDI_APP));
    SendMessageW(window, WM_SETICON, ICON_BIG, (LPARAM)icon);
    /* Outside the client area for good: the window always has a control,
     * and that one never takes space or is seen. */
    SetWindowPos(GetDlgItem(window, IDC_PARKED_BUTTON), NULL, -300, -300, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    installKeyboardShortcuts(window, state->bracket->resourceModule);
    showRecentFiles(window);
    if (state->path[0] && !loadIntoWindow(window, state, state->path))
        state->path[0] = 0;
    startRecoveryCopies(window, state);
}

/* Asked once the window is on screen, so the user sees what is restored. */
static void offerRecovery(HWND window, DocumentState *state)
{
    offerLeftRecoveryCopies(window, state, loadIntoWindow);
}

/* Exit, the close box and Esc: ends the window unless the user keeps it. */
static void exitEditor(HWND window, DocumentState *state)
{
    if (allowDiscardingChanges(window, state))
        EndDialog(window, 0);
}

static int buildFromSetup(Bracket *bracket, void *setup)
{
    return buildBracket(bracket, ((BracketSetup *)setup)->teamCount);
}

/* A new bracket from the setup dialog: editable, unsaved and without a file. */
static void newBracket(HWND window, DocumentState *state)
{
    if (!allowDiscardingChanges(window, state))
        return;
    BracketSetup setup;
    setup.title[0] = 0;
    if (!runSetupDialog(window, state->bracket->resourceModule, &setup))
        return;
    showFreshBracket(window, state, setup.title, buildFromSetup, &setup);
}

/* A cancelled Open dialog or a file the reader refuses changes nothing. */
static void openBracket(HWND window, DocumentState *state)
{
    if (!allowDiscardingChanges(window, state))
        return;
    WCHAR buffer[PATH_CAPACITY];
    OPENFILENAMEW dialog;
    fillBracketFileDialog(&dialog, window, buffer, OPEN_DIALOG_FLAGS);
    if (!showOpenFileDialog(&dialog))
        return;
    loadIntoWindow(window, state, buffer);
}

/* The caption, size and position stay: only the slots go. */
static void closeBracket(HWND window, DocumentState *state)
{
    if (!allowDiscardingChanges(window, state))
        return;
    setParkedButtonEnabled(window, TRUE);
    resetBracketQuietly(window, state->bracket);
    resetScrollView(window);
    state->path[0] = 0;
    state->disk = FileFingerprint{};
}

/* Save writes even when nothing changed; it asks for a name only when the
 * bracket has no file yet. Save As always asks. */
static void saveBracket(HWND window, DocumentState *state)
{
    querySaveChanges(window, state, SAVE_WITHOUT_ASKING, NAME_WHEN_NEEDED);
}

static void saveBracketAs(HWND window, DocumentState *state)
{
    querySaveChanges(window, state, SAVE_WITHOUT_ASKING, ALWAYS_ASK_NAME);
}

/* The read-only state lives only in the edit controls; the model and the
 * dirty flag are not touched. */
static void setBaseLock(Bracket *bracket, BOOL locked)
{
    if (!bracket->slotCount)
        return;
    for (BracketNode *node = leftmostAtLevel(bracket, bracket->depth); node; node = nextInLevel(node)) {
        if (node->control)
            SendMessageW(node->control, EM_SETREADONLY, locked, 0);
    }
}

static void lockBaseSlots(HWND, DocumentState *state)
{
    setBaseLock(state->bracket, TRUE);
}

static void unlockBaseSlots(HWND, DocumentState *state)
{
    setBaseLock(state->bracket, FALSE);
}

/* Clearing and validating ask nothing: unlike load and save, the user asked
 * for exactly this. */
static void clearPicks(HWND, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    if (!bracket->slotCount)
        return;
    beginUndoStep(bracket, 0);
    clearNonBasePicks(bracket);
    endUndoStep(bracket);
}

static void validateAllPicks(HWND, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    if (!bracket->slotCount)
        return;
    beginUndoStep(bracket, 0);
    validatePicks(bracket, CLEAR_INVALID_PICKS);
    endUndoStep(bracket);
}

/* Nothing can close the bracket while the modal dialog runs, but the count
 * is checked again before the title is taken all the same. */
static void editTitle(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    if (!allowDiscardingChanges(window, state) || !bracket->slotCount)
        return;
    BracketSetup setup;
    lstrcpynW(setup.title, bracket->title, TITLE_CAPACITY);
    if (!runSetupDialog(window, bracket->resourceModule, &setup) || !bracket->slotCount)
        return;
    beginUndoStep(bracket, 0);
    lstrcpynW(bracket->title, setup.title, TITLE_CAPACITY);
    endUndoStep(bracket);
    setBracketCaption(bracket, window);
    bracket->dirty = 1;
}

/* Match result... for the pick that has the focus. */
static void matchResult(HWND window, DocumentState *state)
{
    editMatchResult(window, state->bracket);
}

/* Third-place match: on or off, as one undo step. */
static void thirdPlaceMatch(HWND window, DocumentState *state)
{
    toggleThirdPlaceMatch(window, state->bracket);
}

/* The check mark follows the open bracket each time the menu opens. */
static void markThirdPlaceItem(HMENU menu, Bracket *bracket)
{
    UINT mark = bracket->slotCount && bracket->thirdPlace.on ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(menu, IDM_EDIT_THIRD_PLACE, MF_BYCOMMAND | mark);
}

/* Each time a menu opens: the check mark follows the open bracket, items
 * that cannot act are greyed, and the recent files are read again, since another copy of the editor may have
 * changed the list meanwhile. */
static void prepareMenu(HWND window, DocumentState *state, HMENU menu)
{
    markThirdPlaceItem(menu, state->bracket);
    greyIdleMenuItems(window, state, menu);
    showRecentFiles(window);
}

/* Only the first file counts, however many were dropped. While any dialog
 * or question of the program is open the window is disabled (modal loops
 * disable their owner), and a drop then would replace the very bracket
 * that dialog is working on: it is let go unread. */
static void openDroppedFile(HWND window, DocumentState *state, HDROP drop)
{
    if (!IsWindowEnabled(window)) {
        releaseDrop(drop);
        return;
    }
    WCHAR *name = takeFirstDroppedFile(drop);
    if (name && allowDiscardingChanges(window, state))
        loadIntoWindow(window, state, name);
    freeBlock(name);
}

/* A file from the File menu's recent list: one that is gone was reported
 * and dropped already, so there is nothing to ask about. */
static void openRecentFile(HWND window, DocumentState *state, int index)
{
    WCHAR path[PATH_CAPACITY];
    if (!recentFileToOpen(window, state->bracket, index, path) || !allowDiscardingChanges(window, state))
        return;
    loadIntoWindow(window, state, path);
}

/* The whole wParam is matched: menu commands only with notification code
 * 0, slot notifications only with their exact code and id. */
static void runCommand(HWND window, DocumentState *state, WPARAM command, HWND control)
{
    Bracket *bracket = state->bracket;
    if (command >= IDM_FILE_RECENT_FIRST && command <= IDM_FILE_RECENT_LAST)
        return openRecentFile(window, state, (int)(command - IDM_FILE_RECENT_FIRST));
    switch (command) {
    case IDCANCEL: exitEditor(window, state); break;
    case IDM_FILE_NEW: newBracket(window, state); break;
    case IDM_FILE_NEW_FROM_LIST: newBracketFromList(window, state); break;
    case IDM_FILE_OPEN: openBracket(window, state); break;
    case IDM_FILE_CLOSE: closeBracket(window, state); break;
    case IDM_FILE_SAVE: saveBracket(window, state); break;
    case IDM_FILE_SAVE_AS: saveBracketAs(window, state); break;
    case IDM_EDIT_LOCK_BASE: lockBaseSlots(window, state); break;
    case IDM_EDIT_UNLOCK_BASE: unlockBaseSlots(window, state); break;
    case IDM_EDIT_CLEAR_PICKS: clearPicks(window, state); break;
    case IDM_EDIT_VALIDATE: validateAllPicks(window, state); break;
    case IDM_EDIT_TITLE: editTitle(window, state); break;
    case IDM_FILE_EXPORT_PICTURE: exportPicture(window, state); break;
    case IDM_EDIT_COPY_PICTURE: copyPicture(window, state); break;
    case IDM_FILE_PRINT: printPicture(window, state); break;
    case IDM_EDIT_UNDO: undoEdit(window, state); break;
    case IDM_EDIT_REDO: redoEdit(window, state); break;
    case IDM_EDIT_PASTE_LIST: pasteTeamList(window, state); break;
    case IDM_EDIT_DRAW_TEAMS: drawTeams(window, state); break;
    case IDM_EDIT_MATCH_RESULT: matchResult(window, state); break;
    case IDM_EDIT_THIRD_PLACE: thirdPlaceMatch(window, state); break;
    case IDM_EDIT_SCHEDULE: scheduleMatchesCommand(window, state); break;
    case IDM_EDIT_COPY_ORDER: copyOrderOfPlay(window, state); break;
    case IDM_FILE_PRINT_ORDER: printOrderOfPlay(window, state); break;
    case MAKEWPARAM(IDC_THIRD_PLACE_COMBO, CBN_SELCHANGE): recordThirdPlaceChange(state->bracket, control); break;
    case MAKEWPARAM(IDC_THIRD_PLACE_COMBO, CBN_DROPDOWN): fillThirdPlaceChoices(state->bracket, control); break;
    /* Also raised while a layout fills the controls in; the handlers find
     * no slot bound to the control yet and change nothing. */
    case MAKEWPARAM(IDC_PICK_COMBO, CBN_SELCHANGE):
    case MAKEWPARAM(IDC_TEAM_EDIT, EN_CHANGE): recordSlotTextChange(bracket, control); break;
    /* The keystrokes typed while a slot keeps the focus are one step. */
    case MAKEWPARAM(IDC_TEAM_EDIT, EN_KILLFOCUS): endUndoTyping(bracket); break;
    case MAKEWPARAM(IDC_PICK_COMBO, CBN_DROPDOWN): fillPickChoices(bracket, control); break;
    case MAKEWPARAM(IDC_TEAM_EDIT, EN_SETFOCUS):
    case MAKEWPARAM(IDC_PICK_COMBO, CBN_SETFOCUS):
    case MAKEWPARAM(IDC_THIRD_PLACE_COMBO, CBN_SETFOCUS): scrollIntoView(window, control); break;
    }
}

/* Log-off and shutdown ask what Exit asks: Yes saves (a failed save keeps
 * the session), No lets it end, Cancel keeps it. The answer goes back
 * through the dialog's message result. */
static INT_PTR answerEndSessionQuery(HWND window, DocumentState *state)
{
    SetWindowLongPtrW(window, DWLP_MSGRESULT, allowDiscardingChanges(window, state) ? TRUE : FALSE);
    return TRUE;
}

/* The session really ends: the query settled the unsaved work already, so
 * the window ends without asking anything more. */
static void endSession(HWND window, BOOL ending)
{
    if (ending)
        EndDialog(window, 0);
}

INT_PTR CALLBACK mainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DocumentState *state = (DocumentState *)dialogRecord(window, message, lParam);
    if (!state || !state->bracket) {
        if (message == WM_DROPFILES)
            releaseDrop((HDROP)wParam);
        return FALSE;
    }
    switch (message) {
    case WM_INITDIALOG: initMainWindow(window, state); break;
    case WM_COMMAND:
        /* Any process may post a command naming any window: only this
         * window's own controls are read from. */
        if (!lParam || IsChild(window, (HWND)lParam))
            runCommand(window, state, wParam, (HWND)lParam);
        dropRecoveryCopyWhenClean(state);
        break;
    case WM_DROPFILES:
        openDroppedFile(window, state, (HDROP)wParam);
        dropRecoveryCopyWhenClean(state);
        break;
    case WM_TIMER:
        if (wParam == RECOVERY_TIMER_ID)
            keepRecoveryCopy(state);
        break;
    case RECOVERY_OFFER_MESSAGE: offerRecovery(window, state); break;
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_DESTROY)
            removePickTooltip(window, (HWND)lParam);
        break;
    case WM_PAINT: return paintWindowMarks(window, state->bracket);
    case WM_NOTIFY: answerPickTooltip(state->bracket, window, (NMHDR *)lParam); break;
    case WM_CONTEXTMENU: showPickMenu(window, state->bracket, (HWND)wParam, lParam); break;
    case WM_INITMENUPOPUP: prepareMenu(window, state, (HMENU)wParam); break;
    case WM_VSCROLL: scrollByBar(window, SB_VERT, wParam); break;
    case WM_HSCROLL: scrollByBar(window, SB_HORZ, wParam); break;
    case WM_MOUSEWHEEL: scrollByWheel(window, wParam); break;
    case WM_QUERYENDSESSION: return answerEndSessionQuery(window, state);
    case WM_ENDSESSION: endSession(window, (BOOL)wParam); break;
    /* Handled here alone: the dialog manager's own rescaling would move
     * the slots a second time. */
    case WM_DPICHANGED:
        followDisplayScale(window, state->bracket, LOWORD(wParam), (const RECT *)lParam);
        return TRUE;
    case WM_DESTROY:
        removeKeyboardShortcuts(window);
        stopRecoveryCopies(window, state);
        forgetDisplayScale(window);
        break;
    }
    return FALSE;
}
