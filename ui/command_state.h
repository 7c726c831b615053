/* Whether a menu command can act on the open bracket as it stands. The menu
 * greys what cannot act when it opens, and the keyboard shortcuts ask the
 * same question before they run a command. */
#ifndef DUELMARK_UI_COMMAND_STATE_H
#define DUELMARK_UI_COMMAND_STATE_H

#include "ui/document_state.h"

/* 1 when command (a menu command id) would do something now; commands that
 * always act, and ids this function does not know, give 1. */
int commandCanAct(HWND window, DocumentState *state, int command);

/* WM_INITMENUPOPUP: greys every item of a menu of the menu bar that cannot
 * act, enables the rest; other menus are left alone. */
void greyIdleMenuItems(HWND window, DocumentState *state, HMENU menu);

#endif
