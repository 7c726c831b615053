#include "ui/main_dialog.h"

#include <commctrl.h>

#include "res/resource.h"
#include "model/undo_history.h"
#include "ui/command_table.h"
#include "ui/common/dialog_record.h"
#include "ui/window/display_scale.h"
#include "ui/document/document.h"
#include "ui/document/dropped_files.h"
#include "ui/editing/edit_history.h"
#include "ui/document/file_commands.h"
#include "ui/document/live_page.h"
#include "ui/keyboard_shortcuts.h"
#include "ui/editing/losers_command.h"
#include "ui/editing/match_result_command.h"
#include "ui/editing/result_change_question.h"
#include "ui/window/losers_view.h"
#include "ui/window/pick_controls.h"
#include "ui/window/name_clash_tip.h"
#include "ui/window/pick_tooltips.h"
#include "ui/document/recent_files.h"
#include "ui/document/recovery_copy.h"
#include "ui/window/scale_change.h"
#include "ui/window/scroll_view.h"
#include "ui/editing/third_place_command.h"
#include "ui/window/third_place_view.h"
#include "ui/window/window_marks.h"
#include "ui/window/stage_tabs.h"
#include "ui/groups/groups_page.h"
#include "ui/window/layout.h"
#include "ui/window/slot_geometry.h"
#include "ui/window/wide_layout.h"

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
    followWindowMarks(window, state->bracket);
    followGroupsPage(window, state->bracket);
    applyRememberedLayout(window);
    showRecentFiles(window);
    if (state->path[0] && !openDocument(window, state, state->path))
        state->path[0] = 0;
    startRecoveryCopies(window, state);
    startLivePage(window, state);
}

/* Each time a menu opens: the check mark follows the open bracket, items
 * that cannot act are greyed, and the recent files are read again, since
 * another copy of the editor may have changed the list meanwhile. */
static void prepareMenu(HWND window, DocumentState *state, HMENU menu)
{
    Bracket *bracket = state->bracket;
    UINT mark = bracket->slotCount && bracket->thirdPlaceOn ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(menu, IDM_EDIT_THIRD_PLACE, MF_BYCOMMAND | mark);
    int doubleElimination = bracket->slotCount && bracket->losers.on;
    CheckMenuItem(menu, IDM_EDIT_DOUBLE_ELIMINATION, MF_BYCOMMAND | (doubleElimination ? MF_CHECKED : MF_UNCHECKED));
    mark = doubleElimination && bracket->losers.reset ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(menu, IDM_EDIT_GRAND_FINAL_RESET, MF_BYCOMMAND | mark);
    CheckMenuItem(menu, IDM_VIEW_HALL_DISPLAY, MF_BYCOMMAND | (state->hallDisplay ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, IDM_VIEW_WIDE_LAYOUT, MF_BYCOMMAND | (wideLayoutOn(window) ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, IDM_FILE_PUBLISH, MF_BYCOMMAND | (state->live.folder[0] ? MF_CHECKED : MF_UNCHECKED));
    greyIdleMenuItems(window, state, menu);
    showRecentFiles(window);
}

/* The whole wParam is matched: menu commands only with notification code
 * 0, slot notifications only with their exact code and id. */
static void runCommand(HWND window, DocumentState *state, WPARAM command, HWND control)
{
    Bracket *bracket = state->bracket;
    if (command >= IDM_FILE_RECENT_FIRST && command <= IDM_FILE_RECENT_LAST)
        return openRecentFile(window, state, (int)(command - IDM_FILE_RECENT_FIRST));
    if (runMenuCommand(window, state, (UINT)command))
        return;
    /* Every drop-down of the window is a pick's. */
    if (control && (HIWORD(command) == CBN_DROPDOWN || HIWORD(command) == CBN_CLOSEUP))
        quietPickTooltips(window, HIWORD(command) == CBN_DROPDOWN);
    switch (command) {
    case MAKEWPARAM(IDC_THIRD_PLACE_COMBO, CBN_SELCHANGE): recordThirdPlaceChange(control, bracket); break;
    case MAKEWPARAM(IDC_THIRD_PLACE_COMBO, CBN_DROPDOWN): fillThirdPlaceChoices(control, bracket); break;
    case MAKEWPARAM(IDC_LOSERS_COMBO, CBN_SELCHANGE): recordLosersPickChange(window, state, control); break;
    case MAKEWPARAM(IDC_LOSERS_COMBO, CBN_DROPDOWN): fillLosersChoices(bracket, control); break;
    /* Also raised while a layout fills the controls in; the handlers find
     * no slot bound to the control yet and change nothing. */
    case MAKEWPARAM(IDC_PICK_COMBO, CBN_SELCHANGE): recordPickChange(window, state, control); break;
    case MAKEWPARAM(IDC_TEAM_EDIT, EN_CHANGE): recordSlotTextChange(control, bracket); break;
    /* The keystrokes typed while a slot keeps the focus are one step. */
    case MAKEWPARAM(IDC_TEAM_EDIT, EN_KILLFOCUS):
        endUndoTyping(bracket);
        hideNameClashTip(window);
        showNameFromStart(control);
        break;
    case MAKEWPARAM(IDC_PICK_COMBO, CBN_DROPDOWN): fillPickChoices(bracket, control); break;
    /* A cell of the Groups page, clicked or given Enter, is its match's
     * Match result. */
    case MAKEWPARAM(IDC_GROUP_CELL, BN_CLICKED):
        SetFocus(control);
        runMenuCommand(window, state, IDM_EDIT_MATCH_RESULT);
        break;
    /* Enter on a cell the dialog manager has not made the default button. */
    case IDOK:
        if (GetDlgCtrlID(GetFocus()) == IDC_GROUP_CELL && IsChild(window, GetFocus()))
            runMenuCommand(window, state, IDM_EDIT_MATCH_RESULT);
        break;
    case MAKEWPARAM(IDC_GROUP_CELL, BN_SETFOCUS):
    case MAKEWPARAM(IDC_TEAM_EDIT, EN_SETFOCUS):
    case MAKEWPARAM(IDC_PICK_COMBO, CBN_SETFOCUS):
    case MAKEWPARAM(IDC_THIRD_PLACE_COMBO, CBN_SETFOCUS):
    case MAKEWPARAM(IDC_LOSERS_COMBO, CBN_SETFOCUS): scrollIntoView(window, control); break;
    }
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
        else if (wParam == LIVE_PAGE_TIMER_ID)
            keepLivePage(state);
        break;
    /* Asked once the window is on screen, so the user sees what is restored. */
    case RECOVERY_OFFER_MESSAGE: offerLeftRecoveryCopies(window, state); break;
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_DESTROY) {
            removePickTooltip(window, (HWND)lParam);
            forgetNameClashTip(window, (HWND)lParam);
        }
        break;
    /* The knockout's marks stay under its own page. */
    case WM_PAINT: return chosenStagePage(window) == STAGE_GROUPS ? FALSE : paintWindowMarks(window, state->bracket);
    case WM_NOTIFY:
        if (((NMHDR *)lParam)->idFrom == IDC_STAGE_TABS && ((NMHDR *)lParam)->code == (UINT)TCN_SELCHANGE)
            showChosenStagePage(window, state->bracket);
        else
            answerPickTooltip(window, state->bracket, (NMHDR *)lParam);
        break;
    /* Left to the default afterwards: the cursor is not this window's to set. */
    case WM_SETCURSOR: relayTipOnHover(window, (HWND)wParam); break;
    case WM_CONTEXTMENU: showPickMenu(window, state, (HWND)wParam, lParam); break;
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
        followGroupsPageScale(window, state->bracket);
        return TRUE;
    case WM_DESTROY:
        removeKeyboardShortcuts(window);
        forgetWindowMarks(window, state->bracket);
        forgetGroupsPage(window, state->bracket);
        stopRecoveryCopies(window, state);
        stopLivePage(window, state);
        forgetDisplayScale(window);
        forgetWideLayout(window);
        break;
    }
    return FALSE;
}
