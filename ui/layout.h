/* Shows a built bracket as mirrored columns of slot controls around the
 * champion's slot, and fits, centres and captions the main window. */
#ifndef DUELMARK_UI_LAYOUT_H
#define DUELMARK_UI_LAYOUT_H

#include "model/bracket.h"

enum {
    COLUMN_WIDTH = 78,
    LAYOUT_MARGIN = 10,
    BASE_ROW_PITCH = 20,
    EDIT_HEIGHT = 16,
    PICK_HEIGHT = 100,       /* includes the dropped list */
    PICK_FIELD_HEIGHT = 12
};

/* Creates the controls of all 2N-1 slots on mainWindow, base slots editable
 * or read-only, then resizes, centres and captions the window. */
void layoutBracket(Bracket *bracket, HWND mainWindow, int editableBase);

/* Creates one slot's control with its top-left corner at (x + 10, y + 10)
 * and links control and node both ways. Returns the control or NULL. */
HWND createSlotControl(HINSTANCE instance, HWND parent, int x, int y, BracketNode *node,
                       HFONT font, int isPick, int editable);

/* Sets the main window's caption from the title format and the title. */
void setBracketCaption(Bracket *bracket, HWND mainWindow);

#endif
