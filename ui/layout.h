/* Shows a built bracket as mirrored columns of slot controls around the
 * champion's slot, and fits, centres and captions the main window. */
#ifndef DUELMARK_UI_LAYOUT_H
#define DUELMARK_UI_LAYOUT_H

#include "model/bracket.h"

/* Geometry at 96 DPI; the layout multiplies each out for the window's scale. */
enum {
    COLUMN_WIDTH = 78,
    LAYOUT_MARGIN = 10,
    BASE_ROW_PITCH = 20,
    EDIT_HEIGHT = 16,
    PICK_HEIGHT = 100,       /* includes the dropped list */
    PICK_FIELD_HEIGHT = 12
};

/* The layout's sizes at one display scale, in client pixels, and the font
 * the slots show their text in there. */
struct SlotGeometry {
    int dpi;
    int columnWidth;
    int margin;
    int halfPitch;      /* half the base slots' row pitch */
    int editHeight;     /* tall enough for the font's line inside the edge */
    int pickHeight;
    int fieldHeight;
    HFONT font;
};

/* The geometry for the window's current scale, its slot font made for it. */
SlotGeometry slotGeometryFor(HWND mainWindow);

/* The geometry the laid-out bracket's slots stand in now, their font
 * included; unlike slotGeometryFor it makes no font, so the slots keep
 * theirs. */
SlotGeometry currentSlotGeometry(HWND mainWindow, const Bracket *bracket);

/* The client area a bracket of that depth and slot count needs. */
SIZE bracketContentSize(const Bracket *bracket, const SlotGeometry *geometry);

/* Creates the controls of all 2N-1 slots on mainWindow, base slots editable
 * or read-only, then resizes, centres and captions the window. */
void layoutBracket(Bracket *bracket, HWND mainWindow, int editableBase);

/* Creates one slot's control with its top-left corner one margin right of
 * and below the column origin (x, y), and links control and node both
 * ways. Returns the control or NULL. */
HWND createSlotControl(HINSTANCE instance, HWND parent, int x, int y, BracketNode *node,
                       const SlotGeometry *geometry, int isPick, int editable);

/* Moves and resizes every slot control of the laid-out bracket for the
 * geometry and gives it the geometry's font; contents and focus stay. The
 * view must stand at its origin. */
void placeSlotControls(Bracket *bracket, const SlotGeometry *geometry);

/* Sets the main window's caption from the title format and the title. */
void setBracketCaption(Bracket *bracket, HWND mainWindow);

#endif
