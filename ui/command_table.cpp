#include "ui/command_table.h"

#include "model/undo_history.h"
#include "res/resource.h"
#include "ui/editing/draw_teams.h"
#include "ui/editing/edit_commands.h"
#include "ui/editing/edit_history.h"
#include "ui/editing/entrants_command.h"
#include "ui/document/entrant_files.h"
#include "ui/editing/entrant_commands.h"
#include "ui/document/file_commands.h"
#include "ui/document/live_page.h"
#include "ui/editing/losers_command.h"
#include "ui/editing/match_result_command.h"
#include "ui/document/new_from_list.h"
#include "ui/editing/paste_team_list.h"
#include "ui/editing/schedule_command.h"
#include "ui/schedule/order_of_play.h"
#include "ui/picture/picture_clipboard.h"
#include "ui/picture/picture_export.h"
#include "ui/print/print_order_of_play.h"
#include "ui/picture/hall_display.h"
#include "ui/print/page_setup.h"
#include "ui/print/print_picture.h"
#include "ui/window/base_lock.h"
#include "ui/window/wide_layout.h"
#include "ui/print/print_preview.h"
#include "ui/document/save_prompt.h"
#include "ui/editing/third_place_command.h"
#include "ui/editing/order_tied_command.h"

typedef void (*CommandHandler)(HWND window, DocumentState *state);

/* What a command needs of the open bracket to act. */
enum {
    NEEDS_NOTHING = 0,
    NEEDS_BRACKET = 1 << 0,
    NEEDS_BASE_SLOTS = 1 << 1,      /* a bracket with first-round slots (not a lone champion) */
    NEEDS_UNLOCKED_BASE = 1 << 2,
    NEEDS_LOCKED_BASE = 1 << 3,
    NEEDS_UNDO = 1 << 4,
    NEEDS_REDO = 1 << 5,
    NEEDS_SEMI_FINALS = 1 << 6,
    NEEDS_DECIDABLE_FOCUS = 1 << 7, /* the focused pick, if any, has two entrants */
    NEEDS_SINGLE_ELIMINATION = 1 << 8,
    NEEDS_DOUBLE_ELIMINATION = 1 << 9,
    NEEDS_NAMED_FOCUS = 1 << 10,    /* the focused slot shows a first-round entrant's name */
    NEEDS_LEVEL_GROUP = 1 << 11,    /* a decided group has entrants its rules leave level */
    NEEDS_OWN_FIRST_ROUND = 1 << 12 /* the first round is not filled from groups */
};

/* How the command runs. */
enum {
    RUNS_PLAIN = 0,
    ASKS_FIRST = 1 << 0,     /* the save-changes question comes first */
    ONE_UNDO_STEP = 1 << 1,  /* whatever the handler changes is one step */
    /* Acts although its menu item is grey: Save with no bracket open still
     * shows the Save dialog, whose writer then refuses. */
    RUNS_WHEN_GREY = 1 << 2
};

struct CommandRow {
    UINT id;
    CommandHandler handler;
    UINT needs;
    UINT runs;
};

static const CommandRow COMMANDS[] = {
    {IDCANCEL, exitEditor, NEEDS_NOTHING, ASKS_FIRST},
    {IDM_FILE_NEW, newBracket, NEEDS_NOTHING, ASKS_FIRST},
    {IDM_FILE_NEW_FROM_LIST, newBracketFromList, NEEDS_NOTHING, ASKS_FIRST},
    {IDM_FILE_OPEN, openBracket, NEEDS_NOTHING, ASKS_FIRST},
    {IDM_FILE_CLOSE, closeBracket, NEEDS_BRACKET, ASKS_FIRST},
    {IDM_FILE_SAVE, saveBracket, NEEDS_BRACKET, RUNS_WHEN_GREY},
    {IDM_FILE_SAVE_AS, saveBracketAs, NEEDS_BRACKET, RUNS_WHEN_GREY},
    {IDM_FILE_EXPORT_PICTURE, exportPicture, NEEDS_BRACKET, RUNS_PLAIN},
    {IDM_FILE_PRINT, printPicture, NEEDS_BRACKET, RUNS_PLAIN},
    {IDM_FILE_PRINT_ORDER, printOrderOfPlay, NEEDS_BRACKET, RUNS_PLAIN},
    {IDM_FILE_PAGE_SETUP, pageSetup, NEEDS_NOTHING, RUNS_PLAIN},
    {IDM_FILE_PRINT_PREVIEW, printPreview, NEEDS_BRACKET, RUNS_PLAIN},
    {IDM_FILE_PUBLISH, togglePublishing, NEEDS_BRACKET, RUNS_PLAIN},
    {IDM_VIEW_HALL_DISPLAY, toggleHallDisplay, NEEDS_NOTHING, RUNS_PLAIN},
    {IDM_VIEW_WIDE_LAYOUT, toggleWideLayout, NEEDS_NOTHING, RUNS_PLAIN},
    {IDM_EDIT_UNDO, undoEdit, NEEDS_UNDO, RUNS_PLAIN},
    {IDM_EDIT_REDO, redoEdit, NEEDS_REDO, RUNS_PLAIN},
    {IDM_EDIT_COPY_PICTURE, copyPicture, NEEDS_BRACKET, RUNS_PLAIN},
    {IDM_EDIT_PASTE_LIST, pasteTeamList, NEEDS_UNLOCKED_BASE | NEEDS_OWN_FIRST_ROUND, RUNS_PLAIN},
    {IDM_EDIT_DRAW_TEAMS, drawTeams, NEEDS_UNLOCKED_BASE | NEEDS_OWN_FIRST_ROUND, ONE_UNDO_STEP},
    {IDM_EDIT_LOCK_BASE, lockBaseSlots, NEEDS_UNLOCKED_BASE, RUNS_PLAIN},
    {IDM_EDIT_UNLOCK_BASE, unlockBaseSlots, NEEDS_LOCKED_BASE, RUNS_PLAIN},
    {IDM_EDIT_CLEAR_PICKS, clearPicks, NEEDS_BRACKET, ONE_UNDO_STEP},
    {IDM_EDIT_VALIDATE, validateAllPicks, NEEDS_BRACKET, ONE_UNDO_STEP},
    {IDM_EDIT_TITLE, editTitle, NEEDS_BRACKET, ASKS_FIRST | ONE_UNDO_STEP},
    /* Opens its own step, which it may take back when the user cancels. */
    {IDM_EDIT_MATCH_RESULT, editMatchResult, NEEDS_BASE_SLOTS | NEEDS_DECIDABLE_FOCUS, RUNS_PLAIN},
    {IDM_EDIT_ORDER_TIED, orderTiedEntrants, NEEDS_BRACKET | NEEDS_LEVEL_GROUP, ONE_UNDO_STEP},
    {IDM_EDIT_THIRD_PLACE, toggleThirdPlaceMatch, NEEDS_SEMI_FINALS | NEEDS_SINGLE_ELIMINATION, ONE_UNDO_STEP},
    /* Opens its own step once the losers' nodes are made. */
    {IDM_EDIT_DOUBLE_ELIMINATION, toggleDoubleElimination, NEEDS_SEMI_FINALS, RUNS_PLAIN},
    {IDM_EDIT_GRAND_FINAL_RESET, toggleGrandFinalReset, NEEDS_DOUBLE_ELIMINATION, ONE_UNDO_STEP},
    {IDM_EDIT_SCHEDULE, scheduleMatchesCommand, NEEDS_BASE_SLOTS, ONE_UNDO_STEP},
    {IDM_EDIT_COPY_ORDER, copyOrderOfPlay, NEEDS_BRACKET, RUNS_PLAIN},
    {IDM_EDIT_ENTRANTS, editEntrants, NEEDS_BRACKET, RUNS_PLAIN},
    {IDM_FILE_IMPORT_ENTRANTS, importEntrants, NEEDS_NOTHING, ASKS_FIRST},
    {IDM_FILE_EXPORT_ENTRANTS, exportEntrants, NEEDS_BRACKET, RUNS_PLAIN},
    {IDM_FILE_EXPORT_RESULTS, exportResults, NEEDS_BASE_SLOTS, RUNS_PLAIN},
    {IDM_EDIT_RENAME_ENTRANT, renameEntrantCommand, NEEDS_BASE_SLOTS | NEEDS_NAMED_FOCUS, ONE_UNDO_STEP},
    /* Opens its own step, which it may take back when the user cancels. */
    {IDM_EDIT_SWAP_ENTRANTS, swapEntrantsCommand, NEEDS_BASE_SLOTS, RUNS_PLAIN},
    {IDM_EDIT_WITHDRAW_ENTRANT, withdrawEntrantCommand, NEEDS_BASE_SLOTS, ONE_UNDO_STEP},
};

static const CommandRow *commandRow(UINT id)
{
    for (const CommandRow &row : COMMANDS) {
        if (row.id == id)
            return &row;
    }
    return NULL;
}

static int needsMet(HWND window, DocumentState *state, UINT needs)
{
    Bracket *bracket = state->bracket;
    if (needs == NEEDS_NOTHING)
        return 1;
    if (!bracket->slotCount)
        return 0;
    /* A bracket without base slots (a file with one team) has nothing to
     * lock, paste into, draw or decide. */
    int hasBase = bracket->depth > 0;
    const UndoHistory &history = bracket->history;
    if ((needs & (NEEDS_BASE_SLOTS | NEEDS_UNLOCKED_BASE | NEEDS_LOCKED_BASE)) && !hasBase)
        return 0;
    if ((needs & NEEDS_UNLOCKED_BASE) && baseSlotsLocked(bracket))
        return 0;
    if ((needs & NEEDS_LOCKED_BASE) && !baseSlotsLocked(bracket))
        return 0;
    if ((needs & NEEDS_UNDO) && history.position <= 0)
        return 0;
    if ((needs & NEEDS_REDO) && history.position >= history.count)
        return 0;
    if ((needs & NEEDS_SEMI_FINALS) && bracket->slotCount < 4)
        return 0;
    if ((needs & NEEDS_DECIDABLE_FOCUS) && !matchResultCanAct(window, state))
        return 0;
    if ((needs & NEEDS_SINGLE_ELIMINATION) && bracket->losers.on)
        return 0;
    if ((needs & NEEDS_DOUBLE_ELIMINATION) && !bracket->losers.on)
        return 0;
    if ((needs & NEEDS_NAMED_FOCUS) && !renameEntrantCanAct(window, state))
        return 0;
    if ((needs & NEEDS_LEVEL_GROUP) && !tiedEntrantsToOrder(window, state))
        return 0;
    /* The groups' places fill it again at their next change: a list pasted
     * or drawn into it would stand only until then. */
    if ((needs & NEEDS_OWN_FIRST_ROUND) && bracket->groups.on)
        return 0;
    return 1;
}

int commandCanAct(HWND window, DocumentState *state, UINT command)
{
    const CommandRow *row = commandRow(command);
    return !row || needsMet(window, state, row->needs);
}

int runMenuCommand(HWND window, DocumentState *state, UINT command)
{
    const CommandRow *row = commandRow(command);
    if (!row)
        return 0;
    if ((row->runs & ASKS_FIRST) && !allowDiscardingChanges(window, state))
        return 1;
    Bracket *bracket = state->bracket;
    if (!(row->runs & RUNS_WHEN_GREY) && !needsMet(window, state, row->needs))
        return 1;
    if (row->runs & ONE_UNDO_STEP) {
        beginUndoStep(bracket, 0);
        row->handler(window, state);
        endUndoStep(bracket);
    } else {
        row->handler(window, state);
    }
    return 1;
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
        UINT grey = commandCanAct(window, state, id) ? MF_ENABLED : MF_GRAYED;
        EnableMenuItem(menu, i, MF_BYPOSITION | grey);
    }
}
