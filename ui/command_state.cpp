#include "ui/command_state.h"
#include "res/resource.h"

/* The lock lives in the base-slot edits alone and covers all of them. */
static int baseSlotsLocked(Bracket *bracket)
{
    HWND first = leftmostAtLevel(bracket, bracket->depth)->control;
    return first && (GetWindowLongPtrW(first, GWL_STYLE) & ES_READONLY);
}

/* A bracket without base slots (a file with one team) has nothing to lock,
 * paste into or draw. */
static int hasBaseSlots(Bracket *bracket)
{
    return bracket->slotCount && bracket->depth > 0;
}

int commandCanAct(HWND window, DocumentState *state, int command)
{
    (void)window;
    Bracket *bracket = state->bracket;
    const UndoHistory &history = bracket->history;
    switch (command) {
    case IDM_FILE_CLOSE:
    case IDM_FILE_SAVE:
    case IDM_FILE_SAVE_AS:
    case IDM_EDIT_TITLE:
    case IDM_EDIT_VALIDATE:
    case IDM_EDIT_CLEAR_PICKS:
    case IDM_FILE_EXPORT_PICTURE:
    case IDM_EDIT_COPY_PICTURE:
    case IDM_FILE_PRINT:
    case IDM_EDIT_COPY_ORDER:
    case IDM_FILE_PRINT_ORDER:
        return bracket->slotCount != 0;
    case IDM_EDIT_UNDO:
        return bracket->slotCount && history.position > 0;
    case IDM_EDIT_REDO:
        return bracket->slotCount && history.position < history.count;
    case IDM_EDIT_LOCK_BASE:
        return hasBaseSlots(bracket) && !baseSlotsLocked(bracket);
    case IDM_EDIT_UNLOCK_BASE:
        return hasBaseSlots(bracket) && baseSlotsLocked(bracket);
    case IDM_EDIT_PASTE_LIST:
    case IDM_EDIT_DRAW_TEAMS:
        return hasBaseSlots(bracket) && !baseSlotsLocked(bracket);
    case IDM_EDIT_MATCH_RESULT:
    case IDM_EDIT_SCHEDULE:
        return hasBaseSlots(bracket);
    case IDM_EDIT_THIRD_PLACE:
        return bracket->slotCount >= 4;
    default:
        return 1;
    }
}

/* Whether menu drops from the window's menu bar; a pick's own context menu
 * sets its items itself. */
static int isMenuBarMenu(HWND window, HMENU menu)
{
    HMENU bar = GetMenu(window);
    int count = bar ? GetMenuItemCount(bar) : 0;
    for (int i = 0; i < count; i++) {
        if (GetSubMenu(bar, i) == menu)
            return 1;
    }
    return 0;
}

void greyIdleMenuItems(HWND window, DocumentState *state, HMENU menu)
{
    if (!isMenuBarMenu(window, menu))
        return;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; i++) {
        UINT id = GetMenuItemID(menu, i);
        /* Separators and submenus carry no command. */
        if (id == 0 || id == (UINT)-1)
            continue;
        UINT grey = commandCanAct(window, state, (int)id) ? MF_ENABLED : MF_GRAYED;
        EnableMenuItem(menu, i, MF_BYPOSITION | grey);
    }
}
