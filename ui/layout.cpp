#include "ui/layout.h"
#include "res/resource.h"
#include "ui/scroll_view.h"
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

static HWND createPickControl(HINSTANCE instance, HWND parent, int left, int top, BracketNode *node)
{
    HWND control = CreateWindowExW(0, L"ComboBox", NULL, PICK_STYLE, left, top, COLUMN_WIDTH,
                                   PICK_HEIGHT, parent, (HMENU)(INT_PTR)IDC_PICK_COMBO, instance, NULL);
    if (!control)
        return NULL;
    SendMessageW(control, CB_SETITEMHEIGHT, (WPARAM)-1, PICK_FIELD_HEIGHT);
    if (node->name[0]) {
        SendMessageW(control, CB_ADDSTRING, 0, (LPARAM)node->name);
        SendMessageW(control, CB_SETCURSEL, 0, 0);
    }
    return control;
}

HWND createSlotControl(HINSTANCE instance, HWND parent, int x, int y, BracketNode *node,
                       HFONT font, int isPick, int editable)
{
    int left = x + LAYOUT_MARGIN;
    int top = y + LAYOUT_MARGIN;
    HWND control;
    if (isPick) {
        control = createPickControl(instance, parent, left, top, node);
    } else {
        DWORD style = EDIT_STYLE | (editable ? 0 : ES_READONLY);
        control = CreateWindowExW(EDIT_EX_STYLE, L"Edit", node->name, style, left, top, COLUMN_WIDTH,
                                  EDIT_HEIGHT, parent, (HMENU)(INT_PTR)IDC_TEAM_EDIT, instance, NULL);
        if (control)
            SendMessageW(control, EM_LIMITTEXT, NAME_CAPACITY - 1, 0);
    }
    bindControl(control, node, font);
    return control;
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
 * teams, so the client area is at most 2580 high. */
static void fitAndCentre(Bracket *bracket, HWND mainWindow)
{
    placeScrollView(mainWindow, 2 * COLUMN_WIDTH * bracket->depth + COLUMN_WIDTH + 2 * LAYOUT_MARGIN,
                    bracketClientHeight(bracket));
}

void layoutBracket(Bracket *bracket, HWND mainWindow, int editableBase)
{
    HINSTANCE instance = GetModuleHandleW(NULL);
    HFONT font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    int depth = bracket->depth;
    int col = 0;
    int top = 0;
    int step = BASE_ROW_PITCH;
    int k = depth;
    resetScrollView(mainWindow);
    /* On a shown window (New) every control would otherwise be drawn as it
     * is made; the window is drawn once instead, before it is resized. */
    int paused = pauseDrawing(mainWindow);
    /* One pass per level from the base slots up: the first half of the
     * level fills the left column, the second half the mirrored right one. */
    for (int m = bracket->slotCount / 2; m > 0; m /= 2) {
        BracketNode *node = leftmostAtLevel(bracket, k);
        for (int i = 0; i < m && node; i++, node = nextInLevel(node))
            createSlotControl(instance, mainWindow, col, top + i * step, node, font, col != 0, editableBase);
        for (int i = 0; i < m && node; i++, node = nextInLevel(node))
            createSlotControl(instance, mainWindow, 2 * COLUMN_WIDTH * depth - col, top + i * step, node,
                              font, col != 0, editableBase);
        if (m > 1) {
            k--;
            top += step / 2;
            step *= 2;
        }
        col += COLUMN_WIDTH;
    }
    BracketNode *root = &bracket->root;
    HWND champion = createPickControl(instance, mainWindow, col + LAYOUT_MARGIN, top - LAYOUT_MARGIN, root);
    bindControl(champion, root, font);
    showByeSlots(bracket);
    placeThirdPlaceControls(bracket, mainWindow);
    attachPickTooltips(bracket, mainWindow);
    resumeDrawing(mainWindow, paused);

    fitAndCentre(bracket, mainWindow);
    if (bracket->slotCount != 0)
        setBracketCaption(bracket, mainWindow);
}
