/* Where every slot of the bracket stands and how much room the bracket
 * takes, at the window's display scale: the one geometry that the layout,
 * the third-place view and the scroll view all read. */
#ifndef DUELMARK_UI_WINDOW_SLOT_GEOMETRY_H
#define DUELMARK_UI_WINDOW_SLOT_GEOMETRY_H

#include "model/bracket.h"

/* The sizes at 96 DPI; SlotGeometry holds them multiplied out. */
enum {
    COLUMN_WIDTH = 78,
    LAYOUT_MARGIN = 10,
    BASE_ROW_PITCH = 20,
    EDIT_HEIGHT = 16,
    PICK_HEIGHT = 100,       /* includes the dropped list */
    PICK_FIELD_HEIGHT = 12,
    THIRD_PLACE_GAP = 24,    /* from the top of the final's slots to the heading */
    THIRD_PLACE_LABEL_HEIGHT = 14,
    THIRD_PLACE_FIELD = 20,  /* the closed drop-down, frame included */
    LOSERS_ROW_PITCH = 60,   /* a losers' match: where it drops in from, its drop-down, its marks */
    STAGE_TAB_BAND = 26      /* the Groups / Knockout tab strip over an event with groups */
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
    int thirdPlaceGap;
    int labelHeight;
    int thirdPlaceField;
    int losersPitch;
    int top;            /* the tab strip's band over the slots; 0 without groups */
    int seedGutter;     /* Wide layout: the seeds' own strip beside each first-round box */
    int topClearance;   /* Wide layout: the round names' line and the first match's time line */
    HFONT font;
};

/* Whether the window lays its bracket out wide (View > Wide layout): every
 * column as wide as the longest name or mark, a line for each mark. Off
 * until set; the next layout or re-placing of the slots follows it. */
int wideLayoutOn(HWND mainWindow);
void setWideLayoutOn(HWND mainWindow, int on);

/* 0 when the window is laid out wide and a name or mark has grown past its
 * columns' width since: the bracket is then laid out again. */
int wideColumnsHold(HWND mainWindow, Bracket *bracket);

/* Frees what the window holds for its layout; called as it is destroyed. */
void forgetWideLayout(HWND mainWindow);

/* The geometry for the window's current scale and layout, its slot font
 * made for it; Wide layout measures the bracket's names and marks. The
 * window keeps the chosen column width for currentSlotGeometry. */
SlotGeometry slotGeometryFor(HWND mainWindow, Bracket *bracket);

/* The geometry the laid-out bracket's slots stand in now, their font
 * included; unlike slotGeometryFor it makes no font, so the slots keep
 * theirs. */
SlotGeometry currentSlotGeometry(HWND mainWindow, const Bracket *bracket);

/* One column's width at dpi: the scroll view's horizontal line. */
int columnWidthAt(int dpi);

/* The client area the bracket needs, the third-place match and the
 * losers' bracket included. */
SIZE bracketContentSize(const Bracket *bracket, const SlotGeometry *geometry);

/* Told where a slot's column origin is: its control's top-left corner is
 * one margin right of and below (x, y). */
typedef void (*SlotPlaced)(BracketNode *node, int x, int y, int isPick, void *context);

/* Every slot in creation order (which is also the Tab order): one pass per
 * level from the base slots up, the first half of the level in the left
 * column, the second half in the mirrored right one, the champion last.
 * Every pick's top lies half-way between the tops of its two feeders. */
void walkSlotPlaces(const Bracket *bracket, const SlotGeometry *geometry, SlotPlaced placed, void *context);

/* How far below the top margin the first base slot stands: room for the
 * champion over a small bracket, and in Wide layout for the round names'
 * line and the first match's time line. */
int slotsTopOffset(const Bracket *bracket, const SlotGeometry *geometry);

/* The third-place heading and drop-down, in the middle column under the
 * final's two slots: where each one's top-left corner stands. */
POINT thirdPlaceLabelPlace(const Bracket *bracket, const SlotGeometry *geometry);
POINT thirdPlaceComboPlace(const Bracket *bracket, const SlotGeometry *geometry);

/* The losers' bracket stands under the winners': one column per losers'
 * round from the left, then the grand final and its reset level with the
 * losers' final. Each match's drop-down has a line above it for where its
 * entrants drop in from and one below for its marks; rounds 1 and 2 are a
 * pitch apart, every two rounds after twice as far. Where the top-left
 * corner of losers' match k's (1 .. N) drop-down stands. */
POINT losersMatchPlace(const Bracket *bracket, const SlotGeometry *geometry, int k);

/* The bottom of the band the losers' round headings stand in. */
int losersHeadingBottom(const Bracket *bracket, const SlotGeometry *geometry);

#endif
