/* Keys for the main window. Its dialog loop knows no accelerator table, but
 * it hands every message to a message-filter hook (MSGF_DIALOGBOX) before
 * the dialog manager sees it; the hook turns the shortcuts of
 * IDR_ACCELERATORS into menu commands, and lets Up and Down on a pick
 * choose between its feeders even when its list was never opened. */
#ifndef DUELMARK_UI_KEYBOARD_SHORTCUTS_H
#define DUELMARK_UI_KEYBOARD_SHORTCUTS_H

#include <windows.h>

/* Starts the hook on the calling (GUI) thread for window, the main window
 * whose DWLP_USER is its DocumentState. The shortcuts come from module, or
 * from the executable when module has none. Returns 1 when the hook runs. */
int installKeyboardShortcuts(HWND window, HMODULE module);

/* Stops the hook when it serves window. */
void removeKeyboardShortcuts(HWND window);

#endif
