/* Shows a built bracket as mirrored columns of slot controls around the
 * champion's slot, and fits, centres and captions the main window. */
#ifndef DUELMARK_UI_WINDOW_LAYOUT_H
#define DUELMARK_UI_WINDOW_LAYOUT_H

#include "ui/window/slot_geometry.h"

/* Creates the controls of all 2N-1 slots on mainWindow, base slots editable
 * or read-only, then resizes, centres and captions the window. */
void layoutBracket(Bracket *bracket, HWND mainWindow, int editableBase);

/* Creates one slot's control with its top-left corner one margin right of
 * and below the column origin (x, y), and links control and node both
 * ways; a held base slot (isHeldBaseSlot) is made disabled. Returns the
 * control or NULL. */
HWND createSlotControl(HINSTANCE instance, HWND parent, int x, int y, BracketNode *node,
                       const SlotGeometry *geometry, int isPick, int editable, int held);

/* Moves and resizes every slot control of the laid-out bracket for the
 * geometry and gives it the geometry's font; contents and focus stay. The
 * view must stand at its origin. */
void placeSlotControls(Bracket *bracket, const SlotGeometry *geometry);

/* A name box that lost the keyboard shows its name from the start, however
 * far its text was scrolled while it was typed. */
void showNameFromStart(HWND control);

/* Sets the main window's caption from the title format and the title. */
void setBracketCaption(HWND mainWindow, Bracket *bracket);

#endif
