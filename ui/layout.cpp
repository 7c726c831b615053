#include "ui/layout.h"
#include "res/resource.h"
#include "ui/scroll_view.h"
#include "ui/display_scale.h"
#include "ui/drawing_pause.h"
#include "ui/bye_slots.h"
#include "ui/message_text.h"
#include "ui/pick_tooltips.h"
#include "ui/third_place_view.h"

enum {
    PICK_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_HASSTRINGS | CBS_DROPDOWNLIST,
    EDIT_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
    EDIT_EX_STYLE = WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY
};

/* The node's address goes into the user data last of all: notifications the
 * control raises while it is being filled find no slot and are ignored. */
static void bindControl(HWND control, BracketNode *node, HFONT font)
{
    if (!control)
        return;
    SendMessageW(control, WM_SETFONT, (WPARAM)font, TRUE);
    node->control = control;
    SetWindowLongPtrW(control, GWLP_USERDATA, (LONG_PTR)node);
}

/* The line the font draws, from the top of its tallest letter to the bottom
 * of its lowest descender. */
static int fontLineHeight(HWND window, HFONT font)
{
    HDC dc = GetDC(window);
    if (!dc)
        return 0;
    HGDIOBJ replaced = SelectObject(dc, font);
    TEXTMETRICW metrics;
    int height = GetTextMetricsW(dc, &metrics) ? metrics.tmHeight : 0;
    SelectObject(dc, replaced);
    ReleaseDC(window, dc);
    return height;
}

static SlotGeometry slotGeometryWithFont(HWND mainWindow, int dpi, HFONT font)
{
    SlotGeometry geometry;
    geometry.dpi = dpi;
    geometry.columnWidth = scalePixels(COLUMN_WIDTH, dpi);
    geometry.margin = scalePixels(LAYOUT_MARGIN, dpi);
    geometry.halfPitch = scalePixels(BASE_ROW_PITCH / 2, dpi);
    geometry.pickHeight = scalePixels(PICK_HEIGHT, dpi);
    geometry.fieldHeight = scalePixels(PICK_FIELD_HEIGHT, dpi);
    geometry.font = font;
    /* The client edge takes its width from the text area at the top and the
     * bottom; a box of the plain height would cut the descenders. */
    int needed = fontLineHeight(mainWindow, geometry.font) + 2 * GetSystemMetrics(SM_CYEDGE);
    int height = scalePixels(EDIT_HEIGHT, dpi);
    geometry.editHeight = needed > height ? needed : height;
    return geometry;
}

SlotGeometry slotGeometryFor(HWND mainWindow)
{
    int dpi = windowDpi(mainWindow);
    return slotGeometryWithFont(mainWindow, dpi, slotFontForDpi(mainWindow, dpi));
}

SlotGeometry currentSlotGeometry(HWND mainWindow, const Bracket *bracket)
{
    HFONT font = bracket->root.control ? (HFONT)SendMessageW(bracket->root.control, WM_GETFONT, 0, 0) : NULL;
    if (!font)
        font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    return slotGeometryWithFont(mainWindow, windowDpi(mainWindow), font);
}

/* The champion stands a margin above the final's two slots, which puts
 * it above the client area when the final is the first round (two slots,
 * or one): everything then moves down by what would be hidden, and the
 * client area grows by as much. Larger brackets stand where they always
 * did. */
static int championClearance(const Bracket *bracket, const SlotGeometry *geometry)
{
    int finalTop = bracket->depth > 1 ? geometry->halfPitch * ((1 << (bracket->depth - 1)) - 1) : 0;
    int hidden = geometry->margin - finalTop;
    return hidden > 0 ? hidden : 0;
}

SIZE bracketContentSize(const Bracket *bracket, const SlotGeometry *geometry)
{
    SIZE size;
    size.cx = 2 * geometry->columnWidth * bracket->depth + geometry->columnWidth + 2 * geometry->margin;
    size.cy = geometry->halfPitch * bracket->slotCount + 2 * geometry->margin;
    size.cy += championClearance(bracket, geometry);
    /* The match for third place may need room below the columns. */
    int withThirdPlace = scalePixels(bracketClientHeight((Bracket *)bracket), geometry->dpi);
    if (withThirdPlace > size.cy)
        size.cy = withThirdPlace;
    return size;
}

static HWND createPickControl(HINSTANCE instance, HWND parent, int left, int top, BracketNode *node,
                              const SlotGeometry *geometry)
{
    HWND control = CreateWindowExW(0, L"ComboBox", NULL, PICK_STYLE, left, top, geometry->columnWidth,
                                   geometry->pickHeight, parent, (HMENU)(INT_PTR)IDC_PICK_COMBO, instance, NULL);
    if (!control)
        return NULL;
    SendMessageW(control, CB_SETITEMHEIGHT, (WPARAM)-1, geometry->fieldHeight);
    if (node->name[0]) {
        SendMessageW(control, CB_ADDSTRING, 0, (LPARAM)node->name);
        SendMessageW(control, CB_SETCURSEL, 0, 0);
    }
    return control;
}

HWND createSlotControl(HINSTANCE instance, HWND parent, int x, int y, BracketNode *node,
                       const SlotGeometry *geometry, int isPick, int editable)
{
    int left = x + geometry->margin;
    int top = y + geometry->margin;
    HWND control;
    if (isPick) {
        control = createPickControl(instance, parent, left, top, node, geometry);
    } else {
        DWORD style = EDIT_STYLE | (editable ? 0 : ES_READONLY);
        control = CreateWindowExW(EDIT_EX_STYLE, L"Edit", node->name, style, left, top, geometry->columnWidth,
                                  geometry->editHeight, parent, (HMENU)(INT_PTR)IDC_TEAM_EDIT, instance, NULL);
        if (control)
            SendMessageW(control, EM_LIMITTEXT, NAME_CAPACITY - 1, 0);
    }
    bindControl(control, node, geometry->font);
    return control;
}

/* Told where a slot's column origin is; the champion's comes with the
 * margin already taken off, as it stands a margin above its column. */
typedef void (*SlotPlaced)(BracketNode *node, int x, int y, int isPick, void *context);

/* One pass per level from the base slots up: the first half of the level
 * fills the left column, the second half the mirrored right one. Every
 * pick's top lies half-way between the tops of its two feeders. */
static void walkSlotPlaces(Bracket *bracket, const SlotGeometry *geometry, SlotPlaced placed, void *context)
{
    int depth = bracket->depth;
    int width = geometry->columnWidth;
    int col = 0;
    int top = championClearance(bracket, geometry);
    int step = 2 * geometry->halfPitch;
    int k = depth;
    for (int m = bracket->slotCount / 2; m > 0; m /= 2) {
        BracketNode *node = leftmostAtLevel(bracket, k);
        for (int i = 0; i < m && node; i++, node = nextInLevel(node))
            placed(node, col, top + i * step, col != 0, context);
        for (int i = 0; i < m && node; i++, node = nextInLevel(node))
            placed(node, 2 * width * depth - col, top + i * step, col != 0, context);
        if (m > 1) {
            k--;
            top += step / 2;
            step *= 2;
        }
        col += width;
    }
    placed(&bracket->root, col, top - 2 * geometry->margin, 1, context);
}

struct SlotCreation {
    HINSTANCE instance;
    HWND parent;
    const SlotGeometry *geometry;
    int editable;
};

static void createPlacedSlot(BracketNode *node, int x, int y, int isPick, void *context)
{
    SlotCreation *creation = (SlotCreation *)context;
    createSlotControl(creation->instance, creation->parent, x, y, node, creation->geometry, isPick,
                      creation->editable);
    keepHeldWindowDrawn();
}

static void movePlacedSlot(BracketNode *node, int x, int y, int isPick, void *context)
{
    const SlotGeometry *geometry = (const SlotGeometry *)context;
    HWND control = node->control;
    if (!control)
        return;
    SendMessageW(control, WM_SETFONT, (WPARAM)geometry->font, FALSE);
    if (isPick)
        SendMessageW(control, CB_SETITEMHEIGHT, (WPARAM)-1, geometry->fieldHeight);
    SetWindowPos(control, NULL, x + geometry->margin, y + geometry->margin, geometry->columnWidth,
                 isPick ? geometry->pickHeight : geometry->editHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void placeSlotControls(Bracket *bracket, const SlotGeometry *geometry)
{
    walkSlotPlaces(bracket, geometry, movePlacedSlot, (void *)geometry);
}

void setBracketCaption(Bracket *bracket, HWND mainWindow)
{
    WCHAR caption[512];
    bracket->title[TITLE_CAPACITY - 1] = 0;
    const WCHAR *inserts[] = {bracket->title};
    /* A satellite without the caption's text shows the title alone. */
    if (!LoadStringW(bracket->resourceModule, IDS_TITLE_FORMAT, caption, 2) ||
        !loadMessageText(bracket->resourceModule, IDS_TITLE_FORMAT, inserts, 1, caption, 512))
        lstrcpynW(caption, bracket->title, 512);
    SendMessageW(mainWindow, WM_SETTEXT, 0, (LPARAM)caption);
}

/* Resizes the window so its client area fits the bracket exactly and
 * centres it in the work area. A bracket larger than the work area scrolls
 * inside it (ui/scroll_view); the tree refuses more than MAX_TEAM_COUNT
 * teams, so the client area is at most 2580 high at 96 DPI. */
void layoutBracket(Bracket *bracket, HWND mainWindow, int editableBase)
{
    SlotGeometry geometry = slotGeometryFor(mainWindow);
    SlotCreation creation = {GetModuleHandleW(NULL), mainWindow, &geometry, editableBase};
    resetScrollView(mainWindow);
    /* On a shown window (New) every control would otherwise be drawn as it
     * is made; the window is drawn once instead, before it is resized. */
    int paused = pauseDrawing(mainWindow);
    walkSlotPlaces(bracket, &geometry, createPlacedSlot, &creation);
    showByeSlots(bracket);
    placeThirdPlaceControls(bracket, mainWindow, &geometry);
    attachPickTooltips(bracket, mainWindow);
    resumeDrawing(mainWindow, paused);

    SIZE content = bracketContentSize(bracket, &geometry);
    placeScrollView(mainWindow, content.cx, content.cy);
    if (bracket->slotCount != 0)
        setBracketCaption(bracket, mainWindow);
}
