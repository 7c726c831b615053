/* View > Wide layout: the user's choice between the window's usual
 * geometry and one where every column is as wide as its longest name and
 * every mark has a line of its own. Kept for the user in the registry;
 * off until the user turns it on. The picture is not affected. */
#ifndef DUELMARK_UI_WINDOW_WIDE_LAYOUT_H
#define DUELMARK_UI_WINDOW_WIDE_LAYOUT_H

#include "ui/common/document_state.h"

/* At the window's creation: the layout the user last chose. */
void applyRememberedLayout(HWND window);

/* The command: switches the layout, lays the open bracket out again and
 * remembers the choice. */
void toggleWideLayout(HWND window, DocumentState *state);

#endif
