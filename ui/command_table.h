/* The table of commands: for each menu command, its handler, what it needs
 * to act, whether the save-changes question comes first, and whether it is
 * one undo step. The same row runs the command, greys its menu item and
 * blocks its shortcut. */
#ifndef DUELMARK_UI_COMMAND_TABLE_H
#define DUELMARK_UI_COMMAND_TABLE_H

#include "ui/common/document_state.h"

/* 1 when command (a menu command id) would do something now; commands that
 * always act, and ids the table does not hold, give 1. */
int commandCanAct(HWND window, DocumentState *state, UINT command);

/* Runs a menu command (notification code 0): the save-changes question
 * where its row asks it, then, if it can act, its handler, as one undo
 * step where its row says so. Returns 0 for an id the table does not hold. */
int runMenuCommand(HWND window, DocumentState *state, UINT command);

/* WM_INITMENUPOPUP: greys every item of a menu of the menu bar that cannot
 * act, enables the rest; other menus are left alone. */
void greyIdleMenuItems(HWND window, DocumentState *state, HMENU menu);

#endif
